#pragma once
// The offline ISBN list "hors_connexion.csv": codes typed or scanned now, looked up later one
// after the other from the last line up. What the list keeps between two looks-up is decided
// here, apart from the screens.
#include <QStringList>

namespace exchange {

// The entry a look-up is given, or why none: a blank or malformed entry is used up without a
// look-up; an entry that is no ISBN-13 (978 or 979) stays in the list for the librarian.
enum class IsbnEntryUse { LookUp, Drop, Keep };
IsbnEntryUse isbnEntryUse(const QString& entry);

// The file after entry `position` was taken: the entries before and at it (the taken one now
// empty), then the later entries never used up, so no skipped code is lost.
QStringList remainingIsbnList(const QStringList& memoLines, int position);

}  // namespace exchange
