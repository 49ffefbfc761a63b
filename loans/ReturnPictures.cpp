#include "loans/ReturnPictures.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Image.h"

namespace loans {

namespace {

const QString kPlaceholder = QStringLiteral("No_picture.jpg");

void showFromFolder(app::TFrmPrin& frm, ui::Image& image, const QString& folder, const QString& name)
{
    const bool usable = files::folderFileExists(frm.AppDir + folder, name);
    if (!(usable && showPictureIfExists(frm, image, folder + name)))
        showPictureIfExists(frm, image, folder + kPlaceholder);
}

}  // namespace

bool showPictureIfExists(app::TFrmPrin& frm, ui::Image& image, const QString& windowsPath)
{
    const QString path = frm.AppDir + windowsPath;
    if (!files::fileExists(path))
        return false;
    image.setPicture(picture::loadPictureFile(files::nativePath(path)));
    return true;
}

void showReturnCover(app::TFrmPrin& frm, ui::Image& image, const QString& coverName)
{
    showFromFolder(frm, image, catalogue::kCoversFolder, text::Trim(coverName));
}

}  // namespace loans
