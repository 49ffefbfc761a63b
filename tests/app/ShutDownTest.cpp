// The three ways out: the purge of untitled books, the day's copy and its archive, the backup
// CSV, the label settings and the cloud backup on a local FTP server.
#include "DatabaseCopyCheck.h"
#include "MainWindowFixture.h"
#include "TestServers.h"

#include "app/BackupCsvExport.h"
#include "app/SettingsFile.h"
#include "app/ShutDown.h"
#include "platform/text/PascalText.h"
#include "platform/text/Windows1252.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

const QString kDay = QStringLiteral("08-12-2025");

class ShutDownTest : public MainWindowTest {
protected:
    app::TFrmPrin& startWithWaysOut()
    {
        return start({"Cancel"}, {[this](app::TFrmPrin& f) {
                         f.addPart<app::ShutDown>(f, [this](db::Query&) { ++renumbered; });
                     }});
    }
    // Books added straight to Table1; a null title is left out of the statement.
    void addBooks(const std::vector<std::optional<QString>>& titles)
    {
        for (const auto& title : titles)
            frm().db.ADOConnection1.execute(QStringLiteral("INSERT INTO Table1 (Titre, Isbn13) VALUES (?, '9782070612758')"),
                                            {title ? db::Value(*title) : db::Value()});
    }
    QString daily(const QString& name) const { return program.drive(QStringLiteral("Sauvegardes_journalieres/") + name); }
    QString lastDialog() const { return dialogTexts().isEmpty() ? QString() : dialogTexts().last(); }

    int renumbered = 0;
};

}  // namespace

TEST_F(ShutDownTest, ClosingPurgesOnlyUntitledBooksAndLeavesTheDaysCopyAndItsArchive)
{
    app::TFrmPrin& w = startWithWaysOut();
    addBooks({QStringLiteral("Alice"), QString(), QStringLiteral("@"), std::nullopt, QStringLiteral("Babar")});
    dialogs.answer(QStringLiteral("OK"));
    w.close();

    EXPECT_TRUE(shell.processEnded());
    EXPECT_EQ(lastDialog(), "Patientez pendant la sauvegarde avant fermeture");
    const DatabaseCopy copy = checkDatabaseCopy(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.bib")));
    EXPECT_TRUE(copy.opens);
    EXPECT_EQ(copy.integrity, "ok");
    EXPECT_EQ(copy.titles, QStringList({"Alice", "@", "Babar"}));
    const ZipArchiveCheck zip = checkZipArchive(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.ZIP")));
    EXPECT_TRUE(zip.tested);
    EXPECT_EQ(zip.members, QStringList{QStringLiteral("Test1_") + kDay + QStringLiteral("_.bib")});
}

TEST_F(ShutDownTest, ASecondCloseOnTheSameDayReplacesTheCopyAndTheArchive)
{
    app::TFrmPrin& w = startWithWaysOut();
    QDir().mkpath(daily(QString()));
    QFile old(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.ZIP")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("not an archive");
    old.close();
    addBooks({QStringLiteral("Alice")});
    dialogs.answer(QStringLiteral("OK"));
    w.close();

    const ZipArchiveCheck zip = checkZipArchive(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.ZIP")));
    EXPECT_TRUE(zip.tested);
    EXPECT_EQ(zip.members.size(), 1);
    EXPECT_TRUE(QDir(daily(QString())).entryList({"*.part"}).isEmpty());
}

TEST_F(ShutDownTest, AnArchiveThatCannotBeMadeIsToldAndTheCopyStays)
{
    app::TFrmPrin& w = startWithWaysOut();
    addBooks({QStringLiteral("Alice")});
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir noPrograms;
    qputenv("PATH", QFile::encodeName(noPrograms.path()));
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("OK"));
    w.close();
    qputenv("PATH", path);

    // Named as the librarian finds it on this machine.
    const QString archive = daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.ZIP"));
    EXPECT_TRUE(dialogTexts().contains("L'archive de la sauvegarde du jour n'a pas pu être faite : " + archive))
        << dialogTexts().join(" | ").toStdString();
    EXPECT_FALSE(QFile::exists(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.ZIP"))));
    EXPECT_EQ(checkDatabaseCopy(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.bib"))).titles,
              QStringList{"Alice"});
    EXPECT_TRUE(shell.processEnded());
}

TEST_F(ShutDownTest, QuitterExportsEveryRowRenumbersThenClosesTheWindow)
{
    startWithWaysOut();
    addBooks({QStringLiteral("Alice")});
    db::Query rows(frm().db.ADOConnection1);
    rows.setSql(QStringLiteral("SELECT * FROM Table1"));
    rows.open();
    rows.append();
    rows.fieldByName("Titre").setAsString("Deux~tomes");
    rows.fieldByName("Auteur").setAsString("Un; deux");
    rows.fieldByName("Date_parution").setAsString("12/03/2005");
    rows.fieldByName("Resume").setAsString("Ligne\r\nsuivante");
    rows.post();
    for (const char* answer : {"OK", "OK"})
        dialogs.answer(QString::fromLatin1(answer));
    input.menu(QStringLiteral("Fichier > Quitter"));

    EXPECT_EQ(renumbered, 1);
    EXPECT_TRUE(shell.processEnded());
    const QStringList lines = text::decodeWindows1252(program.read(QStringLiteral("Sauvegarde.csv"))).split("\r\n");
    ASSERT_EQ(lines.size(), 4);  // header, two rows, the end of the last line
    EXPECT_EQ(lines[0], app::backupCsvHeader());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(lines[i].split(u';').size(), 26) << lines[i].toStdString();
    const QStringList second = lines[2].split(u';');
    EXPECT_EQ(second[0], "Deux~tomes");
    EXPECT_EQ(second[1], "Un deux");
    EXPECT_EQ(second[12], "12/03/2005");
    EXPECT_EQ(second[22], "Ligne_suivante");
    EXPECT_TRUE(dialogTexts().contains(frm().tables.message(55) + program.folder("Sauvegarde.csv") + " \r\n" +
                                       frm().tables.message(56)));
    EXPECT_TRUE(checkDatabaseCopy(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.bib"))).opens);
}

TEST_F(ShutDownTest, BackupCsvValuesKeepTheirColumns)
{
    struct Case { QStringList values; const char* line; };
    const Case cases[] = {
        {{"a\r\nb", "c"}, "a_b;c"},
        {{"a\rb", "c\nd"}, "a_b;c_d"},
        {{"a;b", "x/y~z"}, "ab;x/y~z"},
        {{"a___b", "\r\n\r\n"}, "a_b;_"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::backupCsvLine(c.values), QString::fromLatin1(c.line)) << c.line;
}

TEST_F(ShutDownTest, PourQuitterCancelledStillKeepsTheLabelSettingsAndTheDaysCopy)
{
    app::TFrmPrin& w = startWithWaysOut();
    addBooks({QStringLiteral("Alice"), QString()});
    w.settings.NbreColCB = 3;
    for (const char* answer : {"Cancel", "OK"})
        dialogs.answer(QString::fromLatin1(answer));
    input.click(QStringLiteral("ToolButton9"));

    EXPECT_EQ(lastDialog(), "annulé");
    EXPECT_TRUE(shell.processEnded());
    const QString settings = text::decodeWindows1252(program.read(QStringLiteral("Fichier.ini")));
    EXPECT_TRUE(settings.contains("NbreColCB=3")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("NbCouleur=clGreen"));
    const DatabaseCopy copy = checkDatabaseCopy(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.bib")));
    EXPECT_EQ(copy.integrity, "ok");
    EXPECT_EQ(copy.titles, QStringList({"Alice", ""}));  // this way out purges nothing
}

// The cloud copy was announced before anything was made, and with sharing off (the default)
// nothing was ever sent. It is announced once sent; otherwise the librarian is told why not.
TEST_F(ShutDownTest, CloudBackupIsAnnouncedOnlyOnceSentOrSaysWhyNot)
{
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral("Coffre_fort"));
    ScriptServer server{QStringLiteral("ftp_server.py"), {home.path(), "qvl", "secret"}};
    DeadPort refusing(DeadPort::Refusing);
    const QString announced = QStringLiteral("OK pour la sauvegarde nuage de : Test1_0750001A_08/12/2025_.zip");
    struct Case {
        const char* what;
        bool sharing;
        int port;
        QString told;  // the start of the one message after the question
    };
    const Case cases[] = {
        {"sent", true, server.port(), announced},
        {"refused", true, refusing.port(), QStringLiteral("La sauvegarde dans les nuages a échoué : ")},
        {"sharing off", false, server.port(),
         QStringLiteral("La sauvegarde dans les nuages est désactivée (partage FTP non activé). "
                        "La sauvegarde locale est faite : ") +
             daily(QStringLiteral("Test1.zip"))},
    };
    for (const Case& c : cases) {
        app::TFrmPrin& w = startWithWaysOut();
        addBooks({QStringLiteral("Alice")});
        w.settings.ftpbool = c.sharing;
        w.settings.RNE = QStringLiteral("0750001A");
        ASSERT_TRUE(app::SettingsFile().writeCoordinates(w.settings));
        w.settings.maker = {QString(), QStringLiteral("127.0.0.1"), c.port, QStringLiteral("qvl"), QStringLiteral("secret"), QString()};
        dialogs.clearLog();
        const qsizetype exitsBefore = shell.records().count("exit");
        for (int i = 0; i < 2; ++i)
            dialogs.answer(QStringLiteral("OK"));
        input.click(QStringLiteral("ToolButton9"));

        ASSERT_GE(dialogTexts().size(), 2) << c.what;
        EXPECT_TRUE(dialogTexts()[1].startsWith(c.told)) << c.what << ": " << dialogTexts().join(" | ").toStdString();
        EXPECT_EQ(dialogTexts().contains(announced), c.told == announced) << c.what;
        const QString local = daily(QStringLiteral("Test1.zip"));
        EXPECT_TRUE(checkZipArchive(local).tested) << c.what;
        const QString remote = home.filePath(QStringLiteral("Coffre_fort/Test10750001A.zip"));
        EXPECT_EQ(QFile::exists(remote), c.told == announced) << c.what;
        if (QFile::exists(remote)) {
            QFile a(local), b(remote);
            ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            EXPECT_EQ(a.readAll(), b.readAll());
        }
        EXPECT_EQ(shell.records().count("exit"), exitsBefore + 1) << c.what;
        EXPECT_TRUE(checkDatabaseCopy(daily(QStringLiteral("Test1_") + kDay + QStringLiteral("_.bib"))).opens);
        entry.reset();
        dialogs.clearLog();
        QFile::remove(remote);
    }
}
