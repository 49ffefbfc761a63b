#include "app/SettingsFile.h"
#include "tests/app/FirstRunSettings.h"

#include "tests/platform/files/ProgramFolderFixture.h"

using namespace app;

class SettingsFileTest : public ProgramFolderTest {
protected:
    QByteArray settingsBytes() const { return fileContent("Qvlzantor/Fichier.ini"); }
    void writeSettings(const QByteArray& content) const { makeFile("Qvlzantor/Fichier.ini", content); }
};

TEST_F(SettingsFileTest, FirstRunFileHasItsExactContents)
{
    SettingsFile file;
    EXPECT_EQ(file.path(), "C:\\Qvlzantor\\Fichier.ini");
    EXPECT_FALSE(file.exists());
    ASSERT_TRUE(file.createFirstRun());
    EXPECT_TRUE(file.exists());
    EXPECT_EQ(settingsBytes(), kFirstRunFile);
}

TEST_F(SettingsFileTest, NewFileReadsTheSwitchesItWrites)
{
    SettingsFile file;
    ASSERT_TRUE(file.createFirstRun());
    const Settings s = file.readAll(QString());

    // The sources a new file switches on are read as on.
    EXPECT_TRUE(s.Amazonbool);
    EXPECT_TRUE(s.ChasseLivrebool);
    EXPECT_TRUE(s.Rakutenbool);
    EXPECT_TRUE(s.Worldcatbool);
    EXPECT_TRUE(s.bookbutlerbool);
    EXPECT_TRUE(s.bookfinderbool);
    EXPECT_TRUE(s.kleberbool);
    EXPECT_TRUE(s.editstatbool);
    EXPECT_TRUE(s.dialoguebool);
    // Those it writes off stay off.
    EXPECT_FALSE(s.mollatbool);
    EXPECT_FALSE(s.bnfbool);
    EXPECT_FALSE(s.fnacbool);
    EXPECT_FALSE(s.chapitrebool);
    EXPECT_FALSE(s.pricebool);
    EXPECT_FALSE(s.decitrebool);
    EXPECT_FALSE(s.france_loisirsbool);
    EXPECT_FALSE(s.AccesIE);
    EXPECT_FALSE(s.ftpbool);
    EXPECT_FALSE(s.ValideBool);
    EXPECT_FALSE(s.ValideRetourBool);
    EXPECT_TRUE(s.Qvlbool);
    EXPECT_TRUE(s.AmazonPHPbool);

    EXPECT_FALSE(s.AnimationOn);
    EXPECT_EQ(s.NbreColCB, 0);
    EXPECT_EQ(s.EspaceInterCol, 0);
    EXPECT_EQ(s.EspaceInterLigne, 0);
    EXPECT_EQ(s.cinquieme, "0");
    EXPECT_EQ(s.LanguageText, "francais.txt");
    EXPECT_EQ(s.PretDefautTexte, "");
    EXPECT_EQ(s.maker.webSite, "");
    EXPECT_EQ(s.maker.ftpHost, "");
    EXPECT_EQ(s.maker.ftpPort, 21);
    EXPECT_EQ(settingsBytes(), kFirstRunFile);  // reading writes nothing
}

TEST_F(SettingsFileTest, ReadsEveryKindOfValue)
{
    writeSettings(
        "[mots de passe]\r\nmdp_administrateur=adm\r\nMDP_Enseignant=ens\r\n"
        "[Animation]\r\nAnimConfig=TRUE\r\n"
        "[Coordonnees]\r\nRNE=0123456X\r\nNOM_Ecole=Ecole des Tilleuls\r\nVILLE_Ecole=Tours\r\n"
        "MailEcole=ce.0123456X@ac-orleans-tours.fr\r\nAcademie=orl\r\n"
        "[Editeur code barres]\r\nNbreColCB=3\r\nEspaceInterCol=0x10\r\nEspaceInterLigne=deux\r\nNbCouleur=clGreen\r\n"
        "[Pr\xEAt]\r\nPretDefautTexte=14 jours\r\n"
        "[Acc\xE8s Internet IE]\r\nAccesIE=1\r\n"
        "[AmazonPHPbool]\r\nAmazonPHPbool=0\r\n"
        "[ChasseLivreBool]\r\nChasseLivreBool=1\r\n"
        "[QVLBOOL]\r\nqvlbool=0\r\n"
        "[Dialoguebool]\r\nDialoguebool=2\r\n"
        "[ftpbool]\r\nftpbool=1\r\n[ValideBool]\r\nValideBool=1\r\n"
        "[FTP]\r\nLienPageFTP1=/Livres_Sortis.html\r\nHoteFTP=ftp.ecole.test\r\nIdentifiantFTP=bib\r\nMDPFTP=secret\r\n"
        "[cinquieme]\r\ncinquieme=42\r\n"
        "[Language]\r\nLanguage=english.txt\r\n"
        "[mail]\r\nMailQVLgmailcom=bib@ecole.test\r\nMDPQVL=pw\r\nSMTPQVL=smtp.ecole.test\r\n"
        "[Hebergeur]\r\nSiteWeb=http://127.0.0.1:8080\r\nHoteFTP=127.0.0.1\r\nPortFTP=2121\r\n"
        "UtilisateurFTP=maker\r\nMotDePasseFTP=mpw\r\n");
    const Settings s = SettingsFile().readAll(QStringLiteral("francais.txt"));

    EXPECT_EQ(s.MDP_Administrateur, "adm");
    EXPECT_EQ(s.MDP_Enseignant, "ens");
    EXPECT_TRUE(s.AnimationOn);
    EXPECT_EQ(s.RNE, "0123456X");
    EXPECT_EQ(s.NOM_Ecole, "Ecole des Tilleuls");
    EXPECT_EQ(s.VILLE_Ecole, "Tours");
    EXPECT_EQ(s.MailEcole, "ce.0123456X@ac-orleans-tours.fr");
    EXPECT_EQ(s.Academie, "orl");
    EXPECT_EQ(s.NbreColCB, 3);
    EXPECT_EQ(s.EspaceInterCol, 16);
    EXPECT_EQ(s.EspaceInterLigne, 0);  // a word gives the default
    EXPECT_EQ(s.NbCouleur, "clGreen");
    EXPECT_EQ(s.PretDefautTexte, "14 jours");
    EXPECT_TRUE(s.AccesIE);
    EXPECT_TRUE(s.AmazonPHPbool);  // forced whatever the file says
    EXPECT_TRUE(s.ChasseLivrebool);
    EXPECT_FALSE(s.Qvlbool);
    EXPECT_TRUE(s.dialoguebool);
    EXPECT_TRUE(s.ftpbool);
    EXPECT_TRUE(s.ValideBool);
    EXPECT_EQ(s.LienPageFTP1, "/Livres_Sortis.html");
    EXPECT_EQ(s.HoteFTP, "ftp.ecole.test");
    EXPECT_EQ(s.IdentifiantFTP, "bib");
    EXPECT_EQ(s.MDPFTP, "secret");
    EXPECT_EQ(s.cinquieme, "42");
    EXPECT_EQ(s.LanguageText, "english.txt");
    EXPECT_EQ(s.MailQVLgmailcom, "bib@ecole.test");
    EXPECT_EQ(s.MDPQVL, "pw");
    EXPECT_EQ(s.SMTPQVL, "smtp.ecole.test");
    EXPECT_EQ(s.maker.webSite, "http://127.0.0.1:8080");
    EXPECT_EQ(s.maker.ftpHost, "127.0.0.1");
    EXPECT_EQ(s.maker.ftpPort, 2121);
    EXPECT_EQ(s.maker.ftpUser, "maker");
    EXPECT_EQ(s.maker.ftpPassword, "mpw");
}

TEST_F(SettingsFileTest, AnimationNeedsUpperCaseTrue)
{
    for (const auto& [value, on] : {std::pair{"TRUE", true}, {"true", false}, {"True", false}, {"1", false}, {"", false}}) {
        writeSettings(QByteArray("[Animation]\r\nAnimConfig=") + value + "\r\n");
        EXPECT_EQ(SettingsFile().readAll("francais.txt").AnimationOn, on) << value;
    }
}

TEST_F(SettingsFileTest, MissingLanguageKeysTakeTheKnownName)
{
    writeSettings("[Mots de passe]\r\nMDP_Administrateur=x\r\n");
    const Settings s = SettingsFile().readAll("english.txt");
    EXPECT_EQ(s.LanguageText, "english.txt");
    EXPECT_FALSE(settingsBytes().contains("language"));
}

TEST_F(SettingsFileTest, EmptyLanguageGetsFrancaisWritten)
{
    writeSettings("[Language]\r\nLanguage=\r\n[mail]\r\nSMTPQVL=s\r\n");
    const Settings s = SettingsFile().readAll("english.txt");
    EXPECT_EQ(s.LanguageText, "francais.txt");
    EXPECT_EQ(settingsBytes(), "[Language]\r\nLanguage=francais.txt\r\n[mail]\r\nSMTPQVL=s\r\n");
}

TEST_F(SettingsFileTest, QuitAndCoordinateWritersStoreTheirKeys)
{
    SettingsFile file;
    ASSERT_TRUE(file.createFirstRun());
    Settings s = file.readAll(QString());
    s.NbreColCB = 4;
    s.EspaceInterCol = 2;
    s.EspaceInterLigne = 1;
    s.NbCouleur = "clBlack";
    s.cinquieme = "17";
    s.RNE = "0370001A";
    s.NOM_Ecole = "Ecole Jules Ferry";
    s.VILLE_Ecole = "Amboise";
    s.MailEcole = "ce.0370001A@ac-orleans-tours.fr";
    ASSERT_TRUE(file.writeQuitValues(s));
    ASSERT_TRUE(file.writeCoordinates(s));

    const QByteArray bytes = settingsBytes();
    EXPECT_TRUE(bytes.contains("[Coordonnees]\r\nRNE=0370001A\r\nNOM_Ecole=Ecole Jules Ferry\r\nVILLE_Ecole=Amboise\r\n"
                               "MailEcole=ce.0370001A@ac-orleans-tours.fr\r\nAcademie=orl\r\n"));
    EXPECT_TRUE(bytes.contains("NbreColCB=4\r\nEspaceInterCol=2\r\nEspaceInterLigne=1\r\nNbCouleur=clGreen\r\n"));
    EXPECT_TRUE(bytes.contains("[cinquieme]\r\ncinquieme=17\r\n"));
    EXPECT_EQ(file.readRne("old"), "0370001A");

    const Settings again = file.readAll(QString());
    EXPECT_EQ(again.NbreColCB, 4);
    EXPECT_EQ(again.NbCouleur, "clGreen");  // still black bars, whatever the name
    EXPECT_EQ(again.Academie, "orl");
}

TEST_F(SettingsFileTest, ConfigurationWritesFlagsAsDigitsReadBackAtNextStart)
{
    SettingsFile file;
    ASSERT_TRUE(file.createFirstRun());
    Settings s = file.readAll(QString());
    s.MDP_Administrateur = "adm";
    s.MDP_Enseignant = "ens";
    s.AnimationOn = true;
    s.Amazonbool = true;
    s.ChasseLivrebool = true;
    s.Qvlbool = false;
    s.dialoguebool = true;
    s.ftpbool = true;
    s.ValideBool = true;  // kept in memory only
    s.PretDefautTexte = "7 jours";
    s.HoteFTP = "ftp.ecole.test";
    s.SMTPQVL = "smtp.ecole.test";
    ASSERT_TRUE(file.writeConfiguration(s));

    const QByteArray bytes = settingsBytes();
    EXPECT_TRUE(bytes.startsWith("[Mots de passe]\r\nMDP_Administrateur=adm\r\nMDP_Enseignant=ens\r\n"
                                 "[Animation]\r\nAnimConfig=TRUE\r\n[Coordonnees]"));
    EXPECT_TRUE(bytes.contains("[ChasseLivrebool]\r\nChasseLivrebool=1\r\n"));  // the first spelling stays
    EXPECT_TRUE(bytes.contains("[mollatbool]\r\nmollatbool=0\r\n"));
    EXPECT_TRUE(bytes.contains("[AmazonPHPbool]\r\nAmazonPHPbool=1\r\n"));
    EXPECT_TRUE(bytes.contains("[ValideBool]\r\nValideBool=False\r\n"));
    EXPECT_TRUE(bytes.endsWith("[language]\r\nlanguage=francais.txt\r\n"
                               "[Langue auto]\r\nAnimConfig=TRUE\r\n"
                               "[ftpbool]\r\nftpbool=1\r\n"
                               "[FTP]\r\nLienPageFTP1=\r\nHoteFTP=ftp.ecole.test\r\nIdentifiantFTP=\r\nMDPFTP=\r\n"
                               "[mail]\r\nMailQVLgmailcom=\r\nMDPQVL=\r\nSMTPQVL=smtp.ecole.test\r\n"));
    EXPECT_TRUE(bytes.contains("NbCouleur=\r\nCouleurBarre=clBlack\r\n"));

    const Settings next = file.readAll(QString());
    EXPECT_TRUE(next.AnimationOn);
    EXPECT_TRUE(next.Amazonbool);
    EXPECT_TRUE(next.ChasseLivrebool);
    EXPECT_FALSE(next.Qvlbool);
    EXPECT_TRUE(next.dialoguebool);
    EXPECT_TRUE(next.ftpbool);
    EXPECT_FALSE(next.ValideBool);
    EXPECT_EQ(next.PretDefautTexte, "7 jours");
    EXPECT_EQ(next.MDP_Administrateur, "adm");
}

TEST_F(SettingsFileTest, FailedWriteIsReported)
{
    QDir().mkpath(drive("Qvlzantor/Fichier.ini"));  // a folder where the file should be
    SettingsFile file;
    EXPECT_FALSE(file.createFirstRun());
    EXPECT_FALSE(file.writeLanguage("x.txt"));
}
