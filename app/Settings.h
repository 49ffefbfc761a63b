#pragma once
// The settings of the program as held in memory for the whole run. Start-up fills them from the
// settings file (SettingsFile); the rest of the program reads them here. Each value starts at its
// built-in default, the one a missing or unreadable key gives.
#include <QString>

namespace app {

// The maker's web and FTP hosts. They are settings of this installation, never constants in code;
// empty means that the version check and the maker's FTP transfers cannot connect.
struct MakerHost {
    QString webSite;  // base URL of the maker's web host
    QString ftpHost;
    int ftpPort = 21;
    QString ftpUser;
    QString ftpPassword;
    QString isbnService;  // base URL of the bibliographic service that gives publisher names
};

struct Settings {
    QString MDP_Administrateur;
    QString MDP_Enseignant;
    bool AnimationOn = false;  // only when AnimConfig is exactly "TRUE"

    QString RNE;
    QString NOM_Ecole;
    QString VILLE_Ecole;
    QString MailEcole;
    QString Academie;

    // Label sheet of the barcode labels.
    int NbreColCB = 0;
    int EspaceInterCol = 0;
    int EspaceInterLigne = 0;
    QString NbCouleur;  // read and kept; every value draws black bars

    QString PretDefautTexte;  // default loan period, such as "7 jours"

    bool AccesIE = false;
    bool AmazonPHPbool = false;  // forced on once the file is read
    bool Amazonbool = false;
    bool ChasseLivrebool = false;
    bool Rakutenbool = false;
    bool Worldcatbool = false;
    bool Qvlbool = true;
    bool mollatbool = false;
    bool bookbutlerbool = false;
    bool bookfinderbool = false;
    bool kleberbool = false;
    bool editstatbool = false;
    bool bnfbool = false;
    bool fnacbool = false;
    bool chapitrebool = false;
    bool france_loisirsbool = false;
    bool dialoguebool = false;
    bool pricebool = false;
    bool decitrebool = false;
    bool ftpbool = false;
    // Set when the start-up check, not the school, switched ftpbool off for the run: what stays
    // unsent for that reason waits for a run that reaches the maker's host.
    bool ftpboolOffAtStartup = false;
    bool ValideBool = false;
    bool ValideRetourBool = false;

    // The school's own FTP server.
    QString LienPageFTP1;
    QString HoteFTP;
    QString IdentifiantFTP;
    QString MDPFTP;

    QString cinquieme;  // position reached in the ISBN-list import

    QString LanguageText;  // name of the language file, such as "francais.txt"

    // Mail account of the grouped reminders.
    QString MailQVLgmailcom;
    QString MDPQVL;
    QString SMTPQVL;

    MakerHost maker;
};

// The académie code: characters 16 to 18 of the school's e-mail address.
QString academieFromMail(const QString& mailEcole);

}  // namespace app
