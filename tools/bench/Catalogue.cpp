#include "tools/bench/Catalogue.h"

#include "platform/db/BulkScope.h"
#include "platform/db/Connection.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace bench {

QString programFolder()
{
    const QString binaryDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
    return binaryDir + QStringLiteral("/Qvlzantor");
}

void makeCatalogue(const QString& path)
{
    const QString templateFile = programFolder() + QStringLiteral("/Reserve/Test1.bib");
    QFile::remove(path);
    if (!QFile::copy(templateFile, path))
        qFatal("no database template at %s", qPrintable(templateFile));
    addCatalogueCopies(path);
}

QString copyCode(int copy)
{
    return QStringLiteral("978207%1").arg(copy % 9000 + 1000000, 7, 10, QChar(u'0'));
}

QString copyTitle(int copy)
{
    return QStringLiteral("Élément de titre n°%1").arg(copy);
}

void addCatalogueCopies(const QString& path, int copies)
{
    db::Connection c(QStringLiteral("Data Source=") + path);
    db::BulkScope scope(c);
    const QStringList types{"LIVRE", "LIVRE", "LIVRE", "LIVRE", "DVD"};
    for (int i = 1; i <= copies; ++i) {
        const QString code = copyCode(i);
        c.execute(QStringLiteral("Insert into Table1 (Titre,Isbn13,Isbn10,Auteur,Editeur,Type,Genre,Empruntable,"
                                 "NbrExemplaire,MaxExemplaire,Images,Pages,CodeBarres,IMP_CodeBarres,Descripteur,"
                                 "Proprio,NbreFoisEmprunte,Prix_Client,Langue) Values (?,?,?,?,?,?,'Roman',True,'1',True,?,"
                                 "'Broché 128',?,True,'.Dewey 843 .AVENTURE','BCD','00000','12,50','francais.txt')"),
                  {QStringLiteral("Élément de titre n°%1").arg(i), code,
                   QStringLiteral("2070%1").arg(i % 100000, 6, 10, QChar(u'0')), QStringLiteral("Auteur %1").arg(i % 700),
                   QStringLiteral("Éditeur %1").arg(i % 90), types[i % 5], code + QStringLiteral(".JPG"),
                   u'*' + code + u'*'});
    }
}

}  // namespace bench
