#pragma once
// The return screen (Panel15): its opening, the look-up of a complete code on every change of
// the code field, Enter in its fields and "Annuler". The search ("Chercher") is ReturnSearch,
// the return itself ("Rangement") ReturnCopy, the list panel and strips ReturnCandidates.
#include "loans/ReturnControls.h"

#include <QString>

namespace app {
class TFrmPrin;
}
namespace db {
class Query;
}

namespace loans {

class ReturnCandidates;

// The pointer to (70, 550) and a click there, which presses "Chercher".
void ClickReturnSearch(app::TFrmPrin& frm);

class ReturnScreen {
public:
    ReturnScreen(app::TFrmPrin& frm, const ReturnControls& controls, ReturnCandidates& candidates);

    const ReturnControls& controls() const { return m_controls; }

    // Menu Emprunts > "&Retours", the toolbar's "Rendre" and the control word RETPRET elsewhere.
    void ShowReturnScreen();
    void Edit48Change();
    void Edit48KeyPress(QChar& key);
    void Edit49KeyPress(QChar& key);
    void Edit101KeyPress(QChar& key);
    void Button49Click();

    // The holders of the title in the code field.
    void FindReturnCandidates();

    // The borrower number of the loan the last look-up or search ended on.
    QString ReturnBorrowerNo;
    // The last look-up found exactly one holder (read by the search).
    bool ReturnSingleMatch = false;

    // The result fields hidden, as the screen waits for a code.
    void hideResultFields();

private:
    // One holder's loan of the title looked up: its borrower and its book's values.
    struct HeldLoan {
        QString borrowerNo, surname, firstName, className, cover, title, author, genre, place, dueDate;
    };
    // The pictures of an earlier look-up taken away.
    void clearLookUpPictures();
    // The code field's text as the look-up reads it: an internal code out of its zeros, an
    // ISBN-10 as its ISBN-13.
    void normaliseLookUpCode();
    // The holders among the rows, each shown as a candidate; `loan` is the last one's.
    int listCandidates(db::Query& rows, HeldLoan& loan);
    // The title is in the catalogue but no copy is out.
    void noHolder(db::Query& rows);
    // One holder: his loan on screen, ready for "Rangement".
    void showSingleHolder(const HeldLoan& loan);
    // Several holders: the borrower number is asked for.
    void askWhichHolder();
    // The message, the code field emptied and focused, the book fields hidden, no cover.
    void nothingToReturn(int message);

    app::TFrmPrin& m_frm;
    ReturnControls m_controls;
    ReturnCandidates& m_candidates;
};

}  // namespace loans
