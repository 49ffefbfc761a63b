#pragma once
// Text comparison as the Jet engine does it, registered on every connection: the JET
// collation (case-insensitive, accent-sensitive equality; accented letters sort beside their
// base letter) and LIKE with % and _ under the same case folding. "[" is an ordinary character.
#include <QStringView>

struct sqlite3;

namespace db::jet {

int compare(QStringView a, QStringView b);
// A null escape means none.
bool like(QStringView pattern, QStringView value, QChar escape = QChar());

// Throws Error of kind Engine when SQLite refuses.
void registerOn(sqlite3* handle);

}  // namespace db::jet
