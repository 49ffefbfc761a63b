#include "app/LanguageFile.h"
#include "app/SettingsFile.h"

#include "platform/files/ShownPath.h"
#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"
#include "tests/platform/files/ProgramFolderFixture.h"

using namespace app;

namespace {

QStringList menuLines()
{
    QStringList lines;
    for (int i = 1; i <= LanguageTables::MenuLineCount; ++i)
        lines << QStringLiteral("menu %1").arg(i);
    return lines;
}

QStringList numbered(const QString& prefix, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << prefix + QString::number(i);
    return lines;
}

}  // namespace

TEST(LanguageFileParse, EachTableFillsInOrderUpToItsMarker)
{
    const QStringList lines = menuLines() + QStringList{"m0", "m1", "XXXXXXXXXX"} + QStringList{"d1", "", "YYYYYYYYYY"}
                            + QStringList{"c0", "c1", "ZZZZZZZZZZ", "after the end"};
    const LanguageTables t = parseLanguageLines(lines);

    ASSERT_EQ(t.MenuCaptions.size(), 56);
    ASSERT_EQ(t.MessageTable.size(), 301);
    ASSERT_EQ(t.DialogTable.size(), 101);
    ASSERT_EQ(t.CaptionTable.size(), 301);
    EXPECT_EQ(t.menuCaption(1), "menu 1");
    EXPECT_EQ(t.menuCaption(56), "menu 56");
    EXPECT_EQ(t.message(0), "m0");
    EXPECT_EQ(t.message(2), "XXXXXXXXXX");  // the marker is stored as the last entry
    EXPECT_EQ(t.message(3), "");
    EXPECT_EQ(t.dialog(0), "");  // the dialog table starts at entry 1
    EXPECT_EQ(t.dialog(1), "d1");
    EXPECT_EQ(t.dialog(2), "");
    EXPECT_EQ(t.dialog(3), "YYYYYYYYYY");
    EXPECT_EQ(t.caption(1), "c1");
    EXPECT_EQ(t.caption(2), "ZZZZZZZZZZ");
    EXPECT_EQ(t.caption(3), "");
    // Outside the tables: empty, never an error.
    EXPECT_EQ(t.menuCaption(0), "");
    EXPECT_EQ(t.menuCaption(57), "");
    EXPECT_EQ(t.message(-1), "");
    EXPECT_EQ(t.message(301), "");
    EXPECT_EQ(t.dialog(101), "");
}

TEST(LanguageFileParse, MarkersInsideLinesAndTheExactCaptionEnd)
{
    const QStringList lines = menuLines() + QStringList{"m0", "fin XXXXXXXXXX fin", "d1", "--YYYYYYYYYY--", "c0",
                                                        "ZZZZZZZZZZ ", "zzzzzzzzzz", "c3"};
    const LanguageTables t = parseLanguageLines(lines);
    EXPECT_EQ(t.message(1), "fin XXXXXXXXXX fin");
    EXPECT_EQ(t.dialog(1), "d1");
    EXPECT_EQ(t.dialog(2), "--YYYYYYYYYY--");
    // Only a line equal to the marker ends the caption table: here the file does.
    EXPECT_EQ(t.caption(1), "ZZZZZZZZZZ ");
    EXPECT_EQ(t.caption(2), "zzzzzzzzzz");
    EXPECT_EQ(t.caption(3), "c3");
}

TEST(LanguageFileParse, ShortFilesStopAtTheirEnd)
{
    // Inside the menu lines.
    LanguageTables t = parseLanguageLines({"Fichier", "Administrateur"});
    EXPECT_EQ(t.menuCaption(2), "Administrateur");
    EXPECT_EQ(t.menuCaption(3), "");
    EXPECT_EQ(t.message(0), "");

    // Without any marker the message table takes every line; the other tables stay empty.
    t = parseLanguageLines(menuLines() + numbered("m", 5));
    EXPECT_EQ(t.message(4), "m4");
    EXPECT_EQ(t.dialog(1), "");
    EXPECT_EQ(t.caption(0), "");

    // Without the dialog marker.
    t = parseLanguageLines(menuLines() + QStringList{"XXXXXXXXXX", "d1", "d2"});
    EXPECT_EQ(t.dialog(2), "d2");
    EXPECT_EQ(t.caption(0), "");

    EXPECT_EQ(parseLanguageLines({}).CaptionTable.size(), 301);
}

TEST(LanguageFileParse, OverlongTablesDropTheirSurplusAndKeepTheNextTablesInPlace)
{
    const QStringList lines = menuLines() + numbered("m", 400) + QStringList{"XXXXXXXXXX"} + numbered("d", 150)
                            + QStringList{"YYYYYYYYYY"} + numbered("c", 500);
    const LanguageTables t = parseLanguageLines(lines);
    EXPECT_EQ(t.MessageTable.size(), 301);
    EXPECT_EQ(t.message(300), "m300");
    EXPECT_EQ(t.DialogTable.size(), 101);
    EXPECT_EQ(t.dialog(1), "d0");
    EXPECT_EQ(t.dialog(100), "d99");
    EXPECT_EQ(t.CaptionTable.size(), 301);
    EXPECT_EQ(t.caption(0), "c0");
    EXPECT_EQ(t.caption(300), "c300");
}

class LanguageLoadTest : public ProgramFolderTest {
protected:
    void writeLanguageFile(const QString& name, const QStringList& lines)
    {
        makeFile("Qvlzantor/Languages/" + name, text::encodeWindows1252(text::joinLines(lines)));
    }
};

TEST_F(LanguageLoadTest, WithoutSettingsFileOnlyTheDefaultLanguageIsRead)
{
    // Another language file is never taken for the default one.
    writeLanguageFile("english.txt", menuLines());
    SettingsFile settings;
    QString languageText;
    LanguageTables tables;
    LanguageLoad load = loadLanguage(settings, languageText, tables);
    EXPECT_EQ(load.status, LanguageLoad::Status::NoSettingsFile);
    EXPECT_EQ(tables.menuCaption(1), "");

    // A first start reads "francais.txt", the name the new settings file will hold, and
    // writes no settings file of its own.
    writeLanguageFile("francais.txt", menuLines() + QStringList{"Caf\u00e9 ferm\u00e9", "XXXXXXXXXX"});
    load = loadLanguage(settings, languageText, tables);
    EXPECT_EQ(load.status, LanguageLoad::Status::Loaded);
    EXPECT_EQ(load.path, "C:\\Qvlzantor\\Languages/francais.txt");
    EXPECT_EQ(languageText, "francais.txt");
    EXPECT_EQ(tables.menuCaption(1), "menu 1");
    EXPECT_EQ(tables.message(0), "Caf\u00e9 ferm\u00e9");
    EXPECT_FALSE(settings.exists());
}

TEST_F(LanguageLoadTest, ReadsTheFileTheSettingsName)
{
    makeFile("Qvlzantor/Fichier.ini", "[Language]\r\nLanguage=english.txt\r\n");
    writeLanguageFile("english.txt", menuLines() + QStringList{"Caf\u00e9 closed", "XXXXXXXXXX"});
    SettingsFile settings;
    QString languageText;
    LanguageTables tables;
    const LanguageLoad load = loadLanguage(settings, languageText, tables);
    EXPECT_EQ(load.status, LanguageLoad::Status::Loaded);
    EXPECT_EQ(load.path, "C:\\Qvlzantor\\Languages/english.txt");
    EXPECT_EQ(languageText, "english.txt");
    EXPECT_EQ(tables.message(0), "Caf\u00e9 closed");  // Windows-1252 decoded
}

TEST_F(LanguageLoadTest, EmptyNameBecomesFrancaisInMemoryAndFile)
{
    makeFile("Qvlzantor/Fichier.ini", "[Mots de passe]\r\nMDP_Enseignant=\r\n");
    writeLanguageFile("francais.txt", menuLines());
    SettingsFile settings;
    QString languageText;
    LanguageTables tables;
    EXPECT_EQ(loadLanguage(settings, languageText, tables).status, LanguageLoad::Status::Loaded);
    EXPECT_EQ(languageText, "francais.txt");
    EXPECT_EQ(fileContent("Qvlzantor/Fichier.ini"),
              "[Mots de passe]\r\nMDP_Enseignant=\r\n[language]\r\nlanguage=francais.txt\r\n");
    EXPECT_EQ(tables.menuCaption(56), "menu 56");
}

TEST_F(LanguageLoadTest, MissingOrUnsafeFileIsReportedAndTablesStayEmpty)
{
    for (const char* name : {"absent.txt", "../../../etc/passwd"}) {
        makeFile("Qvlzantor/Fichier.ini", QByteArray("[Language]\r\nLanguage=") + name + "\r\n");
        SettingsFile settings;
        QString languageText;
        LanguageTables tables;
        const LanguageLoad load = loadLanguage(settings, languageText, tables);
        EXPECT_EQ(load.status, LanguageLoad::Status::FileNotRead) << name;
        EXPECT_TRUE(load.errorText().contains(files::shownPath(load.path))) << name;
        EXPECT_EQ(languageText, name);
        EXPECT_EQ(tables.menuCaption(1), "");
        EXPECT_EQ(tables.caption(0), "");
    }
}

// The report named "C:\Qvlzantor\Languages/absent.txt", then the program ran with empty tables:
// the start-up question and the password box were empty boxes.
TEST_F(LanguageLoadTest, AMissingFileIsReportedByItsNativePathAndTheFrenchFileStandsIn)
{
    writeLanguageFile("francais.txt", menuLines() + QStringList{"Bonjour", "XXXXXXXXXX"});
    for (const char* name : {"absent.txt", "../../../etc/passwd"}) {
        makeFile("Qvlzantor/Fichier.ini", QByteArray("[Language]\r\nLanguage=") + name + "\r\n");
        SettingsFile settings;
        QString languageText;
        LanguageTables tables;
        const LanguageLoad load = loadLanguage(settings, languageText, tables);
        EXPECT_EQ(load.status, LanguageLoad::Status::DefaultInstead) << name;
        EXPECT_EQ(languageText, name);
        EXPECT_EQ(tables.message(0), "Bonjour") << name;
        // The settings keep the name chosen.
        EXPECT_EQ(settings.readLanguage(QString()), name);
    }
    const LanguageLoad load = [this] {
        makeFile("Qvlzantor/Fichier.ini", "[Language]\r\nLanguage=absent.txt\r\n");
        SettingsFile settings;
        QString languageText;
        LanguageTables tables;
        return loadLanguage(settings, languageText, tables);
    }();
    EXPECT_EQ(load.errorText(), "Le fichier de langue " + drive("Qvlzantor/Languages/absent.txt") +
                                    " est introuvable ou illisible.");
}
