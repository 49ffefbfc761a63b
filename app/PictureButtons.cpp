#include "app/PictureButtons.h"

#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"

#include <QFileInfo>

namespace app {

QString buttonArtworkPath(const QString& name)
{
    return files::nativePath(files::appDir() + QStringLiteral("Reserve\\Icones\\") + name + QStringLiteral(".png"));
}

void loadPictureButtons(ui::Form& window)
{
    for (ui::Component* component : window.components()) {
        auto* image = dynamic_cast<ui::Image*>(component);
        if (!image || image->picture())
            continue;
        const QString path = buttonArtworkPath(image->name());
        if (QFileInfo::exists(path))
            image->setPicture(picture::loadPictureFile(path));
    }
}

}  // namespace app
