#pragma once
// The texts of the user interface taken from the language file: the captions of the main menu and
// the three numbered tables that messages, prompts, captions and hints are shown from. Filled once
// at start and kept for the whole run; entries that the file did not reach are empty.
#include <QString>
#include <QStringList>

namespace app {

struct LanguageTables {
    static constexpr int MenuLineCount = 56;  // lines 1 to 56 of the file
    static constexpr int MessageCount = 301;  // entries 0 to 300
    static constexpr int DialogCount = 101;   // entries 1 to 100; entry 0 stays empty
    static constexpr int CaptionCount = 301;  // entries 0 to 300

    LanguageTables();

    // Empty for a line or an entry outside the table.
    QString menuCaption(int line) const;
    QString message(int entry) const;
    QString dialog(int entry) const;
    QString caption(int entry) const;

    QStringList MenuCaptions;  // index 0 holds line 1
    QStringList MessageTable;
    QStringList DialogTable;
    QStringList CaptionTable;
};

}  // namespace app
