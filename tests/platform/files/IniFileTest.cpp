#include "platform/files/IniFile.h"

#include "ProgramFolderFixture.h"

#include <fcntl.h>
#include <sys/stat.h>

using namespace files;

namespace {

// Writes over the file's bytes without replacing the file, as an editor saving in place does.
void overwriteInPlace(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.write(bytes);
    f.resize(bytes.size());
}

void setModifiedTime(const QString& path, const timespec& when)
{
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

}  // namespace

using IniFileTest = ProgramFolderTest;

TEST_F(IniFileTest, ReadingFollowsProfileRules)
{
    makeFile("Qvlzantor/Fichier.ini",
             "garbage line\r\n[Mots de passe]\r\nMDP_Administrateur=\r\n"
             "[Editeur code barres]\r\n NbreColCB = 0x1F \r\nEspaceInterCol=abc\r\nEspaceInterLigne=-3\r\n"
             "[Amazonbool]\r\nAmazonbool=true\r\n[QVLBOOL]\r\nQvlBool=0\r\n[x]\r\nq=\"quoted\"\r\n; comment=1\r\n");
    IniFile ini("C:\\Qvlzantor\\fichier.ini");
    EXPECT_TRUE(ini.exists());
    EXPECT_EQ(ini.readString("Mots de passe", "MDP_Administrateur", "dflt"), "");
    EXPECT_EQ(ini.readString("Mots de passe", "MDP_Enseignant", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("Absent", "x", "dflt"), "dflt");
    EXPECT_EQ(ini.readInteger("editeur code barres", "nbrecolcb", 7), 31);
    EXPECT_EQ(ini.readInteger("Editeur code barres", "EspaceInterCol", 7), 7);
    EXPECT_EQ(ini.readInteger("Editeur code barres", "EspaceInterLigne", 7), -3);
    EXPECT_FALSE(ini.readBool("Amazonbool", "Amazonbool", false));  // a word gives the default
    EXPECT_TRUE(ini.readBool("Amazonbool", "Amazonbool", true));
    EXPECT_FALSE(ini.readBool("qvlbool", "Qvlbool", true));
    EXPECT_EQ(ini.readString("x", "q", ""), "quoted");
    EXPECT_FALSE(ini.valueExists("x", "; comment"));
}

TEST_F(IniFileTest, WritesUpdateInPlaceOrAppend)
{
    makeFile("Qvlzantor/Fichier.ini", "[ChasseLivrebool]\r\nChasseLivrebool=true\r\n\r\n[language]\r\nlanguage=x.txt\r\n");
    IniFile ini("C:\\Qvlzantor\\Fichier.ini");
    ASSERT_TRUE(ini.writeBool("ChasseLivreBool", "ChasseLivreBool", true));
    ASSERT_TRUE(ini.writeString("ChasseLivrebool", "Nouvelle", "a"));
    ASSERT_TRUE(ini.writeString("Language", "Language", "francais.txt"));
    ASSERT_TRUE(ini.writeInteger("Editeur code barres", "NbreColCB", 4));
    EXPECT_EQ(fileContent("Qvlzantor/Fichier.ini"),
              "[ChasseLivrebool]\r\nChasseLivrebool=1\r\nNouvelle=a\r\n\r\n[language]\r\nlanguage=francais.txt\r\n"
              "[Editeur code barres]\r\nNbreColCB=4\r\n");
}

TEST_F(IniFileTest, NewFileAndAccentedSectionsRoundTrip)
{
    IniFile ini("C:\\Qvlzantor\\Fichier.ini");
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.readString("Prêt", "PretDefautTexte", "d"), "d");
    ASSERT_TRUE(ini.writeString("Prêt", "PretDefautTexte", "7 jours"));
    ASSERT_TRUE(ini.writeString("Accès Internet IE", "AccesIE", "False"));
    EXPECT_EQ(fileContent("Qvlzantor/Fichier.ini"),
              "[Pr\xEAt]\r\nPretDefautTexte=7 jours\r\n[Acc\xE8s Internet IE]\r\nAccesIE=False\r\n");
    EXPECT_EQ(ini.readString("PRêT", "pretdefauttexte", ""), "7 jours");
    EXPECT_EQ(ini.readString("Accès Internet IE", "AccesIE", ""), "False");
    EXPECT_TRUE(ini.sectionExists("accès internet ie"));
}

TEST_F(IniFileTest, FirstOfTwoMatchingSectionsOrKeysWins)
{
    makeFile("Qvlzantor/f.ini", "[a]\r\nk=1\r\nK=2\r\n[A]\r\nk=3\r\n");
    IniFile ini("C:\\Qvlzantor\\f.ini");
    EXPECT_EQ(ini.readInteger("a", "k", 0), 1);
    ASSERT_TRUE(ini.writeInteger("A", "K", 9));
    EXPECT_EQ(fileContent("Qvlzantor/f.ini"), "[a]\r\nk=9\r\nK=2\r\n[A]\r\nk=3\r\n");
}

// Another program's change shows at the next read, however soon it follows the last one and
// whatever it keeps of the file: size, time, or the file itself.
TEST_F(IniFileTest, EveryReadSeesTheFileAsItIsNow)
{
    IniFile ini("C:\\Qvlzantor\\Fichier.ini");
    const QString path = drive("Qvlzantor/Fichier.ini");
    makeFile("Qvlzantor/Fichier.ini", "[a]\r\nk=x\r\n");
    // In place and of the same size, mostly within one tick of the file system's clock.
    for (char digit = '0'; digit <= '9'; ++digit) {
        overwriteInPlace(path, QByteArray("[a]\r\nk=") + digit + "\r\n");
        EXPECT_EQ(ini.readString("a", "k", ""), QString(QChar(digit)));
    }
    // Replaced by another file, then removed.
    makeFile("Qvlzantor/Autre.ini", "[a]\r\nk=r\r\n");
    ASSERT_TRUE(QFile::remove(path) && QFile::rename(drive("Qvlzantor/Autre.ini"), path));
    EXPECT_EQ(ini.readString("a", "k", ""), "r");
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.readString("a", "k", "absent"), "absent");
    // Written by the program, then by another one.
    ASSERT_TRUE(ini.writeString("a", "k", "p"));
    EXPECT_EQ(ini.readString("a", "k", ""), "p");
    overwriteInPlace(path, "[a]\r\nk=q\r\n");
    EXPECT_EQ(ini.readString("a", "k", ""), "q");
}

// A file read long after its last change is taken from memory while its stamp holds; a change
// that even puts the old modification time back still shows.
TEST_F(IniFileTest, AnOldFileChangedBehindAnUnchangedTimeIsReadAgain)
{
    IniFile ini("C:\\Qvlzantor\\Fichier.ini");
    const QString path = drive("Qvlzantor/Fichier.ini");
    makeFile("Qvlzantor/Fichier.ini", "[a]\r\nk=1\r\n");
    const timespec lastYear{::time(nullptr) - 365 * 86400, 0};
    setModifiedTime(path, lastYear);
    EXPECT_EQ(ini.readString("a", "k", ""), "1");
    EXPECT_EQ(ini.readString("a", "k", ""), "1");
    overwriteInPlace(path, "[a]\r\nk=2\r\n");
    setModifiedTime(path, lastYear);
    EXPECT_EQ(ini.readString("a", "k", ""), "2");
}

TEST_F(IniFileTest, APipeIsAMissingSettingsFile)
{
    const QString path = drive("Qvlzantor/Fichier.ini");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    IniFile ini("C:\\Qvlzantor\\Fichier.ini");
    EXPECT_FALSE(ini.exists());
    EXPECT_FALSE(ini.sectionExists("a"));
    EXPECT_EQ(ini.readString("a", "k", "absent"), "absent");
    // A write puts a settings file in its place.
    EXPECT_TRUE(ini.writeString("a", "k", "v"));
    EXPECT_EQ(ini.readString("a", "k", "absent"), "v");
}
