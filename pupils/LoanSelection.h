#pragma once
// The copies the lists of the desk read: the selection rule of their three filters, the copy
// rows with the values the lists print, the class filter of the pages and the due date.
#include "platform/db/Params.h"

#include <QDate>
#include <QString>
#include <vector>

namespace db {
class Connection;
}

namespace pupils {

struct ListFilters {
    QString bookCode;        // Isbn13
    QString title;           // beginning of the title
    QString borrowerNumber;  // a whole number
};

// The last non-empty filter replaces the list's own statement (book code, then title, then
// borrower number); the filters are not limited to copies out. A borrower number that is not a
// whole number is refused with the conversion error, before any statement runs.
db::Command listSelection(const QString& defaultSql, const ListFilters& filters);

struct LoanRow {
    QString numLivre;
    QString title;
    QString author;
    QString genre;
    QString storagePlace;
    QString isbn13;
    QString images;
    QString surname;
    QString firstName;
    QString className;
    QString borrowerNumber;
    QString returnDate;
    QString mail;  // the borrower's mail copied into the copy at the loan
};

std::vector<LoanRow> loanRows(db::Connection& connection, const db::Command& selection);

// An empty class picker takes every row; otherwise the copy's class must be the same text.
bool inClass(const LoanRow& row, const QString& className);

// The copy's code: Isbn13, or for a periodical issue (a cover name longer than 17 characters)
// the first 19 characters of the cover name, code and issue number. The CSV files put `prefix`
// ("'") before an Isbn13, so that a spreadsheet keeps it as text.
QString codeValue(const LoanRow& row, const QString& prefix = {});

// DateRetour; today when empty. A text that is no date is the conversion error.
QDate dueDate(const LoanRow& row, const QDate& today);
bool isOverdue(const LoanRow& row, const QDate& today);

}  // namespace pupils
