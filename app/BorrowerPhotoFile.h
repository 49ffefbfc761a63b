#pragma once
// A borrower's photo: "Photo_emprunteur\" + surname + "_" + first name + ".jpg" in the program
// folder, the surname in the program's capitals (ASCII letters only, as the database stores it);
// the folder's "No_picture.jpg" stands for a missing one. Every screen and page that shows, takes
// or copies a photo names it through here, so that a photo written is the photo found.
#include <QString>

namespace app {

inline const QString kBorrowerPhotosFolder = QStringLiteral("Photo_emprunteur\\");

// The photo's file name in its folder; empty when the names could lead out of the folder (see
// platform/files/FolderFileName.h), so that such a borrower has no photo file to read or write.
QString borrowerPhotoName(const QString& surname, const QString& firstName);
// Why a borrower whose photo name is empty can have no photo, as the photo buttons say it.
QString borrowerPhotoRefusal(const QString& surname, const QString& firstName);
// The folder and the file name, as a path under the program folder; empty as above.
QString borrowerPhotoPath(const QString& surname, const QString& firstName);
// The photo as a generated page of the program folder links it; a borrower without a photo name
// gets the folder's placeholder.
QString borrowerPhotoPageLink(const QString& surname, const QString& firstName);

}  // namespace app
