#include "catalogue/CopyRenumbering.h"

#include "platform/db/BulkScope.h"

namespace catalogue {

namespace {

QString titleOf(db::Query& ars) { return ars.fieldByName(QStringLiteral("Titre")).asString(); }

void markLastCopy(db::Query& ars)
{
    ars.edit();
    ars.fieldByName(QStringLiteral("MaxExemplaire")).setAsBoolean(true);
    ars.post();
}

}  // namespace

void RenumberCopies(db::Query& ars)
{
    // The book number keeps the copies of one title in the same order from one run to the next.
    ars.setSql(QStringLiteral("SELECT * FROM table1 ORDER BY Titre, NumLivre"));
    ars.open();
    db::BulkScope scope(ars.connection());

    ars.first();
    QString title = titleOf(ars);
    int copyNumber = 1;
    while (!ars.eof()) {
        ars.edit();
        ars.fieldByName(QStringLiteral("NbrExemplaire")).setAsInteger(copyNumber);
        ars.fieldByName(QStringLiteral("MaxExemplaire")).setAsBoolean(false);
        ars.post();
        ars.next();
        const QString next = titleOf(ars);
        copyNumber = next == title ? copyNumber + 1 : 1;
        title = next;
    }

    if (ars.isEmpty())
        return;
    ars.last();
    markLastCopy(ars);
    title = titleOf(ars);
    for (ars.prior(); !ars.bof(); ars.prior()) {
        const QString previous = titleOf(ars);
        if (previous != title)
            markLastCopy(ars);
        title = previous;
    }
}

}  // namespace catalogue
