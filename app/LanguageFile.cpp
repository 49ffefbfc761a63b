#include "app/LanguageFile.h"

#include "app/SettingsFile.h"
#include "platform/files/FileOps.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"

#include <functional>

namespace app {

namespace {

const QString kDefaultLanguage = QStringLiteral("francais.txt");

class LineReader {
public:
    explicit LineReader(const QStringList& lines) : m_lines(lines) {}
    bool next(QString& line)
    {
        if (m_index >= m_lines.size())
            return false;
        line = m_lines[m_index++];
        return true;
    }

private:
    const QStringList& m_lines;
    qsizetype m_index = 0;
};

void readTable(LineReader& reader, QStringList& table, int firstEntry,
               const std::function<bool(const QString&)>& isMarker)
{
    int entry = firstEntry;
    QString line;
    while (reader.next(line)) {
        if (entry < table.size())
            table[entry++] = line;
        if (isMarker(line))
            return;
    }
}

QString languageFilePath(const QString& name)
{
    return files::appDir() + QStringLiteral("Languages/") + name;
}

// Fills `tables` from the language file; false when it is missing, unreadable or no file of the
// folder.
bool readLanguageFile(const QString& path, LanguageTables& tables)
{
    QStringList lines;
    try {
        if (!files::readTextFileLines(files::nativePath(path), lines))
            return false;
    } catch (const files::PathError&) {
        return false;  // a name climbing out of the drive is no language file
    }
    tables = parseLanguageLines(lines);
    return true;
}

}  // namespace

LanguageTables parseLanguageLines(const QStringList& lines)
{
    LanguageTables tables;
    LineReader reader(lines);
    QString line;
    for (int i = 0; i < LanguageTables::MenuLineCount && reader.next(line); ++i)
        tables.MenuCaptions[i] = line;
    readTable(reader, tables.MessageTable, 0,
              [](const QString& l) { return l.contains(QLatin1String("XXXXXXXXXX")); });
    readTable(reader, tables.DialogTable, 1,
              [](const QString& l) { return l.contains(QLatin1String("YYYYYYYYYY")); });
    readTable(reader, tables.CaptionTable, 0,
              [](const QString& l) { return l == QLatin1String("ZZZZZZZZZZ"); });
    return tables;
}

QString LanguageLoad::errorText() const
{
    return QStringLiteral("Le fichier de langue ") + files::shownPath(path) + QStringLiteral(" est introuvable ou illisible.");
}

LanguageLoad loadLanguage(SettingsFile& settings, QString& languageText, LanguageTables& tables)
{
    LanguageLoad result;
    if (settings.exists()) {
        languageText = settings.readLanguage(languageText);
        if (languageText.isEmpty())
            languageText = settings.writeDefaultLanguage();
    } else {
        // A first start speaks the language the new settings file will name, when it is there.
        if (!files::fileExists(languageFilePath(kDefaultLanguage)))
            return result;
        languageText = kDefaultLanguage;
    }
    result.path = languageFilePath(languageText);
    if (readLanguageFile(result.path, tables)) {
        result.status = LanguageLoad::Status::Loaded;
        return result;
    }
    result.status = LanguageLoad::Status::FileNotRead;
    // Empty tables would leave the start-up question and the password box without a word.
    if (languageText != kDefaultLanguage && readLanguageFile(languageFilePath(kDefaultLanguage), tables))
        result.status = LanguageLoad::Status::DefaultInstead;
    return result;
}

}  // namespace app
