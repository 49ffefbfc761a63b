#include "app/BorrowerPhotoFile.h"

#include "platform/files/FolderFileName.h"

namespace app {

QString borrowerPhotoName(const QString& surname, const QString& firstName)
{
    return files::folderFileName(surname + u'_' + firstName + QStringLiteral(".jpg"));
}

QString borrowerPhotoPath(const QString& surname, const QString& firstName)
{
    const QString name = borrowerPhotoName(surname, firstName);
    return name.isEmpty() ? QString() : kBorrowerPhotosFolder + name;
}

QString borrowerPhotoPageLink(const QString& surname, const QString& firstName)
{
    const QString name = borrowerPhotoName(surname, firstName);
    return QString(kBorrowerPhotosFolder).replace(u'\\', u'/') +
           (name.isEmpty() ? QStringLiteral("No_picture.jpg") : name);
}

}  // namespace app
