// Start-up of the main window step by step, in this process.
#include "MainWindowFixture.h"
#include "DeliveredLanguage.h"
#include "TestServers.h"

#include "app/LanguageFile.h"
#include "platform/db/Connection.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Panel.h"

#include <QFile>
#include <QFileInfo>

using MainWindowStartup = MainWindowTest;

TEST_F(MainWindowStartup, HomePanelSlidesInAndLoginMenusStayHidden)
{
    program.write("Fichier.ini", "[Animation]\r\nAnimConfig=TRUE\r\n");
    app::TFrmPrin& w = start();
    EXPECT_TRUE(w.settings.AnimationOn);
    const auto& home = w.get<ui::Panel>("Panel13");
    EXPECT_TRUE(home.showing());
    EXPECT_EQ(home.top(), 54);
    // 61 steps of at least a millisecond each.
    EXPECT_GE(clock.milliseconds(), 61);
    for (const char* menu : {"Livres", "AutreSupport", "Inventaire", "Emprunteurs", "Outils"})
        EXPECT_FALSE(w.get<ui::MenuItem>(menu).visible()) << menu;
    for (const char* menu : {"F1", "Emprunt1", "Aide1"})
        EXPECT_TRUE(w.get<ui::MenuItem>(menu).visible()) << menu;
    for (const char* hidden : {"Panel4", "Panel14", "Panel15", "Panel24", "ToolButton4", "ToolButton7"})
        EXPECT_FALSE(w.get<ui::Control>(hidden).visible()) << hidden;
    EXPECT_EQ(w.ProgramVersion, "version 5.05");
    EXPECT_EQ(w.BackupDateText, "08-12-2025");
    EXPECT_EQ(w.AppDir, "C:\\Qvlzantor\\");
    EXPECT_EQ(w.AppDrive, "C:\\");
}

TEST_F(MainWindowStartup, CapsLockIsSwitchedOff)
{
    application.input().keyDown(ui::vk::Capital);
    application.input().keyUp(ui::vk::Capital);
    ASSERT_TRUE(application.input().capsLock());
    start();
    EXPECT_FALSE(application.input().capsLock());
}

TEST_F(MainWindowStartup, CoverNamesFollowTheCodeButTitleNamedCoversStay)
{
    struct Row { const char* isbn13; const char* isbn10; const char* images; const char* expected; };
    const Row rows[] = {
        {"9782070612758", "2070612759", "9782070612758.JPG", "9782070612758.jpg"},  // case of the extension
        {"9782070612758", "2070612759", "", "9782070612758.jpg"},
        {"9782070612758", "2070612759", "9782070612758.jpg", "9782070612758.jpg"},
        {"3791234567897", "*00012*", "3791234567897.jpg", "3791234567897_00012.jpg"},  // press code
        {"3781234567890", "*7*", "", "3781234567890_7.jpg"},
        {"00042", "", "Le_Petit_Prince.jpg", "Le_Petit_Prince.jpg"},  // named after its title
        {"", "", "Sans_code.jpg", "Sans_code.jpg"},
    };
    {
        files::setProgramFolder(program.folder());
        db::Connection c(app::buildConnectionString(files::appDir()), [](const QString& p) { return files::nativePath(p); });
        for (const Row& r : rows)
            c.execute(QStringLiteral("Insert into Table1 (Titre, Isbn13, Isbn10, Images) Values ('t', ?, ?, ?)"),
                      {r.isbn13, r.isbn10, r.images});
    }
    app::TFrmPrin& w = start();
    db::Query q(w.db.ADOConnection1);
    q.addSql("Select * From table1 Order By numlivre");
    q.open();
    for (const Row& r : rows) {
        EXPECT_EQ(q.fieldByName("Images").asString(), QString(r.expected)) << r.isbn13 << " " << r.images;
        q.next();
    }
    EXPECT_EQ(w.LastNumLivre, 7);
    EXPECT_TRUE(program.exists("Sauvegardes_journalieres/Test1_08-12-2025_entree.bib"));
}

TEST_F(MainWindowStartup, MissingThesaurusStopsStartUpWithTheFileError)
{
    QFile::remove(program.folder("Thesaurus.txt"));
    app::TFrmPrin& w = start({});
    ASSERT_EQ(dialogs.errors().size(), 1);
    EXPECT_TRUE(dialogs.errors().first().contains("Thesaurus.txt")) << dialogs.errors().first().toStdString();
    // Neither the slide nor the question ran.
    EXPECT_FALSE(w.get<ui::Panel>("Panel13").visible());
    EXPECT_EQ(dialogs.log().size(), 1u);
}

TEST_F(MainWindowStartup, ThesaurusFillsTheTable)
{
    app::TFrmPrin& w = start();
    ASSERT_FALSE(w.ThesaurusTable.entries.isEmpty());
    EXPECT_EQ(w.ThesaurusTable.entries.last(), "ZZZZZ");
    for (const QString& e : w.ThesaurusTable.entries)
        EXPECT_LE(e.size(), 20);
}

// After the report the program ran with empty tables: the start-up question was an empty box.
TEST_F(MainWindowStartup, AMissingLanguageFileIsReportedAndStartUpGoesOnInFrench)
{
    program.write("Fichier.ini", "[Language]\r\nLanguage=klingon.txt\r\n");
    app::TFrmPrin& w = start({"OK", "Cancel"});
    ASSERT_GE(dialogs.log().size(), 2u);
    EXPECT_EQ(dialogs.log()[0].text, "Le fichier de langue " + program.folder("Languages/klingon.txt") +
                                         " est introuvable ou illisible.");
    EXPECT_EQ(w.get<ui::MenuItem>("Emprunt1").caption(), deliveredFrench().menuCaption(7));
    EXPECT_EQ(dialogs.log()[1].text, deliveredFrench().dialog(1));
    EXPECT_EQ(dialogs.log()[1].buttons, QStringList({"OK", "Cancel"}));
    EXPECT_TRUE(w.get<ui::Panel>("Panel13").showing());
}

TEST_F(MainWindowStartup, LanguageFileGivesMenuCaptionsAndTables)
{
    program.write("Fichier.ini", "[Language]\r\nLanguage=francais.txt\r\n");
    app::TFrmPrin& w = start();
    EXPECT_EQ(w.get<ui::MenuItem>("Emprunt1").caption(), deliveredFrench().menuCaption(7));
    EXPECT_EQ(w.get<ui::Control>("ToolButton9").hint(), deliveredFrench().caption(104));
    EXPECT_EQ(dialogs.log().front().text, deliveredFrench().dialog(1));
    EXPECT_EQ(dialogs.log().front().caption, deliveredFrench().dialog(2));
}

TEST_F(MainWindowStartup, SmallScreenIsWarnedAbout)
{
    program.write("Fichier.ini", "[Language]\r\nLanguage=francais.txt\r\n");
    application.setScreenSize(QSize(1280, 720));
    start({"OK", "Cancel"});
    EXPECT_EQ(dialogTexts().value(0),
              deliveredFrench().message(231) + "1280" + deliveredFrench().message(232) + "720" + deliveredFrench().message(233));
}

TEST_F(MainWindowStartup, CoverPlaceholders)
{
    // A wrong-sized placeholder is replaced; a read-only one is left alone (checked separately).
    program.write("livres/Jaquettes/No_picture.jpg", "too small");
    program.write("livres/Jaquettes/.jpg", "cover without a name");
    start();
    EXPECT_EQ(program.read("livres/Jaquettes/No_picture.jpg"), program.read("Reserve/No_picture.jpg"));
    EXPECT_FALSE(program.exists("Qvlzantor/livres/Jaquettes/.jpg"));
    EXPECT_EQ(program.read("Reserve/No_picture.jpg").size(), 2795);
}

TEST_F(MainWindowStartup, FtpTestKeepsOrSwitchesOffTheNetworkFeatures)
{
    QTemporaryDir home;
    ScriptServer server{QStringLiteral("ftp_server.py"), {home.path(), "qvl", "secret"}};
    struct Case { const char* password; bool kept; };
    for (const Case c : {Case{"secret", true}, Case{"wrong", false}}) {
        program.write("Fichier.ini", QStringLiteral("[Hebergeur]\r\nHoteFTP=127.0.0.1\r\nPortFTP=%1\r\nUtilisateurFTP=qvl\r\n"
                                                    "MotDePasseFTP=%2\r\n[ftpbool]\r\nftpbool=1\r\n")
                                         .arg(server.port())
                                         .arg(c.password)
                                         .toUtf8());
        app::TFrmPrin& w = start();
        EXPECT_EQ(w.settings.Qvlbool, c.kept) << c.password;
        EXPECT_EQ(w.settings.ftpbool, c.kept) << c.password;
        EXPECT_FALSE(w.IdFTP1.isConnected());
        entry.reset();
    }
}

TEST_F(MainWindowStartup, EndingTheProgramEndsOnlyItsOwnProcess)
{
    app::TFrmPrin& w = start();
    EXPECT_FALSE(w.KillProcessByName("explorer.exe"));
    EXPECT_FALSE(shell.processEnded());
    EXPECT_TRUE(w.KillProcessByName("QVL_EZANTOR.EXE"));
    EXPECT_TRUE(shell.processEnded());
}
