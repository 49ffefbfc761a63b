#include "exchange/IsbnList.h"

#include "catalogue/BookCodes.h"

namespace exchange {

IsbnEntryUse isbnEntryUse(const QString& entry)
{
    if (entry.size() != 10 && entry.size() != 13)
        return IsbnEntryUse::Drop;
    if (entry.size() == 13 && !catalogue::isIsbn13Prefix(entry))
        return IsbnEntryUse::Keep;
    return IsbnEntryUse::LookUp;
}

QStringList remainingIsbnList(const QStringList& memoLines, int position)
{
    QStringList kept = position > 0 ? memoLines.mid(0, position + 1) : QStringList();
    for (int i = position + 1; i < memoLines.size(); ++i)
        if (!memoLines[i].isEmpty())
            kept << memoLines[i];
    return kept;
}

}  // namespace exchange
