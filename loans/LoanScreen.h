#pragma once
// The loan screen (Panel14): a borrower card and a book label are scanned, "Rechercher" finds
// the copies and the borrower and shows the borrower's current loans, and leaves the focus on
// "Emprunter" (Lending). The borrower the next loan goes to is only ever set by a search that
// found both the book and that borrower.
#include "loans/LoanControls.h"

#include <QDate>
#include <QString>

namespace app {
class TFrmPrin;
}
namespace db {
class Query;
}

namespace loans {

// Presses "Rechercher" the way the screen does: the pointer over it and a queued left click,
// handled once the calling handler has returned.
void ClickLoanSearch(app::TFrmPrin& frm);

class LoanScreen {
public:
    LoanScreen(app::TFrmPrin& frm, const LoanControls& controls);

    const LoanControls& controls() const { return m_controls; }

    void E1Click();
    void ShowLoanScreen();
    void Edit39Change();
    void Edit39KeyPress(QChar& key);
    void Edit41KeyPress(QChar& key);
    void Edit100KeyPress(QChar& key);
    void Button41Click();
    void Button39Click();
    void Button45Click();
    void CheckBox16Click();
    void Button42Click();
    void Button43Click();
    void RestoreLoanScreenFields();

    // What the last search found, for the loan; hasBorrower() is false until a search found the
    // book and its borrower, and again after each loan.
    const QDate& ReturnDate() const { return m_returnDate; }
    int BorrowerNo() const { return m_borrowerNo; }
    const QString& BorrowerMail() const { return m_borrowerMail; }
    bool hasBorrower() const { return m_borrowerSet; }
    void forgetBorrower() { m_borrowerSet = false; }

    // The borrower's current loans: their count, those overdue, the first four covers.
    void ShowBorrowerLoans();
    // The cover, the photo and the four covers of the current loans taken away.
    void clearPictures();

private:
    void open(bool hideComment);
    bool searchBody();
    bool findBookAndBorrower();
    // The comment mark, the lending mark and the return date as each search starts.
    void startSearch();
    // The scanned texts in the code, copy-number and borrower fields put in their own fields and
    // read as the keyboard meant them.
    void normaliseScannedFields();
    // A borrower number alone: that borrower's loans on screen.
    void showBorrowerAlone(db::Query& rows);
    // Neither a code nor a copy number: both fields marked for the librarian.
    void askForCode();
    // The code as the catalogue stores it, the book fields shown for what the search finds.
    void normaliseBookCode();
    // The found copy's title, author, barcode and cover (and with `full` its genre, place, number
    // and whether it may be lent); empty when no row was found.
    void takeBook(db::Query& rows, bool full, QString& cover, bool& lendable);
    // The found copy's cover, its lending mark and the batch borrower; false when no borrower
    // number was given.
    bool showFoundBook(const QString& cover, bool lendable);
    // The borrower's row read: true when the loan may go to him.
    bool takeBorrower(db::Query& rows);
    void computeReturnDate();
    bool showBorrowerFrom(db::Query& rows, bool fromLoans);
    void hideBorrowerFields();
    bool notInCatalogue();

    app::TFrmPrin& m_frm;
    LoanControls m_controls;
    QDate m_returnDate;
    int m_borrowerNo = 0;
    QString m_borrowerMail;
    bool m_borrowerSet = false;
};

}  // namespace loans
