#include "app/SettingsFile.h"

#include "platform/files/WindowsPath.h"

#include <initializer_list>
#include <utility>

namespace app {

namespace {

const QString kAnimation = QStringLiteral("Animation");
const QString kAnimConfig = QStringLiteral("AnimConfig");
const QString kCoordinates = QStringLiteral("Coordonnees");
const QString kLabels = QStringLiteral("Editeur code barres");
const QString kFtp = QStringLiteral("FTP");
const QString kMail = QStringLiteral("mail");
const QString kMakerHost = QStringLiteral("Hebergeur");

struct Entry {
    const char* section;
    const char* key;
    const char* value;
};

// A new file, in the order of the first run. AnimConfig is written twice. Switches that are on are
// written "1", the form every reader takes for on.
const Entry kFirstRun[] = {
    {"Mots de passe", "MDP_Administrateur", ""},
    {"Mots de passe", "MDP_Enseignant", ""},
    {"Animation", "AnimConfig", ""},
    {"Animation", "AnimConfig", ""},
    {"Coordonnees", "RNE", ""},
    {"Coordonnees", "NOM_Ecole", ""},
    {"Coordonnees", "VILLE_Ecole", ""},
    {"Coordonnees", "MailEcole", ""},
    {"Coordonnees", "Academie", ""},
    {"Editeur code barres", "NbreColCB", "0"},
    {"Editeur code barres", "EspaceInterCol", "0"},
    {"Editeur code barres", "EspaceInterLigne", "0"},
    {"Editeur code barres", "NbCouleur", ""},
    {"Pr\u00eat", "PretDefautTexte", ""},
    {"Acc\u00e8s Internet IE", "AccesIE", "False"},
    {"AmazonPHPbool", "AmazonPHPbool", "1"},
    {"Amazonbool", "Amazonbool", "1"},
    {"ChasseLivrebool", "ChasseLivrebool", "1"},
    {"Rakutenbool", "Rakutenbool", "1"},
    {"Worldcatbool", "Worldcatbool", "1"},
    {"Qvlbool", "Qvlbool", "1"},
    {"mollatbool", "mollatbool", "false"},
    {"bookbutlerbool", "bookbutlerbool", "1"},
    {"bookfinderbool", "bookfinderbool", "1"},
    {"kleberbool", "kleberbool", "1"},
    {"editstatbool", "editstatbool", "1"},
    {"bnfbool", "bnfbool", "False"},
    {"fnacbool", "fnacbool", "False"},
    {"chapitrebool", "chapitrebool", "False"},
    {"dialoguebool", "dialoguebool", "1"},
    {"pricebool", "pricebool", "False"},
    {"decitrebool", "decitrebool", "False"},
    {"france_loisirsbool", "france_loisirsbool", "False"},
    {"cinquieme", "cinquieme", "0"},
    {"ValideBool", "ValideBool", "False"},
    {"ValideRetourBool", "ValideRetourBool", "False"},
    {"language", "language", "francais.txt"},
};

// Booleans stored in a section of their own name, under the spelling each writer uses.
using FlagWrite = std::pair<const char*, bool>;

bool writeFlags(files::IniFile& ini, std::initializer_list<FlagWrite> flags)
{
    for (const auto& [name, value] : flags) {
        if (!ini.writeBool(QString::fromUtf8(name), QString::fromUtf8(name), value))
            return false;
    }
    return true;
}

using TextWrite = std::pair<const char*, QString>;

bool writeTexts(files::IniFile& ini, const QString& section, std::initializer_list<TextWrite> keys)
{
    for (const auto& [key, value] : keys) {
        if (!ini.writeString(section, QString::fromUtf8(key), value))
            return false;
    }
    return true;
}

}  // namespace

SettingsFile::SettingsFile() : SettingsFile(files::appDir() + QStringLiteral("Fichier.ini")) {}

SettingsFile::SettingsFile(const QString& path) : m_path(path), m_ini(path) {}

bool SettingsFile::exists() const { return m_ini.exists(); }

QString SettingsFile::writeDefaultLanguage()
{
    const QString name = QStringLiteral("francais.txt");
    m_ini.writeString(QStringLiteral("language"), QStringLiteral("language"), name);
    return name;
}

bool SettingsFile::createFirstRun()
{
    for (const Entry& e : kFirstRun) {
        if (!m_ini.writeString(QString::fromUtf8(e.section), QString::fromUtf8(e.key), QString::fromUtf8(e.value)))
            return false;
    }
    return true;
}

Settings SettingsFile::readAll(const QString& languageDefault)
{
    Settings s;
    const Settings defaults;
    auto text = [this](const QString& section, const char* key, const QString& dflt = QString()) {
        return m_ini.readString(section, QString::fromUtf8(key), dflt);
    };
    auto flag = [this](const char* section, bool dflt) {
        return m_ini.readBool(QString::fromUtf8(section), QString::fromUtf8(section), dflt);
    };

    s.MDP_Administrateur = text(QStringLiteral("Mots de passe"), "MDP_Administrateur");
    s.MDP_Enseignant = text(QStringLiteral("Mots de passe"), "MDP_Enseignant");
    s.AnimationOn = m_ini.readString(kAnimation, kAnimConfig, QString()) == QLatin1String("TRUE");

    s.RNE = text(kCoordinates, "RNE");
    s.NOM_Ecole = text(kCoordinates, "NOM_Ecole");
    s.VILLE_Ecole = text(kCoordinates, "VILLE_Ecole");
    s.MailEcole = text(kCoordinates, "MailEcole");
    s.Academie = text(kCoordinates, "Academie");

    s.NbreColCB = m_ini.readInteger(kLabels, QStringLiteral("NbreColCB"), defaults.NbreColCB);
    s.EspaceInterCol = m_ini.readInteger(kLabels, QStringLiteral("EspaceInterCol"), defaults.EspaceInterCol);
    s.EspaceInterLigne = m_ini.readInteger(kLabels, QStringLiteral("EspaceInterLigne"), defaults.EspaceInterLigne);
    s.NbCouleur = text(kLabels, "NbCouleur");

    s.PretDefautTexte = text(QStringLiteral("Pr\u00eat"), "PretDefautTexte");

    s.AccesIE = m_ini.readBool(QStringLiteral("Acc\u00e8s Internet IE"), QStringLiteral("AccesIE"), defaults.AccesIE);
    s.AmazonPHPbool = flag("AmazonPHPbool", defaults.AmazonPHPbool);
    s.Amazonbool = flag("Amazonbool", defaults.Amazonbool);
    s.ChasseLivrebool = flag("ChasseLivrebool", defaults.ChasseLivrebool);
    s.Rakutenbool = flag("Rakutenbool", defaults.Rakutenbool);
    s.Worldcatbool = flag("Worldcatbool", defaults.Worldcatbool);
    s.Qvlbool = m_ini.readBool(QStringLiteral("qvlbool"), QStringLiteral("Qvlbool"), defaults.Qvlbool);
    s.mollatbool = flag("mollatbool", defaults.mollatbool);
    s.bookbutlerbool = flag("bookbutlerbool", defaults.bookbutlerbool);
    s.bookfinderbool = flag("bookfinderbool", defaults.bookfinderbool);
    s.kleberbool = flag("kleberbool", defaults.kleberbool);
    s.editstatbool = flag("editstatbool", defaults.editstatbool);
    s.bnfbool = flag("bnfbool", defaults.bnfbool);
    s.fnacbool = flag("fnacbool", defaults.fnacbool);
    s.chapitrebool = flag("chapitrebool", defaults.chapitrebool);
    s.france_loisirsbool = flag("france_loisirsbool", defaults.france_loisirsbool);
    s.dialoguebool = flag("dialoguebool", defaults.dialoguebool);
    s.pricebool = flag("pricebool", defaults.pricebool);
    s.decitrebool = flag("decitrebool", defaults.decitrebool);
    s.ftpbool = flag("ftpbool", defaults.ftpbool);
    s.ValideBool = flag("ValideBool", defaults.ValideBool);
    s.ValideRetourBool = flag("ValideRetourBool", defaults.ValideRetourBool);

    s.LienPageFTP1 = text(kFtp, "LienPageFTP1");
    s.HoteFTP = text(kFtp, "HoteFTP");
    s.IdentifiantFTP = text(kFtp, "IdentifiantFTP");
    s.MDPFTP = text(kFtp, "MDPFTP");

    s.cinquieme = text(QStringLiteral("cinquieme"), "cinquieme");
    s.LanguageText = readLanguage(languageDefault);

    s.MailQVLgmailcom = text(kMail, "MailQVLgmailcom");
    s.MDPQVL = text(kMail, "MDPQVL");
    s.SMTPQVL = text(kMail, "SMTPQVL");

    s.maker.webSite = text(kMakerHost, "SiteWeb");
    s.maker.ftpHost = text(kMakerHost, "HoteFTP");
    s.maker.ftpPort = m_ini.readInteger(kMakerHost, QStringLiteral("PortFTP"), defaults.maker.ftpPort);
    s.maker.ftpUser = text(kMakerHost, "UtilisateurFTP");
    s.maker.ftpPassword = text(kMakerHost, "MotDePasseFTP");
    s.maker.isbnService = text(kMakerHost, "ServiceIsbn");

    if (s.LanguageText.isEmpty())
        s.LanguageText = writeDefaultLanguage();
    s.AmazonPHPbool = true;
    return s;
}

QString SettingsFile::readLanguage(const QString& defaultValue) const
{
    return m_ini.readString(QStringLiteral("Language"), QStringLiteral("Language"), defaultValue);
}

bool SettingsFile::writeLanguage(const QString& name)
{
    return m_ini.writeString(QStringLiteral("Language"), QStringLiteral("Language"), name);
}

bool SettingsFile::writeCoordinates(const Settings& s)
{
    return writeTexts(m_ini, kCoordinates,
                      {{"RNE", s.RNE},
                       {"NOM_Ecole", s.NOM_Ecole},
                       {"VILLE_Ecole", s.VILLE_Ecole},
                       {"MailEcole", s.MailEcole},
                       {"Academie", academieFromMail(s.MailEcole)}});
}

QString SettingsFile::readRne(const QString& defaultValue) const
{
    return m_ini.readString(kCoordinates, QStringLiteral("RNE"), defaultValue);
}

bool SettingsFile::writeQuitValues(const Settings& s)
{
    return m_ini.writeInteger(kLabels, QStringLiteral("NbreColCB"), s.NbreColCB)
        && m_ini.writeInteger(kLabels, QStringLiteral("EspaceInterCol"), s.EspaceInterCol)
        && m_ini.writeInteger(kLabels, QStringLiteral("EspaceInterLigne"), s.EspaceInterLigne)
        && m_ini.writeString(kLabels, QStringLiteral("NbCouleur"), QStringLiteral("clGreen"))
        && m_ini.writeString(QStringLiteral("cinquieme"), QStringLiteral("cinquieme"), s.cinquieme);
}

bool SettingsFile::writeConfiguration(const Settings& s)
{
    const QString anim = s.AnimationOn ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    return writeTexts(m_ini, QStringLiteral("Mots de passe"),
                      {{"MDP_Administrateur", s.MDP_Administrateur}, {"MDP_Enseignant", s.MDP_Enseignant}})
        && m_ini.writeString(kAnimation, kAnimConfig, anim)
        && m_ini.writeString(QStringLiteral("Langue auto"), kAnimConfig, anim)
        && writeTexts(m_ini, kCoordinates,
                      {{"RNE", s.RNE},
                       {"NOM_Ecole", s.NOM_Ecole},
                       {"VILLE_Ecole", s.VILLE_Ecole},
                       {"Academie", academieFromMail(s.MailEcole)}})
        && writeTexts(m_ini, kLabels,
                      {{"NbreColCB", QString::number(s.NbreColCB)},
                       {"EspaceInterCol", QString::number(s.EspaceInterCol)},
                       {"EspaceInterLigne", QString::number(s.EspaceInterLigne)},
                       {"CouleurBarre", QStringLiteral("clBlack")}})
        && m_ini.writeString(QStringLiteral("Pr\u00eat"), QStringLiteral("PretDefautTexte"), s.PretDefautTexte)
        && m_ini.writeBool(QStringLiteral("Acc\u00e8s Internet IE"), QStringLiteral("AccesIE"), s.AccesIE)
        && writeFlags(m_ini, {{"Amazonbool", s.Amazonbool},
                              {"ChasseLivreBool", s.ChasseLivrebool},
                              {"Rakutenbool", s.Rakutenbool},
                              {"Qvlbool", s.Qvlbool},
                              {"Dialoguebool", s.dialoguebool},
                              {"mollatbool", s.mollatbool},
                              {"pricebool", s.pricebool},
                              {"decitrebool", s.decitrebool},
                              {"bookbutlerbool", s.bookbutlerbool},
                              {"bookfinderbool", s.bookfinderbool},
                              {"kleberbool", s.kleberbool},
                              {"editstatbool", s.editstatbool},
                              {"bnfbool", s.bnfbool},
                              {"fnacbool", s.fnacbool},
                              {"chapitrebool", s.chapitrebool},
                              {"france_loisirsbool", s.france_loisirsbool},
                              {"ftpbool", s.ftpbool}})
        && writeTexts(m_ini, kFtp,
                      {{"LienPageFTP1", s.LienPageFTP1},
                       {"HoteFTP", s.HoteFTP},
                       {"IdentifiantFTP", s.IdentifiantFTP},
                       {"MDPFTP", s.MDPFTP}})
        && writeTexts(m_ini, kMail,
                      {{"MailQVLgmailcom", s.MailQVLgmailcom}, {"MDPQVL", s.MDPQVL}, {"SMTPQVL", s.SMTPQVL}});
}

}  // namespace app
