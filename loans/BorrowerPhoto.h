#pragma once
// A borrower's photo: "Photo_emprunteur\" + surname + "_" + first name + ".jpg" in the program
// folder, the names as the database stores them; the folder's "No_picture.jpg" stands for a
// missing one. Every screen that shows, takes or copies a photo names it through here.
#include <QString>

namespace app {
class TFrmPrin;
}
namespace ui {
class Image;
}

namespace loans {

inline const QString kBorrowerPhotosFolder = QStringLiteral("Photo_emprunteur\\");

// The photo's file name in its folder; empty when the names would lead out of the folder (a
// path separator or ".."), so that such a borrower has no photo file to read or write.
QString borrowerPhotoName(const QString& surname, const QString& firstName);
// The folder and the file name, as a path under the program folder; empty as above.
QString borrowerPhotoPath(const QString& surname, const QString& firstName);

// Shows the borrower's photo, or the placeholder when there is none. A file that is no picture is
// deleted, as it would fail at every showing; the placeholder is never deleted. True when the
// borrower's own photo is shown.
bool showBorrowerPhoto(app::TFrmPrin& frm, ui::Image& image, const QString& surname, const QString& firstName);

}  // namespace loans
