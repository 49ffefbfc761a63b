#include "loans/BorrowerPhoto.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/files/FileOps.h"

namespace loans {

bool showBorrowerPhoto(app::TFrmPrin& frm, ui::Image& image, const QString& surname, const QString& firstName)
{
    const QString name = app::borrowerPhotoName(surname, firstName);
    const bool exists = !name.isEmpty() && files::fileExists(frm.AppDir + app::kBorrowerPhotosFolder + name);
    const QString shown = catalogue::showCoverFile(frm, image, app::kBorrowerPhotosFolder,
                                                   exists ? name : catalogue::kNoPicture, catalogue::kNoPicture);
    return exists && shown == name;
}

}  // namespace loans
