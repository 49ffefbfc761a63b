#include "platform/files/IniFile.h"

#include "ProgramFolderFixture.h"

using namespace files;

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
