// The main window's data objects over a program folder's Test1.bib.
#include "app/DatabaseObjects.h"
#include "platform/db/DatabaseFile.h"
#include "platform/db/Error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString schemaSql()
{
    QFile file(QStringLiteral(QVL_SOURCE_DIR "/data/schema/Test1.sql"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

class DatabaseObjectsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db::createDatabase(folder.filePath("Test1.bib"), schemaSql());
        db::createDatabase(folder.filePath("Reserve/Test1.bib"), schemaSql());
        objects.setUp(QStringLiteral("C:\\Qvlzantor\\"));
    }

    // C:\Qvlzantor\ stands for the temporary program folder.
    QString nativePath(const QString& path)
    {
        mapped << path;
        QString rest = path.mid(QStringLiteral("C:\\Qvlzantor\\").size());
        return folder.filePath(rest.replace(u'\\', u'/'));
    }

    QTemporaryDir folder;
    QStringList mapped;
    app::DatabaseObjects objects{[this](const QString& path) { return nativePath(path); }};
};

TEST_F(DatabaseObjectsTest, TheConnectionStringNamesTest1InTheProgramFolder)
{
    EXPECT_EQ(app::buildConnectionString(QStringLiteral("C:\\Qvlzantor\\")),
              "Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=C:\\Qvlzantor\\Test1.bib;"
              "Mode=Share Deny None;Extended Properties=\"\";Jet OLEDB:System database=\"\";"
              "Jet OLEDB:Registry Path=\"\";Jet OLEDB:Database Password=\"\";Jet OLEDB:Engine Type=5;"
              "Jet OLEDB:Database Locking Mode=1;Jet OLEDB:Global Partial Bulk Ops=2;"
              "Jet OLEDB:Global Bulk Transactions=1;Jet OLEDB:New Database Password=\"\";"
              "Jet OLEDB:Create System Database=False;Jet OLEDB:Encrypt Database=False;"
              "Jet OLEDB:Don't Copy Locale on Compact=False;Jet OLEDB:Compact Without Replica Repair=False;"
              "Jet OLEDB:SFP=False");
    EXPECT_EQ(objects.ConnectionString, app::buildConnectionString(QStringLiteral("C:\\Qvlzantor\\")));
    EXPECT_FALSE(objects.ADOConnection1.connected());
    objects.ars.addSql("Select * From table1");
    objects.ars.open();
    EXPECT_TRUE(objects.ADOConnection1.connected());
    EXPECT_EQ(mapped, QStringList{"C:\\Qvlzantor\\Test1.bib"});
}

TEST_F(DatabaseObjectsTest, TablesAreSetUpAsTheScreensUseThem)
{
    auto& ars = objects.ars;
    ars.addSql("Insert into Table1 (Titre,Type) Values ('Disque','CD')");
    ars.execSql();
    for (const char* title : {"Deux", "Un"}) {
        ars.setSql(QStringLiteral("Insert into Table1 (Titre,Type) Values (?,'LIVRE')"), {title});
        ars.execSql();
    }
    ars.clearSql();
    ars.addSql("Insert into Emprunteurs (EmpNom) Values ('DUPONT')");
    ars.execSql();

    objects.ADOTable1.open();
    EXPECT_EQ(objects.ADOTable1.recordCount(), 2);
    EXPECT_EQ(objects.ADOTable1.fieldByName("Titre").asString(), "Deux");
    EXPECT_EQ(objects.ADOTable1.filter(), "Type=\"LIVRE\"");
    objects.ADOTable2.open();
    EXPECT_TRUE(objects.ADOTable2.isEmpty());
    objects.ADOTable3.open();
    EXPECT_EQ(objects.ADOTable3.fieldByName("EmpNom").asString(), "DUPONT");
    EXPECT_EQ(objects.DataSource1.dataSet(), &objects.ADOTable1);
    EXPECT_EQ(objects.DataSource2.dataSet(), &objects.ADOTable2);
    EXPECT_EQ(objects.DataSource3.dataSet(), &objects.ADOTable3);
}

TEST_F(DatabaseObjectsTest, AfterTheFileIsReplacedTheQueriesReadTheNewFile)
{
    auto& ars = objects.ars;
    ars.addSql("Insert into Emprunteurs (EmpNom) Values ('DUPONT')");
    ars.execSql();
    ars.clearSql();
    ars.addSql("Select * From Emprunteurs");
    ars.open();
    objects.ADOTable3.open();
    ASSERT_EQ(ars.recordCount(), 1);

    ASSERT_TRUE(QFile::remove(folder.filePath("Test1.bib")));
    ASSERT_TRUE(QFile::copy(folder.filePath("Reserve/Test1.bib"), folder.filePath("Test1.bib")));
    objects.reopenAfterFileReplaced();
    EXPECT_FALSE(objects.ADOTable3.active());
    EXPECT_FALSE(ars.active());

    ars.open();
    EXPECT_EQ(ars.recordCount(), 0);
    ars.clearSql();
    ars.addSql("Insert into Emprunteurs (EmpNom) Values ('MARTIN')");
    ars.execSql();
    objects.ADOTable3.open();
    EXPECT_EQ(objects.ADOTable3.fieldByName("NumEmprunteur").asString(), "1");
}

TEST_F(DatabaseObjectsTest, AMissingDatabaseIsReportedAtTheFirstOpen)
{
    QFile::remove(folder.filePath("Test1.bib"));
    objects.ars.addSql("Select * From table1");
    EXPECT_THROW(objects.ars.open(), db::Error);
    EXPECT_FALSE(QFile::exists(folder.filePath("Test1.bib")));
}

}  // namespace
