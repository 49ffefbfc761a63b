#include "app/DatabaseObjects.h"

#include "platform/db/Error.h"

namespace app {

QString buildConnectionString(const QString& appDir)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=") + appDir
        + QStringLiteral("Test1.bib") + QStringLiteral(";")
        + QStringLiteral("Mode=Share Deny None;Extended Properties=\"\";")
        + QStringLiteral("Jet OLEDB:System database=\"\";Jet OLEDB:Registry Path=\"\";")
        + QStringLiteral("Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5;")
        + QStringLiteral("Jet OLEDB:Database Locking Mode=1;")
        + QStringLiteral("Jet OLEDB:Global Partial Bulk Ops=2;")
        + QStringLiteral("Jet OLEDB:Global Bulk Transactions=1;")
        + QStringLiteral("Jet OLEDB:New Database Password=\"\";")
        + QStringLiteral("Jet OLEDB:Create System Database=False;")
        + QStringLiteral("Jet OLEDB:Encrypt Database=False;")
        + QStringLiteral("Jet OLEDB:Don't Copy Locale on Compact=False;")
        + QStringLiteral("Jet OLEDB:Compact Without Replica Repair=False;")
        + QStringLiteral("Jet OLEDB:SFP=False");
}

DatabaseObjects::DatabaseObjects(db::Connection::PathMapper nativePath)
    : ADOConnection1(QString(), std::move(nativePath)),
      ars(ADOConnection1),
      ADOQuery(ADOConnection1),
      ADOTable1(ADOConnection1, QStringLiteral("Table1"), QStringLiteral("NumLivre")),
      ADOTable2(ADOConnection1, QStringLiteral("Inventaire")),
      ADOTable3(ADOConnection1, QStringLiteral("Emprunteurs"), QStringLiteral("NumEmprunteur")),
      DataSource1(&ADOTable1),
      DataSource2(&ADOTable2),
      DataSource3(&ADOTable3)
{
    ADOTable1.setFilter(QStringLiteral("Type=\"LIVRE\""));
    ADOTable1.setFiltered(true);
}

void DatabaseObjects::setUp(const QString& appDir)
{
    ConnectionString = buildConnectionString(appDir);
    ADOConnection1.setConnectionString(ConnectionString);
}

void DatabaseObjects::open()
{
    ADOConnection1.open();
    for (const char* table : {"Table1", "Emprunteurs", "Inventaire", "identification"}) {
        if (!ADOConnection1.schema().find(QString::fromLatin1(table))) {
            const QString path = ADOConnection1.nativePath();
            ADOConnection1.close();
            throw db::Error(db::Error::Kind::Open, QStringLiteral("no table %1: %2").arg(QString::fromLatin1(table), path));
        }
    }
}

void DatabaseObjects::reopenAfterFileReplaced()
{
    ADOTable3.close();
    ars.close();
    ADOConnection1.close();
    ADOConnection1.setConnectionString(ConnectionString);
}

}  // namespace app
