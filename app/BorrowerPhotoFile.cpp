#include "app/BorrowerPhotoFile.h"

#include "platform/files/FolderFileName.h"
#include "platform/text/PascalText.h"

namespace app {

QString borrowerPhotoName(const QString& surname, const QString& firstName)
{
    return files::folderFileName(text::UpperCase(surname) + u'_' + firstName + QStringLiteral(".jpg"));
}

QString borrowerPhotoRefusal(const QString& surname, const QString& firstName)
{
    return QStringLiteral("Pas de photo pour « ") + surname + u' ' + firstName +
           QStringLiteral(" » : ce nom ne peut pas servir de nom de fichier (il contient \\, /, : ou un caractère "
                          "de contrôle). Corrigez le nom de l'emprunteur.");
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
