#pragma once
// The journal "Journal.csv" of the program folder: the only history of the desk and of the
// catalogue, one line per event, only ever appended. A line is its kind and its fields joined by
// ";", the date always second; the replay window and the statistics read the fields by place,
// so a value never brings a line break or a separator in: CR and LF are removed from every
// value and a ";" inside one becomes a blank.
#include "platform/files/TextFileRecord.h"

#include <QDate>
#include <QString>

namespace journal {

// "NouveauLivre": a book saved from the entry screen, one line however many copies. The values
// are the screen's, trimmed; the code is "00000" for a book numbered by this save.
QString newBookLine(const QDate& date, const QString& code, const QString& title, const QString& author,
                    const QString& publisher, const QString& genre);

// "Sortie": one copy lent. The code is the loan screen's (empty for a loan by copy number); for
// a periodical ("378"/"379") the title is followed by "-" and the issue. The first name is as
// written into the copy's row.
QString loanLine(const QDate& date, const QString& code, const QString& title, const QString& issue,
                 const QString& author, const QString& surname, const QString& firstName,
                 const QString& className, int borrowerNo, const QString& genre);

// "Retour": one copy returned; the code (empty for a return by copy number) is followed by the
// copy's number in brackets. A first name carrying the mark of a loan by copy number loses it.
QString returnLine(const QDate& date, const QString& code, qint64 numLivre, const QString& title,
                   const QString& author, const QString& surname, const QString& firstName,
                   const QString& className, const QString& borrowerNo, const QString& genre);

// "Inventaire": a copy found at the stock-take, with the book screen's texts as they stand.
QString inventoryLine(const QDate& date, const QString& isbn13, const QString& title, const QString& author,
                      const QString& publisher, const QString& publicationDate, const QString& pages,
                      const QString& isbn10, const QString& genre, const QString& storagePlace);

// "Suppression " (a title's only copy) or "Suppression à l'inventaire" (a further copy): a copy
// deleted from the books grid, with the values of its row.
QString deletionLine(bool atStockTake, const QDate& date, const QString& isbn13, const QString& title,
                     const QString& author, const QString& publisher, const QString& images);

// Appends the line and its CR LF to AppDir + "Journal.csv" through the record, which ends closed.
// The journal is never created here: a missing file, like one that cannot be written, loses the
// line and gives false; the event that logs keeps its own changes.
bool appendJournalLine(files::TextFileRecord& file, const QString& appDir, const QString& line);

}  // namespace journal
