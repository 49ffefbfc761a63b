#pragma once
// Reading a file in the library layout into Table1: every line of exactly 25 ";" becomes a new
// copy, its values ruled (cuts, defaults, the type, the descriptor mark, the codes) and inserted
// as values, never as SQL. A line the database refuses is skipped and counted, as is a line of
// another shape; control characters of the file (NUL included) become blanks.
#include "exchange/LineInserts.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace db {
class Connection;
}

namespace exchange {

// One copy as the import inserts it: the 26 columns in the layout's order, ruled.
struct LibraryRecord {
    QStringList values;
    bool maxCopy = true;
    bool printLabel = false;
    bool lendable = true;
};

// The record of a data line; std::nullopt when the line does not hold exactly 25 ";".
std::optional<LibraryRecord> readLibraryLine(const QString& line);

// A Boolean column of the file: "Vrai"/"True"/"-1"/"1" and "Faux"/"False"/"0" in any case; an
// empty or unknown text gives the column's default.
bool libraryBoolean(const QString& text, bool defaultValue);

// The code rules: Isbn13 of digits and "X" only, ISBN-10 and ISBN-13 made from each other when
// one is missing (never for a "979" code, which has no ISBN-10), short codes padded to 5 digits,
// 10-character codes turned into ISBN-13. A code the conversions cannot read stays as it is.
void ruleCodes(QString& isbn10, QString& isbn13);

// Adds the data lines (the header already checked and left out). `progress` gets each line
// before it is read.
ImportReport importLibraryLines(db::Connection& connection, const QStringList& lines,
                                       const std::function<void(const QString&)>& progress = {});

// What the table holds before an import: its last book number and every code, with the titles
// of the 5-character ones (this school's internal codes).
struct OwnCodes {
    qint64 lastBook = 0;
    QSet<QString> codes;
    QHash<QString, QSet<QString>> internalCodeTitles;
};
OwnCodes ownCodes(db::Connection& connection);

// Copies added after `before` whose 5-character code is one of this school's internal codes,
// given there to another title, take a fresh internal code (a book number of theirs, padded to
// 5 digits, that no row holds) with its Code 39 text; the copies of one title and code share it.
// Returns how many copies were given one.
int recodeCollidingCopies(db::Connection& connection, const OwnCodes& before);

// Rows whose Isbn13 is "1" take their book number, padded to 5 digits, as code, and its
// Code 39 text.
void numberCopiesMarkedOne(db::Connection& connection);

}  // namespace exchange
