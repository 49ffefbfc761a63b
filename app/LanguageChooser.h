#pragma once
// What the language chooser window shows and stores: the language files of the "Languages" folder
// and the language named in the settings file. A new choice applies from the next start.
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

class SettingsFile;

class LanguageChooser {
public:
    // `languageText`: the language file name in use, the default when the settings name none.
    LanguageChooser(SettingsFile& settings, const QString& languageText);

    // The "*.txt" files of the "Languages" folder in name order, without the tips files "info_*",
    // which are no language files.
    QStringList fileNames() const;
    // "Language " + the language named in the settings file.
    QString labelText() const;

    // OK with `name` chosen: stored only when the settings file exists and the name ends exactly
    // with ".txt". Returns the new label text, which the window shows with RestartMessage before
    // closing; nothing when the choice was refused.
    std::optional<QString> accept(const QString& name);

    static inline const QString RestartMessage = QStringLiteral("Restart QvlZantor");

private:
    SettingsFile& m_settings;
    QString m_languageText;
};

}  // namespace app
