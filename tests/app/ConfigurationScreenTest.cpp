// "Configuration": passwords checked before anything is written, flags taking effect at once,
// the settings written for the next start, and the list files opened in the desktop's editor.
#include "SetupScreensFixture.h"

#include "app/ConfigurationLayout.h"
#include "app/SettingsFile.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"

#include <QFileInfo>

namespace {

class ConfigurationScreenTest : public SetupScreensTest {
protected:
    ui::CheckBox& box(const char* name) { return frm().get<ui::CheckBox>(QString::fromLatin1(name)); }
    void open() { input.menu(QStringLiteral("Outils > Configuration")); }
    void passwords(const QString& admin, const QString& adminAgain, const QString& teacher, const QString& teacherAgain)
    {
        retype("Edit65", admin);
        retype("Edit66", adminAgain);
        retype("Edit68", teacher);
        retype("Edit69", teacherAgain);
    }
};

}  // namespace

TEST_F(ConfigurationScreenTest, OpeningFillsThePasswordsAndTheLabelSheet)
{
    program.write("Fichier.ini", "[Mots de passe]\r\nMDP_Administrateur=adm\r\nMDP_Enseignant=ens\r\n"
                                 "[Editeur code barres]\r\nNbreColCB=3\r\nEspaceInterCol=5\r\nEspaceInterLigne=7\r\n"
                                 "[Acc\xE8s Internet IE]\r\nAccesIE=1\r\n");
    start({"Cancel"},
          {[](app::TFrmPrin& f) { f.addPart<app::ConfigurationScreen>(f, app::buildConfigurationControls(f)); }});
    dialogs.answer(QStringLiteral("adm"));
    dialogs.answer(QStringLiteral("Terminer"));
    input.menu(QStringLiteral("Fichier > Administrateur"));
    open();
    EXPECT_TRUE(control("Panel16").visible());
    EXPECT_EQ(control("Panel16").bounds(), QRect(102, 35, 861, 753));
    const std::pair<const char*, const char*> fields[] = {{"Edit65", "adm"}, {"Edit66", "adm"}, {"Edit68", "ens"},
                                                          {"Edit69", "ens"}, {"Edit79", "3"},   {"Edit80", "5"},
                                                          {"Edit81", "7"},   {"Edit82", "clGreen"}, {"ComboBox9", "7 jours"}};
    for (const auto& [name, value] : fields)
        EXPECT_EQ(edit(name).text(), value) << name;
    EXPECT_TRUE(box("CheckBox30").checked());
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("ComboBox9")).items().size(), 16);
}

TEST_F(ConfigurationScreenTest, OkOnANewInstallationSavesNothingButTheFlagsFollowTheBoxes)
{
    startAsAdministrator();
    open();
    const QByteArray before = settingsBytes();
    ASSERT_TRUE(frm().settings.Amazonbool);
    input.click(box("CheckBox18"));  // Amazon off
    dialogs.clearLog();
    dialogs.answer("OK");
    input.click(control("Button63"));
    EXPECT_EQ(dialogTexts(), QStringList({frm().tables.message(66)}));
    EXPECT_EQ(settingsBytes(), before);
    EXPECT_FALSE(frm().settings.Amazonbool);
    EXPECT_TRUE(control("Panel16").visible());
}

TEST_F(ConfigurationScreenTest, MismatchedOrEmptyPasswordsSaveNothing)
{
    startAsAdministrator();
    open();
    const QByteArray before = settingsBytes();
    struct Case {
        const char* admin;
        const char* adminAgain;
        const char* teacher;
        const char* teacherAgain;
        int message;                    // 0: none
        std::vector<const char*> empty;  // fields emptied
    };
    const Case cases[] = {
        {"adm", "amd", "ens", "ens", 65, {"Edit65", "Edit66"}},
        {"adm", "adm", "ens", "nes", 65, {"Edit68", "Edit69"}},
        {"adm", "adm", "", "", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.admin) + "/" + c.adminAgain + " " + c.teacher + "/" + c.teacherAgain);
        passwords(c.admin, c.adminAgain, c.teacher, c.teacherAgain);
        dialogs.clearLog();
        if (c.message)
            dialogs.answer("OK");
        input.click(control("Button63"));
        EXPECT_EQ(dialogTexts(), c.message ? QStringList{frm().tables.message(c.message)} : QStringList{});
        for (const char* name : c.empty)
            EXPECT_EQ(edit(name).text(), "") << name;
        EXPECT_EQ(settingsBytes(), before);
        EXPECT_TRUE(control("Panel16").visible());
    }
}

TEST_F(ConfigurationScreenTest, OkWritesTheSettingsReadAtTheNextStart)
{
    startAsAdministrator();
    open();
    passwords("adm", "adm", "ens", "ens");
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox9")), 2);
    retype("Edit122", QStringLiteral("ftp.ecole.test"));
    retype("Edit151", QStringLiteral("smtp.ecole.test"));
    input.click(box("CheckBox7"));   // animation on
    input.click(box("CheckBox20"));  // BookFinder off
    input.click(box("CheckBox36"));  // automatic validation on
    input.click(control("Button63"));

    EXPECT_FALSE(control("Panel16").visible());
    const QByteArray bytes = settingsBytes();
    for (const char* line : {"MDP_Administrateur=adm\r\n", "MDP_Enseignant=ens\r\n", "PretDefautTexte=14 jours\r\n",
                             "HoteFTP=ftp.ecole.test\r\n", "SMTPQVL=smtp.ecole.test\r\n", "[Animation]\r\nAnimConfig=TRUE\r\n",
                             "bookfinderbool=0\r\n", "Amazonbool=1\r\n", "CouleurBarre=clBlack\r\n"})
        EXPECT_TRUE(bytes.contains(line)) << line;
    // In memory: the flags at once; passwords, loan period and accounts at the next start.
    const app::Settings& now = frm().settings;
    EXPECT_TRUE(now.AnimationOn);
    EXPECT_FALSE(now.bookfinderbool);
    EXPECT_TRUE(now.ValideBool);
    EXPECT_EQ(now.MDP_Administrateur, "");
    EXPECT_EQ(now.PretDefautTexte, "");
    EXPECT_EQ(now.HoteFTP, "");

    const app::Settings next = app::SettingsFile().readAll(QString());
    EXPECT_EQ(next.MDP_Administrateur, "adm");
    EXPECT_EQ(next.MDP_Enseignant, "ens");
    EXPECT_EQ(next.PretDefautTexte, "14 jours");
    EXPECT_EQ(next.HoteFTP, "ftp.ecole.test");
    EXPECT_TRUE(next.AnimationOn);
    EXPECT_FALSE(next.bookfinderbool);
    EXPECT_FALSE(next.ValideBool);  // kept in memory only
}

TEST_F(ConfigurationScreenTest, AnimationPriceSiteAndSharingShowWhatIsStored)
{
    // Before, these three boxes stayed checked whatever the file said, and OK turned them back on.
    program.write("Fichier.ini", "[Animation]\r\nAnimConfig=FALSE\r\n[ChasseLivrebool]\r\nChasseLivrebool=0\r\n"
                                 "[ftpbool]\r\nftpbool=0\r\n");
    startAsAdministrator();
    EXPECT_FALSE(box("CheckBox7").checked());
    EXPECT_FALSE(box("CheckBox19").checked());
    EXPECT_FALSE(box("CheckBox31").checked());
    open();
    passwords("adm", "adm", "ens", "ens");
    input.click(control("Button63"));
    const QByteArray bytes = settingsBytes();
    EXPECT_TRUE(bytes.contains("[Animation]\r\nAnimConfig=FALSE\r\n"));
    EXPECT_TRUE(bytes.contains("ChasseLivrebool=0\r\n"));
    EXPECT_TRUE(bytes.contains("ftpbool=0\r\n"));
}

TEST_F(ConfigurationScreenTest, AListFileChosenOpensInTheTextEditorAndAnnulerHides)
{
    startAsAdministrator();
    open();
    auto& lists = frm().get<ui::ComboBox>(QStringLiteral("ComboBox17"));
    EXPECT_EQ(lists.items(), QStringList({"GENRE.TXT", "GENRE_AUTRE_SUPPORT.TXT", "TYPE.TXT", "TYPE_AUTRE_SUPPORT.TXT",
                                          "le_saviez_vous.txt", "Dewey_glossaire.csv", "Editeurs_mini3.csv",
                                          "Journal.csv"}));
    const QByteArray journal = program.read("Journal.csv");
    ASSERT_FALSE(journal.isEmpty());
    input.selectItem(lists, 0);
    input.selectItem(lists, 7);
    // A list that is not delivered is opened as a new empty file.
    ASSERT_FALSE(QFileInfo::exists(program.folder("le_saviez_vous.txt")));
    input.selectItem(lists, 4);
    EXPECT_EQ(shell.records().mid(shell.records().size() - 3),
              QStringList({"open: " + program.folder("GENRE.txt"), "open: " + program.folder("Journal.csv"),
                           "open: " + program.folder("le_saviez_vous.txt")}));
    EXPECT_EQ(program.read("le_saviez_vous.txt"), "");
    EXPECT_TRUE(QFileInfo(program.folder("le_saviez_vous.txt")).isFile());
    EXPECT_EQ(program.read("Journal.csv"), journal);
    input.click(control("Button62"));
    EXPECT_FALSE(control("Panel16").visible());
}
