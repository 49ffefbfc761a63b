#pragma once
// The catalogue of the other school-library program, exported by it as an ".HTM" text file: one
// record a line, 14 values each enclosed between two "~". Each record becomes a book of Table1,
// keeping either the other program's copy numbers or the ISBN-13 as its code. Records refused
// (no title, no code) are skipped and counted, lines without a value (markup) only passed over;
// control characters of the file (NUL included) become blanks.
#include "exchange/LineInserts.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace db {
class Connection;
}

namespace exchange {

// The values of a line in order: after every double quote and control character became a blank,
// each value lies between an opening and a closing "~"; text between values is ignored; a
// missing "~" gives an empty value. Values are trimmed.
QStringList bcdiValues(const QString& line, int count = 14);

enum class BcdiCodes { KeepCopyNumbers, KeepIsbn13 };

// The 16 values of the insert, in the order of bcdiColumns().
struct BcdiRecord {
    QStringList values;
};
QString bcdiColumns();

// std::nullopt for a line without title or whose code ends as "00000".
std::optional<BcdiRecord> readBcdiLine(const QString& line, BcdiCodes codes);

// `progress` is called before each line.
ImportReport importBcdiLines(db::Connection& connection, const QStringList& lines, BcdiCodes codes,
                             const std::function<void()>& progress = {});

// Every book still coded "00000" takes its book number, padded to 5 digits, as code, with its
// Code 39 text and its label to print.
void numberPendingBooks(db::Connection& connection);

}  // namespace exchange
