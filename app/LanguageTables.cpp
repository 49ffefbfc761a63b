#include "app/LanguageTables.h"

namespace app {

namespace {

QString entryOf(const QStringList& table, int index)
{
    return index >= 0 && index < table.size() ? table[index] : QString();
}

}  // namespace

LanguageTables::LanguageTables()
    : MenuCaptions(MenuLineCount),
      MessageTable(MessageCount),
      DialogTable(DialogCount),
      CaptionTable(CaptionCount)
{
}

QString LanguageTables::menuCaption(int line) const { return entryOf(MenuCaptions, line - 1); }
QString LanguageTables::message(int entry) const { return entryOf(MessageTable, entry); }
QString LanguageTables::dialog(int entry) const { return entryOf(DialogTable, entry); }
QString LanguageTables::caption(int entry) const { return entryOf(CaptionTable, entry); }

}  // namespace app
