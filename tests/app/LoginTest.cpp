// Teacher and administrator logins through the menu and the tool bar, the administrator checks,
// and the list files each login loads into the boxes.
#include "MainWindowFixture.h"
#include "DeliveredLanguage.h"

#include "app/ListFiles.h"
#include "app/Login.h"
#include "app/TipsForm.h"
#include "platform/files/FileError.h"
#include "platform/files/TextFileRecord.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Panel.h"

#include <QDir>
#include <QFile>
#include <optional>

namespace {

enum class Mode { None, Teacher, Administrator };

const char* modeName(Mode m)
{
    switch (m) {
    case Mode::None: return "none";
    case Mode::Teacher: return "teacher";
    case Mode::Administrator: return "administrator";
    }
    return "";
}

QByteArray passwordsFile(const QString& administrator, const QString& teacher)
{
    return text::encodeWindows1252(
        QStringLiteral("[Mots de passe]\r\nMDP_Administrateur=%1\r\nMDP_Enseignant=%2\r\n").arg(administrator, teacher));
}

// Test names from the cases' own names.
template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

// A password typed in the box, or Cancel.
ui::DialogAnswer passwordAnswer(const std::optional<QString>& password)
{
    return password ? ui::DialogAnswer::text(*password) : ui::DialogAnswer::cancel();
}

// The boxes the list files fill, on the screens that may not be built yet.
const char* const kListBoxes[] = {"DBComboBox6", "DBComboBox7", "DBComboBox8", "DBComboBox9", "DBComboBox10",
                                  "ComboBox6", "ComboBox11", "ComboBox12"};

}  // namespace

class LoginTest : public MainWindowTest {
protected:
    app::TFrmPrin& startWith(const QString& administrator, const QString& teacher)
    {
        program.write("Fichier.ini", passwordsFile(administrator, teacher));
        app::TFrmPrin& w = start();
        for (const char* name : kListBoxes)
            if (!w.find<ui::ComboBox>(name))
                w.create<ui::DBComboBox>(name);
        app::bindListFiles(w);
        w.handlers.bind("OpenBookScreen", [this] { events << "OpenBookScreen"; });
        dialogs.onShown = [this](const ui::DialogRecord& r) {
            events << r.text;
            if (r.kind == ui::DialogRecord::Kind::Input)
                pointerAtPrompt = application.input().cursorPos();
        };
        dialogs.clearLog();
        return w;
    }

    // Chooses the menu entry and answers the password box (nullopt: Cancel); a login that lets
    // the user in ends with the tips window, closed with "Terminer".
    void login(const std::optional<QString>& password, bool letsIn, const QString& menu = "Fichier > Administrateur")
    {
        dialogs.answer(passwordAnswer(password));
        if (letsIn)
            dialogs.answer("Terminer");
        input.menu(menu);
        EXPECT_EQ(dialogs.pendingAnswers(), 0u);
    }

    Mode mode()
    {
        const bool books = frm().get<ui::MenuItem>("Livres").visible();
        const bool tools = frm().get<ui::MenuItem>("Outils").visible();
        // Before the first login the entry stays inside its hidden menu.
        if (books) {
            EXPECT_EQ(frm().get<ui::MenuItem>("ImporterBaselve1").visible(), tools);
        }
        for (const char* menu : {"AutreSupport", "Inventaire", "Emprunteurs"})
            EXPECT_EQ(frm().get<ui::MenuItem>(menu).visible(), books) << menu;
        return !books ? Mode::None : tools ? Mode::Administrator : Mode::Teacher;
    }

    QStringList items(const char* box) { return frm().get<ui::ComboBox>(box).items(); }

    QStringList events;
    QPoint pointerAtPrompt;
};

struct LoginCase {
    const char* name;
    const char* administrator;
    const char* teacher;
    std::optional<QString> answer;  // nullopt: Cancel
    Mode expected;
};

void PrintTo(const LoginCase& c, std::ostream* os) { *os << c.name; }

class LoginModes : public LoginTest, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginModes, PasswordTypedDecidesTheMode)
{
    const LoginCase& c = GetParam();
    app::TFrmPrin& w = startWith(c.administrator, c.teacher);
    login(c.answer, c.expected != Mode::None);
    EXPECT_EQ(mode(), c.expected) << "expected " << modeName(c.expected);
    EXPECT_EQ(app::AdministratorTest(w), c.expected == Mode::Administrator);
    if (c.expected == Mode::None) {
        // Ignored without a word: the home screen stays, nothing is loaded or opened.
        EXPECT_EQ(dialogs.log().size(), 1u);
        EXPECT_TRUE(w.get<ui::Panel>("Panel13").showing());
        EXPECT_EQ(w.get<ui::Panel>("Panel13").top(), 54);
        EXPECT_TRUE(w.get<ui::Control>("ToolButton8").visible());
        EXPECT_FALSE(w.get<ui::Control>("ToolButton4").visible());
        EXPECT_TRUE(items("DBComboBox7").isEmpty());
        EXPECT_FALSE(events.contains("OpenBookScreen"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, LoginModes,
    ::testing::Values(
        // A new installation: no password at all lets an empty answer or Cancel in as administrator.
        LoginCase{"NoPasswordsCancel", "", "", std::nullopt, Mode::Administrator},
        LoginCase{"NoPasswordsEmpty", "", "", QString(), Mode::Administrator},
        LoginCase{"NoPasswordsTyped", "", "", "x", Mode::None},
        LoginCase{"Teacher", "adm", "ens", "ens", Mode::Teacher},
        LoginCase{"Administrator", "adm", "ens", "adm", Mode::Administrator},
        LoginCase{"OtherCase", "adm", "ens", "ADM", Mode::None},
        LoginCase{"LeadingBlank", "adm", "ens", " adm", Mode::None},
        LoginCase{"TeacherOtherCase", "adm", "ens", "Ens", Mode::None},
        LoginCase{"Empty", "adm", "ens", QString(), Mode::None},
        LoginCase{"Cancel", "adm", "ens", std::nullopt, Mode::None},
        // Only the teacher's password set: the empty administrator password still matches.
        LoginCase{"OnlyTeacherSetEmpty", "", "ens", QString(), Mode::Administrator},
        LoginCase{"OnlyTeacherSetTeacher", "", "ens", "ens", Mode::Teacher},
        LoginCase{"EqualPasswords", "pareil", "pareil", "pareil", Mode::Administrator},
        LoginCase{"Accented", "d\u00e9j\u00e0", "ens", "d\u00e9j\u00e0", Mode::Administrator}),
    caseName<LoginCase>);

TEST_F(LoginTest, TeacherLoginShowsTheTeacherScreenAndEndsWithTheTips)
{
    app::TFrmPrin& w = startWith("adm", "ens");
    application.setScreenSize(QSize(1365, 767));
    login(QStringLiteral("ens"), true, "Fichier > Enseignant");

    ASSERT_EQ(dialogs.log().size(), 2u);
    const ui::DialogRecord& box = dialogs.log()[0];
    EXPECT_EQ(box.kind, ui::DialogRecord::Kind::Input);
    EXPECT_EQ(box.caption, deliveredFrench().dialog(33));
    EXPECT_EQ(box.text, deliveredFrench().dialog(34));
    // Halves of 682.5 and 383.5 go to the even neighbour.
    EXPECT_EQ(pointerAtPrompt, QPoint(682 - 20, 384 + 30));

    // The book screen opens before the tips, which end the login.
    EXPECT_EQ(events.mid(1), QStringList({"OpenBookScreen", "Form2"}));
    EXPECT_EQ(dialogs.log()[1].kind, ui::DialogRecord::Kind::Form);
    EXPECT_FALSE(entry->tipsForm().visible());

    EXPECT_EQ(mode(), Mode::Teacher);
    for (const char* shown : {"ToolButton4", "ToolButton5", "ToolButton6", "ToolButton7"})
        EXPECT_TRUE(w.get<ui::Control>(shown).visible()) << shown;
    for (const char* hidden : {"ToolButton8", "Panel13", "Panel14", "Panel15", "Recherche", "Identification", "Liste"})
        EXPECT_FALSE(w.get<ui::Control>(hidden).visible()) << hidden;
    EXPECT_EQ(w.get<ui::Panel>("Panel13").top(), 44);
}

TEST_F(LoginTest, ScreensShowingSlideAwayStepByStep)
{
    program.write("Fichier.ini", passwordsFile("", "") + "[Animation]\r\nAnimConfig=TRUE\r\n");
    app::TFrmPrin& w = start();
    w.handlers.bind("OpenBookScreen", [this] { events << QString::number(clock.milliseconds()); });
    w.get<ui::Panel>("Panel14").show();
    const qint64 before = clock.milliseconds();
    login(QString(), true);
    // 61 steps of 14 pixels from 44 for each of the two screens shown, a millisecond each.
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].toLongLong() - before, 2 * 61);
    EXPECT_EQ(w.get<ui::Panel>("Panel14").top(), 44 - 61 * 14);
    EXPECT_FALSE(w.get<ui::Panel>("Panel14").visible());
    EXPECT_EQ(w.get<ui::Panel>("Panel15").top(), 39);  // hidden, never slid
    EXPECT_EQ(w.get<ui::Panel>("Panel13").top(), 44);
}

TEST_F(LoginTest, SlidesDoNotWaitWithoutAnimation)
{
    app::TFrmPrin& w = startWith("", "");
    const qint64 before = clock.milliseconds();
    login(QString(), true);
    EXPECT_EQ(clock.milliseconds(), before);
    EXPECT_FALSE(w.get<ui::Panel>("Panel13").visible());
}

TEST_F(LoginTest, ToolBarButtonLogsInAndTeacherAfterAdministratorHidesTheToolsAgain)
{
    app::TFrmPrin& w = startWith("adm", "ens");
    dialogs.answer(ui::DialogAnswer::text("adm"));
    dialogs.answer("Terminer");
    input.click("ToolButton8");
    EXPECT_EQ(mode(), Mode::Administrator);
    EXPECT_FALSE(w.get<ui::Control>("ToolButton8").visible());

    login(QStringLiteral("ens"), true, "Fichier > Enseignant");
    EXPECT_EQ(mode(), Mode::Teacher);
    // A wrong password afterwards leaves the mode as it was.
    login(QStringLiteral("x"), false);
    EXPECT_EQ(mode(), Mode::Teacher);
    login(QStringLiteral("adm"), true);
    EXPECT_EQ(mode(), Mode::Administrator);
}

TEST_F(LoginTest, AdministratorTestFollowsTheToolsMenu)
{
    app::TFrmPrin& w = startWith("adm", "ens");
    dialogs.answer("OK");
    EXPECT_FALSE(app::requireAdministrator(w));
    ASSERT_EQ(dialogs.log().size(), 1u);
    EXPECT_EQ(dialogs.log()[0].text, app::NotAdministratorMessage);
    EXPECT_EQ(dialogs.log()[0].text, QString::fromUtf8("Vous devez être administrateur pour cette manip !"));

    login(QStringLiteral("ens"), true);
    dialogs.answer("OK");
    EXPECT_FALSE(app::requireAdministrator(w));

    login(QStringLiteral("adm"), true);
    dialogs.clearLog();
    EXPECT_TRUE(app::requireAdministrator(w));
    EXPECT_TRUE(dialogs.log().empty());
}

struct ReaskCase {
    const char* name;
    const char* administrator;
    std::optional<QString> answer;  // nullopt: Cancel
    bool passes;
};

void PrintTo(const ReaskCase& c, std::ostream* os) { *os << c.name; }

class AdministratorReask : public LoginTest, public ::testing::WithParamInterface<ReaskCase> {};

TEST_P(AdministratorReask, OnlyTheAdministratorPasswordPasses)
{
    const ReaskCase& c = GetParam();
    app::TFrmPrin& w = startWith(c.administrator, "ens");
    dialogs.answer(passwordAnswer(c.answer));
    EXPECT_EQ(app::AdministratorPasswordReask(w), c.passes);
    ASSERT_EQ(dialogs.log().size(), 1u);  // never a message of its own
    EXPECT_EQ(dialogs.log()[0].caption, deliveredFrench().dialog(33));
    EXPECT_EQ(dialogs.log()[0].text, deliveredFrench().dialog(34));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AdministratorReask,
    ::testing::Values(ReaskCase{"Right", "adm", "adm", true}, ReaskCase{"OtherCase", "adm", "ADM", false},
                      ReaskCase{"TrailingBlank", "adm", "adm ", false}, ReaskCase{"TeachersPassword", "adm", "ens", false},
                      ReaskCase{"Empty", "adm", QString(), false}, ReaskCase{"Cancel", "adm", std::nullopt, false},
                      // Without an administrator password nothing passes.
                      ReaskCase{"NoPasswordEmpty", "", QString(), false},
                      ReaskCase{"NoPasswordCancel", "", std::nullopt, false},
                      ReaskCase{"NoPasswordTyped", "", "x", false}),
    caseName<ReaskCase>);

TEST_F(LoginTest, ReaskTakesTheCallersPrompt)
{
    app::TFrmPrin& w = startWith("adm", "ens");
    dialogs.answer(ui::DialogAnswer::text("adm"));
    EXPECT_TRUE(app::AdministratorPasswordReask(w, "Mot de passe pour vider la base :"));
    EXPECT_EQ(dialogs.log().at(0).caption, deliveredFrench().dialog(33));
    EXPECT_EQ(dialogs.log().at(0).text, "Mot de passe pour vider la base :");
}

TEST_F(LoginTest, DeliveredListsAndStoragePlacesFillTheirBoxes)
{
    program.write("Photo_Rangement/Bac_albums.jpg", "picture");
    program.write("Photo_Rangement/Armoire 2.jpg", "picture");
    QDir().mkpath(program.folder("Photo_Rangement/Anciennes photos"));
    app::TFrmPrin& w = startWith("", "");
    login(QString(), true);

    EXPECT_EQ(items("DBComboBox7").value(0), "LIVRE");
    EXPECT_TRUE(items("DBComboBox8").contains(QString::fromUtf8("Bande dessinée")));
    EXPECT_EQ(items("ComboBox12"), items("DBComboBox8"));
    EXPECT_EQ(items("DBComboBox9").mid(0, 3), QStringList({"Musique", "DVD", "Video"}));
    EXPECT_EQ(items("ComboBox6"), items("DBComboBox9"));
    for (const char* box : {"DBComboBox7", "DBComboBox8", "DBComboBox9"})
        EXPECT_FALSE(items(box).contains(QString())) << box;

    const QStringList places = {"Armoire 2.jpg", "Bac_albums.jpg", "No_place.jpg"};
    for (const char* box : {"DBComboBox6", "ComboBox11", "DBComboBox10"})
        EXPECT_EQ(items(box), places) << box;
    EXPECT_EQ(w.get<ui::ListBox>("ListBox2").items(), QStringList({".", "..", "Anciennes photos"}));
    EXPECT_FALSE(w.get<ui::ListBox>("ListBox2").visible());
}

TEST_F(LoginTest, EachLoginReloadsTheListsAsTheyNowStand)
{
    startWith("", "");
    login(QString(), true);
    ASSERT_GT(items("DBComboBox8").size(), 1);

    program.write("GENRE.txt", "");
    program.write("TYPE.txt", "LIVRE\r\nALBUM\r\n\r\n");
    QFile::remove(program.folder("Photo_Rangement/No_place.jpg"));
    login(QString(), true);
    EXPECT_EQ(items("DBComboBox8"), QStringList({""}));
    EXPECT_EQ(items("ComboBox12"), QStringList({""}));
    EXPECT_EQ(items("DBComboBox7"), QStringList({"LIVRE", "ALBUM", ""}));
    EXPECT_TRUE(items("DBComboBox6").isEmpty());
}

TEST_F(LoginTest, MissingListFileIsReportedAndTheLoginGoesOn)
{
    startWith("", "");
    login(QString(), true);
    ASSERT_FALSE(items("ComboBox12").isEmpty());

    QFile::remove(program.folder("GENRE.txt"));
    QDir(program.folder("Photo_Rangement")).removeRecursively();
    dialogs.clearLog();
    events.clear();
    dialogs.answer(ui::DialogAnswer::text(QString()));
    dialogs.answer("OK");
    dialogs.answer("Terminer");
    input.menu("Fichier > Administrateur");

    ASSERT_EQ(dialogs.log().size(), 3u);
    EXPECT_EQ(dialogs.log()[1].text,
              "Le fichier " + program.folder("GENRE.txt") + " est introuvable ou illisible : sa liste reste vide.");
    EXPECT_EQ(events.mid(2), QStringList({"OpenBookScreen", "Form2"}));
    EXPECT_EQ(mode(), Mode::Administrator);
    EXPECT_TRUE(items("DBComboBox8").isEmpty());
    EXPECT_TRUE(items("ComboBox12").isEmpty());
    EXPECT_FALSE(items("DBComboBox7").isEmpty());
    EXPECT_FALSE(items("ComboBox6").isEmpty());
    // A missing storage-place folder only leaves its boxes empty.
    EXPECT_TRUE(items("ComboBox11").isEmpty());
    EXPECT_TRUE(frm().get<ui::ListBox>("ListBox2").items().isEmpty());
}

struct ListFileCase {
    const char* name;
    QByteArray bytes;
    QStringList entries;
};

void PrintTo(const ListFileCase& c, std::ostream* os) { *os << c.name; }

class ListFileReading : public MainWindowTest, public ::testing::WithParamInterface<ListFileCase> {};

TEST_P(ListFileReading, EveryLineIsAnEntry)
{
    const ListFileCase& c = GetParam();
    program.write("GENRE.txt", c.bytes);
    files::TextFileRecord file;
    EXPECT_EQ(app::readListFile(file, "C:\\Qvlzantor\\GENRE.txt"), c.entries);
    EXPECT_FALSE(file.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ListFileReading,
    ::testing::Values(ListFileCase{"Empty", "", {""}}, ListFileCase{"FinalLineEnd", "Album\r\nRoman\r\n", {"Album", "Roman"}},
                      ListFileCase{"NoFinalLineEnd", "Album\r\nRoman", {"Album", "Roman"}},
                      ListFileCase{"TrailingEmptyLine", "Album\r\n\r\n", {"Album", ""}},
                      ListFileCase{"EmptyLineInside", "Album\r\n\r\nRoman\r\n", {"Album", "", "Roman"}},
                      ListFileCase{"OnlyALineEnd", "\r\n", {""}},
                      ListFileCase{"BlanksKept", " Conte \r\n", {" Conte "}},
                      ListFileCase{"Windows1252", "Bande dessin\xe9" "e\r\nTh\xe9\xe2tre\r\n",
                                   {QString::fromUtf8("Bande dessinée"), QString::fromUtf8("Théâtre")}}),
    caseName<ListFileCase>);

using ListFileReader = MainWindowTest;

TEST_F(ListFileReader, MissingFileIsAFileError)
{
    files::TextFileRecord file;
    EXPECT_THROW(app::readListFile(file, "C:\\Qvlzantor\\ABSENT.txt"), files::FileError);
    EXPECT_FALSE(file.isOpen());
}
