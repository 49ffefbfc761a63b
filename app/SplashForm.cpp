#include "app/SplashForm.h"

#include "platform/picture/PictureFile.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"

namespace app {

TForm1::TForm1(ui::Application& application, const QString& pictureFile)
    : ui::Form(application, QStringLiteral("Form1"))
{
    setBorderStyle(ui::BorderStyle::None);
    const QSize size(751, 134);
    const QSize screen = application.screenSize();
    setBounds(QRect(QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2), size));
    setEnabled(false);
    auto* image = create<ui::Image>(QStringLiteral("Image1"));
    image->setBounds(QRect(0, 0, 750, 130));
    image->setStretch(true);
    image->setPicture(picture::loadPictureFile(pictureFile));
}

}  // namespace app
