#pragma once
// The descriptor word list "Thesaurus.txt": every line is an item of the keyword combos, and an
// entry of the table that descriptor extraction looks words up in (only its first 20 characters).
#include <QStringList>

namespace app {

struct Thesaurus {
    static constexpr int kMaxEntries = 2297;
    static constexpr int kEntryLength = 20;

    QStringList lines;    // every line, empty ones included, for the combos
    QStringList entries;  // entry n is entries[n - 1]; cut to 20 characters, at most 2297
};

// Reads the file (Windows path text). An empty file gives one empty entry. Throws
// files::FileError when the file cannot be read. Lines beyond the table's room still reach
// the combos but not the table.
Thesaurus loadThesaurusFile(const QString& path);

}  // namespace app
