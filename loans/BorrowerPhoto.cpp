#include "loans/BorrowerPhoto.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/files/FileOps.h"

namespace loans {

QString borrowerPhotoName(const QString& surname, const QString& firstName)
{
    const QString name = surname + u'_' + firstName + QStringLiteral(".jpg");
    if (name.contains(u'\\') || name.contains(u'/') || name.contains(QLatin1String("..")))
        return {};
    return name;
}

QString borrowerPhotoPath(const QString& surname, const QString& firstName)
{
    const QString name = borrowerPhotoName(surname, firstName);
    return name.isEmpty() ? QString() : kBorrowerPhotosFolder + name;
}

bool showBorrowerPhoto(app::TFrmPrin& frm, ui::Image& image, const QString& surname, const QString& firstName)
{
    const QString name = borrowerPhotoName(surname, firstName);
    const bool exists = !name.isEmpty() && files::fileExists(frm.AppDir + kBorrowerPhotosFolder + name);
    const QString shown = catalogue::showCoverFile(frm, image, kBorrowerPhotosFolder, exists ? name : catalogue::kNoPicture,
                                                   catalogue::kNoPicture);
    return exists && shown == name;
}

}  // namespace loans
