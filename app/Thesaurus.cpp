#include "app/Thesaurus.h"

#include "platform/files/FileError.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFile.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"


namespace app {

Thesaurus loadThesaurusFile(const QString& path)
{
    Thesaurus t;
    if (!files::readTextFileLines(files::nativePath(path), t.lines))
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible d'ouvrir le fichier %1").arg(files::shownPath(path)));
    if (t.lines.isEmpty())
        t.lines << QString();
    for (const QString& line : std::as_const(t.lines)) {
        if (t.entries.size() == Thesaurus::kMaxEntries)
            break;
        t.entries << text::Copy(line, 1, Thesaurus::kEntryLength);
    }
    return t;
}

}  // namespace app
