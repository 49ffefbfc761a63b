#include "app/BorrowerPhotoFile.h"

namespace app {

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

QString borrowerPhotoPageLink(const QString& surname, const QString& firstName)
{
    const QString name = borrowerPhotoName(surname, firstName);
    return QString(kBorrowerPhotosFolder).replace(u'\\', u'/') +
           (name.isEmpty() ? QStringLiteral("No_picture.jpg") : name);
}

}  // namespace app
