#pragma once
// Reading a file in the library layout into Table1: every line of exactly 25 ";" becomes a new
// copy, its values ruled (cuts, defaults, the type, the descriptor mark, the codes) and inserted
// as values, never as SQL. The whole import is one transaction; a line the database refuses is
// skipped and counted, as is a line of another shape.
#include "exchange/LineInserts.h"

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

// Rows whose Isbn13 is "1" take their book number, padded to 5 digits, as code, and its
// Code 39 text.
void numberCopiesMarkedOne(db::Connection& connection);

}  // namespace exchange
