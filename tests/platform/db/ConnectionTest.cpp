// The connection to the file: opening only what exists and is a database, reopening after
// the file was replaced, copies of the open database, and bulk transactions.
#include "platform/db/BulkScope.h"
#include "platform/db/Transaction.h"
#include "platform/db/DatabaseFile.h"
#include "platform/db/Error.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "tests/platform/db/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using dbtest::TestDatabase;

namespace {

int countOf(const QString& path, const char* select)
{
    db::Connection other(TestDatabase::connectionStringFor(path));
    db::Query q(other);
    q.addSql(QString::fromUtf8(select));
    q.open();
    return q.recordCount();
}

void expectOpenError(db::Connection& c)
{
    try {
        c.open();
        FAIL() << "opened";
    } catch (const db::Error& e) {
        EXPECT_EQ(e.kind(), db::Error::Kind::Open);
        EXPECT_TRUE(e.message().endsWith(": " + c.nativePath())) << e.message().toStdString();
    }
    EXPECT_FALSE(c.connected());
}

int openFileCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
}

TEST(Connection, AMissingFileIsReportedAndNeverCreated)
{
    TestDatabase db;
    const QString missing = db.pathOf("absent.bib");
    db::Connection c(TestDatabase::connectionStringFor(missing));
    expectOpenError(c);
    db::Query ars(c);
    ars.addSql("Select * From table1");
    EXPECT_THROW(ars.open(), db::Error);
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(Connection, AFileThatIsNotADatabaseIsReported)
{
    TestDatabase db;
    for (const QByteArray& content : {QByteArray("Titre;Auteur\r\n"), QByteArray()}) {
        QFile file(db.pathOf("other.bib"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        db::Connection c(TestDatabase::connectionStringFor(file.fileName()));
        expectOpenError(c);
        EXPECT_EQ(QFileInfo(file.fileName()).size(), content.size());
    }
}

TEST(Connection, AFolderOrAPipeIsNoDatabase)
{
    TestDatabase db;
    ASSERT_TRUE(QDir(db.pathOf("")).mkdir("folder.bib"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(db.pathOf("pipe.bib")).constData(), 0600), 0);
    for (const char* name : {"folder.bib", "pipe.bib"}) {
        db::Connection c(TestDatabase::connectionStringFor(db.pathOf(name)));
        expectOpenError(c);
    }
}

// A failed open closes what it opened: a program asked again and again keeps no file open.
TEST(Connection, AFailedOpenKeepsNoFileOpen)
{
    TestDatabase db;
    QFile text(db.pathOf("Test1.bib"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly | QIODevice::Truncate));
    text.write("Titre;Auteur\r\n");
    text.close();
    db::Connection c(TestDatabase::connectionStringFor(text.fileName()));
    expectOpenError(c);
    const int before = openFileCount();
    for (int i = 0; i < 1000; ++i)
        expectOpenError(c);
    EXPECT_EQ(openFileCount(), before);
}

// Another program holding the file locked at the moment it opens makes the open wait, as any
// later statement would, instead of failing at once.
TEST(Connection, ADatabaseLockedWhenItOpensIsWaitedFor)
{
    TestDatabase db;
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(db.path()).constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread holder([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    db::Connection c(TestDatabase::connectionStringFor(db.path()));
    EXPECT_NO_THROW(c.open());
    holder.join();
    EXPECT_TRUE(c.connected());
    EXPECT_EQ(c.execute("Insert into Emprunteurs (EmpNom) Values ('DUPONT')"), 1);
    sqlite3_close(other);
}

TEST(Connection, TheProgramPathIsMappedToTheNativeFile)
{
    TestDatabase db;
    QString asked;
    db::Connection c(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;User ID=Admin;Data Source=C:\\Qvlzantor\\Test1.bib;"
                                    "Mode=Share Deny None;Extended Properties=\"\";Jet OLEDB:SFP=False"),
                     [&](const QString& path) {
                         asked = path;
                         return db.path();
                     });
    c.open();
    EXPECT_EQ(asked, "C:\\Qvlzantor\\Test1.bib");
    EXPECT_EQ(c.nativePath(), db.path());
}

TEST(Connection, ReopeningAfterTheFileWasReplacedReadsTheNewFile)
{
    TestDatabase db;
    db.addBooks();
    const QString templateFile = db.pathOf("Reserve.bib");
    db::createDatabase(templateFile, dbtest::schemaSql());
    {
        db::Connection t(TestDatabase::connectionStringFor(templateFile));
        t.execute("Insert into Emprunteurs (EmpNom) Values ('MODELE')");
    }
    auto& c = db.connection();
    db::Query ars(c);
    ars.addSql("Select * From table1");
    ars.open();
    db::Table borrowers(c, "Emprunteurs", "NumEmprunteur");
    borrowers.open();

    // Copied over the open file, as the restart of the numbering does.
    QFile::remove(db.path());
    ASSERT_TRUE(QFile::copy(templateFile, db.path()));
    ars.close();
    c.close();
    EXPECT_FALSE(borrowers.active());
    c.setConnectionString(c.connectionString());
    ars.open();
    EXPECT_EQ(ars.recordCount(), 0);
    borrowers.open();
    EXPECT_EQ(borrowers.fieldByName("EmpNom").asString(), "MODELE");
}

TEST(Connection, ACopyOfTheOpenDatabaseHoldsEverythingWrittenAndStaysUsable)
{
    TestDatabase db;
    db.addBooks();
    auto& c = db.connection();
    db::Query ars(c);
    ars.addSql("Select * From table1");
    ars.open();
    const QString copy = db.pathOf("copies/Test1_20251208.bib");
    {
        db::BulkScope scope(c);
        ars.edit();
        ars.fieldByName("Titre").setAsString("Pendant la copie");
        ars.post();
        c.backupTo(copy);
        c.execute("Insert into Table1 (Titre) Values ('Après la copie')");
    }
    EXPECT_EQ(countOf(copy, "Select * From table1"), 5);
    EXPECT_EQ(countOf(copy, "Select * From table1 WHERE Titre = 'Pendant la copie'"), 1);
    EXPECT_EQ(countOf(db.path(), "Select * From table1"), 6);
    EXPECT_FALSE(QFile::exists(copy + ".part"));
    EXPECT_THROW(c.backupTo(db.pathOf("Test1.bib/not-a-folder")), db::Error);
}

TEST(Connection, BulkScopesNestAndCommitWhenTheOutermostEnds)
{
    TestDatabase db;
    auto& c = db.connection();
    {
        db::BulkScope outer(c);
        {
            db::BulkScope inner(c);
            c.execute("Insert into Emprunteurs (EmpNom) Values ('A')");
        }
        EXPECT_EQ(countOf(db.path(), "Select * From Emprunteurs"), 0);
    }
    EXPECT_EQ(countOf(db.path(), "Select * From Emprunteurs"), 1);
}

TEST(Connection, ABulkScopeLeftByAnExceptionKeepsWhatWasWritten)
{
    TestDatabase db;
    auto& c = db.connection();
    try {
        db::BulkScope scope(c);
        c.execute("Insert into Emprunteurs (EmpNom) Values ('A')");
        c.execute("Insert into Emprunteurs (EmpNom) Values ('NOM BIEN TROP LONG POUR LA COLONNE')");
        FAIL() << "the long name was taken";
    } catch (const db::Error& e) {
        EXPECT_EQ(e.kind(), db::Error::Kind::TooLong);
    }
    EXPECT_EQ(countOf(db.path(), "Select * From Emprunteurs"), 1);
}

TEST(Connection, ABulkScopeCommitsAsItsIntervalPasses)
{
    TestDatabase db;
    auto& c = db.connection();
    qint64 now = 0;
    c.setClock([&] { return now; });
    c.setBulkCommitInterval(1000);
    db::BulkScope scope(c);
    c.execute("Insert into Emprunteurs (EmpNom) Values ('A')");
    EXPECT_EQ(countOf(db.path(), "Select * From Emprunteurs"), 0);
    now = 1000;
    c.execute("Insert into Emprunteurs (EmpNom) Values ('B')");
    EXPECT_EQ(countOf(db.path(), "Select * From Emprunteurs"), 2);
}

// A bulk loop run as part of larger all-or-nothing work (an import and its renumbering) keeps
// nothing of its own when that work is given up, however long its loop ran.
TEST(Connection, ABulkScopeInsideATransactionCommitsOnlyWithTheTransaction)
{
    for (const bool committed : {false, true}) {
        TestDatabase db;
        auto& c = db.connection();
        qint64 now = 0;
        c.setClock([&] { return now; });
        c.setBulkCommitInterval(1000);
        {
            db::Transaction transaction(c);
            {
                db::BulkScope scope(c);
                c.execute("Insert into Emprunteurs (EmpNom) Values ('A')");
                now = 5000;
                c.execute("Insert into Emprunteurs (EmpNom) Values ('B')");
            }
            c.execute("Insert into Emprunteurs (EmpNom) Values ('C')");
            EXPECT_EQ(countOf(db.path(), "Select * From Emprunteurs"), 0);
            if (committed)
                transaction.commit();
        }
        EXPECT_EQ(countOf(db.path(), "Select * From Emprunteurs"), committed ? 3 : 0);
        // Bulk scopes after it commit as before.
        db::BulkScope scope(c);
        c.execute("Insert into Emprunteurs (EmpNom) Values ('D')");
        now = 10000;
        c.execute("Insert into Emprunteurs (EmpNom) Values ('E')");
        EXPECT_EQ(countOf(db.path(), "Select * From Emprunteurs"), committed ? 5 : 2);
    }
}

TEST(Connection, AProcessKilledInABulkLoopLeavesAConsistentFileWithWhatWasCommitted)
{
    TestDatabase db;
    db.addBooks();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Posts every row, committing every 3 posts, and dies in the middle of a slice.
        db::Connection c(TestDatabase::connectionStringFor(db.path()));
        qint64 now = 0;
        c.setClock([&] { return now; });
        c.setBulkCommitInterval(3);
        db::Query ars(c);
        ars.addSql("Select * From table1");
        ars.open();
        db::BulkScope scope(c);
        for (ars.first(); !ars.eof(); ars.next()) {
            ars.edit();
            ars.fieldByName("Auteur").setAsString("fait");
            ++now;
            ars.post();
            if (ars.recNo() == 4)
                kill(getpid(), SIGKILL);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(countOf(db.path(), "Select * From table1"), 5);
    EXPECT_EQ(countOf(db.path(), "Select * From table1 WHERE Auteur = 'fait'"), 3);
}

}  // namespace
