// Start-up of the program as a librarian meets it, played by the driver on a copy of the
// assembled program folder.
#include "DriverRun.h"
#include "QtPrinters.h"
#include "DeliveredLanguage.h"
#include "TestServers.h"
#include "tests/app/FirstRunSettings.h"

#include "app/DatabaseObjects.h"
#include "app/LanguageFile.h"
#include "platform/db/DatabaseFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString messageLine(int entry)
{
    return QStringLiteral("dialog: QvlZantor | ") + deliveredFrench().message(entry) + QStringLiteral(" | OK");
}

QString questionLine()
{
    return QStringLiteral("dialog: ") + deliveredFrench().dialog(2) + QStringLiteral(" | ") + deliveredFrench().dialog(1) +
           QStringLiteral(" | OK,Annuler");
}

QString backupDate() { return text::shortDateText(QDate::currentDate()).replace(u'/', u'-'); }

// A web host serving the given version page.
class VersionHost {
public:
    explicit VersionHost(const QByteArray& page)
    {
        QDir(m_root.path()).mkpath(QStringLiteral("file"));
        QFile f(m_root.filePath(QStringLiteral("file/version.html")));
        f.open(QIODevice::WriteOnly);
        f.write(page);
        f.close();
        m_server = std::make_unique<ScriptServer>(QStringLiteral("http_server.py"), QStringList{m_root.path()});
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server->port()); }

private:
    QTemporaryDir m_root;
    std::unique_ptr<ScriptServer> m_server;
};

// A program folder that has run once, so that its settings file exists, with the maker's web
// host set.
void firstStart(const ProgramFolder& program, const QString& webSite = {})
{
    ASSERT_EQ(play(program, QStringLiteral("answer Cancel\n")).exitCode, 0);
    if (!webSite.isEmpty()) {
        QByteArray ini = program.read(QStringLiteral("Fichier.ini"));
        ini += "[Hebergeur]\r\nSiteWeb=" + webSite.toUtf8() + "\r\n";
        program.write(QStringLiteral("Fichier.ini"), ini);
    }
}

void addBook(const ProgramFolder& program, const QString& title)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    connection.execute(QStringLiteral("Insert into Table1 (Titre, Isbn13, Images) Values (?, '9782070612758', 'x.JPG')"),
                       {title});
}

}  // namespace

TEST(StartupScenario, FirstStartCreatesTheSettingsAndShowsTheHomeScreen)
{
    ProgramFolder program;
    ASSERT_FALSE(QFileInfo::exists(program.folder("Fichier.ini")));
    const DriverResult run = play(program, QStringLiteral(
        "answer Cancel\n"
        "expect-visible Panel13\n"
        "expect-visible Image29\n"
        "expect-hidden Panel4\n"
        "expect-hidden Panel14\n"
        "expect-visible ToolButton8\n"
        "expect-hidden ToolButton4\n"));
    EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
    // The settings do not exist yet, but the question is asked in the default language.
    EXPECT_EQ(run.lines.value(0), questionLine()) << run.joined().toStdString();
    EXPECT_TRUE(run.has("screen: Panel13"));
    const QByteArray ini = program.read(QStringLiteral("Fichier.ini"));
    EXPECT_EQ(ini, kFirstRunFile) << ini.toStdString();
    // An empty books table: no entry copy.
    EXPECT_FALSE(QFileInfo::exists(program.drive("Sauvegardes_journalieres/Test1_" + backupDate() + "_entree.bib")));
}

TEST(StartupScenario, MenusBeforeAnyLogin)
{
    ProgramFolder program;
    firstStart(program);
    // Fichier, Emprunts and Aide are open, with their captions from the language file.
    const DriverResult open = play(program, QStringLiteral(
        "answer Cancel\n"
        "menu Emprunts > Emprunter\n"
        "answer OK\n"
        "menu Aide > A propos\n"
        "answer OK\n"
        "menu Fichier > Info base\n"));
    EXPECT_EQ(open.exitCode, 0) << open.joined().toStdString();
    // The menus that need a login are hidden.
    for (const char* entry : {"Livres > Rechercher", "Outils > Configuration", "Emprunteurs > Nouvel emprunteur"}) {
        const DriverResult hidden = play(program, QStringLiteral("answer Cancel\nmenu %1\n").arg(entry));
        EXPECT_NE(hidden.exitCode, 0) << entry;
        EXPECT_TRUE(hidden.joined().contains("failed: line 2")) << hidden.joined().toStdString();
    }
}

TEST(StartupScenario, EntryCopyWhenTheBooksTableHasRows)
{
    ProgramFolder program;
    firstStart(program);
    addBook(program, QStringLiteral("L'école des loisirs"));
    const DriverResult run = play(program, QStringLiteral("answer Cancel\n"));
    EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(QFileInfo::exists(program.drive("Sauvegardes_journalieres/Test1_" + backupDate() + "_entree.bib")));
}

TEST(StartupScenario, NoReachableHostOkShowsTheFailureAndCancelNothing)
{
    ProgramFolder program;
    DeadPort refusing(DeadPort::Refusing);
    firstStart(program, QStringLiteral("http://127.0.0.1:%1").arg(refusing.port()));
    const DriverResult ok = play(program, QStringLiteral("answer OK\nanswer OK\n"));
    EXPECT_EQ(ok.lines, QStringList({questionLine(), messageLine(4), "screen: Panel13"}));
    const DriverResult cancel = play(program, QStringLiteral("answer Cancel\n"));
    EXPECT_EQ(cancel.lines, QStringList({questionLine(), "screen: Panel13"}));
}

TEST(StartupScenario, SameVersionSaysSo)
{
    ProgramFolder program;
    VersionHost host("<html><body><p>version 5.05</p></body></html>");
    firstStart(program, host.url());
    const DriverResult run = play(program, QStringLiteral("answer OK\nanswer OK\n"));
    EXPECT_EQ(run.lines, QStringList({questionLine(), messageLine(8), "screen: Panel13"}));
}

TEST(StartupScenario, NewerVersionOpensTheDownloadPageCopiesTheDatabaseAndEnds)
{
    ProgramFolder program;
    VersionHost host("<p>version 5.06</p>");
    firstStart(program, host.url());
    const DriverResult run = play(program, QStringLiteral("answer OK\nanswer OK\nexpect-visible Panel13\n"));
    const QString news = QStringLiteral("dialog: QvlZantor | ") + deliveredFrench().message(5) + "version 5.05\\r" +
                         deliveredFrench().message(6) + "version 5.06\\r" + deliveredFrench().message(7) + " | OK";
    EXPECT_EQ(run.lines, QStringList({questionLine(), news, "open: " + host.url() + "/download.php?lng=fr", "exit"}))
        << run.joined().toStdString();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(program.drive("Sauvegardes_journalieres/Test1_" + backupDate() + "_.bib")));
}

TEST(StartupScenario, AVersionPageWithoutVersionTextIsAFailedCheck)
{
    // Neither a page without "</p>" nor one without "version " (a host's or a proxy's notice)
    // may end the program.
    for (const QByteArray& page : {QByteArray("<html>maintenance</html>"), QByteArray("<p>Site en maintenance</p>")}) {
        ProgramFolder program;
        VersionHost host(page);
        firstStart(program, host.url());
        const DriverResult run = play(program, QStringLiteral("answer OK\nanswer OK\n"));
        EXPECT_EQ(run.lines, QStringList({questionLine(), messageLine(4), "screen: Panel13"})) << page.toStdString();
        EXPECT_FALSE(QFileInfo::exists(program.drive("Sauvegardes_journalieres/Test1_" + backupDate() + "_.bib")));
    }
}

// Without a database the window opened with every menu, the administrator's included, and no
// login. The program now names the file it could not open and ends before any window shows.
TEST(StartupScenario, AMissingOrUnreadableDatabaseEndsTheStartNamingTheFile)
{
    struct Case {
        const char* what;
        std::function<void(const ProgramFolder&)> spoil;
    };
    const Case cases[] = {
        {"missing", [](const ProgramFolder& p) { QFile::remove(p.folder("Test1.bib")); }},
        {"not a database", [](const ProgramFolder& p) { p.write("Test1.bib", QByteArray(4096, 'x')); }},
        {"a folder", [](const ProgramFolder& p) {
             QFile::remove(p.folder("Test1.bib"));
             QDir(p.folder()).mkdir("Test1.bib");
         }},
        // Databases, but not the program's: they showed "table inconnue : table1." and then every screen.
        {"a database without the books table", [](const ProgramFolder& p) {
             db::createDatabase(p.folder("Test1.bib"), QStringLiteral("CREATE TABLE Emprunteurs (NumEmprunteur INTEGER);"
                                                                      "CREATE TABLE Inventaire (NumLivre INTEGER);"
                                                                      "CREATE TABLE identification (NUMERO INTEGER);"));
         }},
        {"another program's database",
         [](const ProgramFolder& p) { db::createDatabase(p.folder("Test1.bib"), QStringLiteral("CREATE TABLE Clients (Nom TEXT);")); }},
    };
    for (const Case& c : cases) {
        ProgramFolder program;
        firstStart(program);
        c.spoil(program);
        const DriverResult run = play(program, QStringLiteral("answer OK\nanswer Cancel\nexpect-visible Panel13\n"));
        EXPECT_EQ(run.exitCode, 0) << c.what;
        EXPECT_EQ(run.lines, QStringList({"dialog: QvlZantor | Le fichier de la base de données est absent ou illisible :\\r" +
                                              program.folder("Test1.bib") + "\\rLe programme s'arrête. | OK",
                                          "exit"}))
            << c.what << "\n" << run.joined().toStdString();
    }
}
