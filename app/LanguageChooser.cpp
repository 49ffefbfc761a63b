#include "app/LanguageChooser.h"

#include "app/SettingsFile.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"

namespace app {

LanguageChooser::LanguageChooser(SettingsFile& settings, const QString& languageText)
    : m_settings(settings), m_languageText(languageText)
{
}

QStringList LanguageChooser::fileNames() const
{
    QStringList names = files::listFiles(files::appDir() + QStringLiteral("Languages\\"), QStringLiteral("*.txt"));
    names.removeIf([](const QString& n) { return n.startsWith(QLatin1String("info_"), Qt::CaseInsensitive); });
    return names;
}

QString LanguageChooser::labelText() const
{
    return QStringLiteral("Language ") + m_settings.readLanguage(m_languageText);
}

std::optional<QString> LanguageChooser::accept(const QString& name)
{
    if (!m_settings.exists() || !name.endsWith(QLatin1String(".txt"), Qt::CaseSensitive))
        return std::nullopt;
    if (!m_settings.writeLanguage(name))
        return std::nullopt;
    return labelText();
}

}  // namespace app
