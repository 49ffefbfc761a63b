#pragma once
// The settings file "Fichier.ini" of the program folder: its first-run contents, the reading of
// every setting at start, and the writers of the screens that change it. Every section and key
// name of the file is spelled here and nowhere else; each call opens, reads or writes and closes
// the file, so every write reaches the disk at once.
#include "app/Settings.h"
#include "platform/files/IniFile.h"

namespace app {

class SettingsFile {
public:
    // The file in the program folder (files::appDir()).
    SettingsFile();
    // Another file, given as Windows path text.
    explicit SettingsFile(const QString& path);

    QString path() const { return m_path; }
    bool exists() const;

    // Writes the contents of a new file, key by key in their fixed order.
    bool createFirstRun();

    // Reads every setting in its fixed order. `languageDefault` is the language file name already
    // known (the default of the key Language). An empty language name gets "francais.txt", written
    // back to the file; AmazonPHPbool is forced on.
    Settings readAll(const QString& languageDefault);

    // Language name as the language loading and the chooser read it (section "Language").
    QString readLanguage(const QString& defaultValue) const;
    bool writeLanguage(const QString& name);
    // An empty language name gets "francais.txt", written to section "language"; returns that name.
    QString writeDefaultLanguage();

    // Coordinates OK: RNE, NOM_Ecole, VILLE_Ecole, MailEcole and the académie code of MailEcole.
    bool writeCoordinates(const Settings& s);
    // The cloud backup reads the school id again before naming its archive.
    QString readRne(const QString& defaultValue) const;

    // Toolbar quit: the label sheet layout, NbCouleur "clGreen", and the ISBN-list position.
    bool writeQuitValues(const Settings& s);

    // Configuration OK, each key through one write in its fixed order. The caller passes the
    // values to store: the passwords, loan period, school FTP and mail texts as typed on the
    // screen, everything else as in memory.
    bool writeConfiguration(const Settings& s);

private:
    QString m_path;
    files::IniFile m_ini;
};

}  // namespace app
