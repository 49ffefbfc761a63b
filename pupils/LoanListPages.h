#pragma once
// The files of the lists screen: the list of copies out and the list of overdue copies, each as
// a CSV a spreadsheet opens and an HTML page, and the pages with covers and photos (copies out;
// overdue copies with a reminder mail link each). Every value written into a page is
// HTML-escaped; a mail link's subject and body are percent-encoded.
#include "pupils/LoanSelection.h"

#include <QStringList>

namespace pupils {

// The store whose product pages the covers of the picture pages link to: its address +
// "/gp/product/" + ISBN-10.
inline const QString kCoverLinkStore = QStringLiteral("https://www.amazon.fr");

struct PageTexts {
    QString webSite;  // the maker's address in the credit line
    QString title;
    QString heading;
};

// Two lines of Livre_retard.txt: before the title and between the title and the due date.
struct ReminderText {
    QString beforeTitle;
    QString beforeDate;
};

struct ListFiles {
    QString page;
    QString csv;
};

// Copies out: the CSV lists every row of the selection, the page those of the class.
ListFiles booksOutList(const std::vector<LoanRow>& rows, const QString& className, const PageTexts& texts);
ListFiles overdueList(const std::vector<LoanRow>& rows, const QString& className, const QDate& today,
                      const PageTexts& texts);
// Rows whose NumEmprunteur is "0" are copies in the library.
QString booksOutPicturePage(const std::vector<LoanRow>& rows, const QString& className, const PageTexts& texts);
ListFiles reminderList(const std::vector<LoanRow>& rows, const QString& className, const QDate& today,
                       const ReminderText& reminder, const PageTexts& texts);

// The reminder of one overdue copy: its subject, and the body "before title" + title + " " +
// "before date" + due date.
QString reminderSubject();
QString reminderBody(const LoanRow& row, const QDate& due, const ReminderText& reminder);
// "mailto:" + address + "?subject=…&body=…", each part percent-encoded (UTF-8).
QString mailtoAddress(const QString& mail, const QString& subject, const QString& body);

// The pupils of a class who borrowed nothing today: a line "surname;first name;class" each.
QString pupilsWithoutLoanPage(const QStringList& lines, const PageTexts& texts);

}  // namespace pupils
