#include "tests/platform/db/TestDatabase.h"

#include "platform/db/DatabaseFile.h"
#include "platform/db/Query.h"

#include <QFile>

namespace dbtest {

QString schemaSql()
{
    QFile file(QStringLiteral(QVL_SOURCE_DIR "/data/schema/Test1.sql"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QString TestDatabase::connectionStringFor(const QString& nativePath)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=") + nativePath
        + QStringLiteral(";Mode=Share Deny None");
}

TestDatabase::TestDatabase()
{
    static const QString schema = schemaSql();
    db::createDatabase(path(), schema);
    connection_ = std::make_unique<db::Connection>(connectionStringFor(path()));
}

void TestDatabase::run(std::initializer_list<const char*> statements)
{
    for (const char* statement : statements)
        connection_->execute(QString::fromUtf8(statement));
}

void TestDatabase::addBooks()
{
    run({"Insert into table1 (Titre,Isbn13,Type,Genre,NbrExemplaire,MaxExemplaire,EmpNom,NumEmprunteur,DateEmprunt,"
         "DateRetour) Values ('L''école des loisirs','9782070612758','LIVRE','Roman','1',True,'DUPONT',5,'08/12/2025',"
         "'22/12/2025')",
         "Insert into table1 (Titre,Isbn13,Type,Genre,NbrExemplaire,EmpNom,DateEmprunt) "
         "Values ('Ecole','00012','livre','Conte','1','',0)",
         "Insert into table1 (Titre,Isbn13,Type,NbrExemplaire,MaxExemplaire) Values ('Zoo','00012','DVD','2',True)",
         "Insert into table1 (Titre,Type,Genre,NbrExemplaire,Prix_Client) Values ('école','LIVRE','Roman','0','12,50')",
         "Insert into table1 (Titre) Values ('abc[1]')"});
}

std::vector<qint64> walk(db::DataSet& dataSet)
{
    std::vector<qint64> keys;
    for (dataSet.first(); !dataSet.eof(); dataSet.next())
        keys.push_back(dataSet.field(0).asInteger());
    return keys;
}

std::vector<qint64> TestDatabase::keys(const QString& select)
{
    db::Query query(*connection_);
    query.addSql(select);
    query.open();
    return walk(query);
}

}  // namespace dbtest
