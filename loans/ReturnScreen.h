#pragma once
// The return screen (Panel15): its opening, the look-up of a complete code on every change of
// the code field, Enter in its fields and "Annuler". The search ("Chercher") is ReturnSearch,
// the return itself ("Rangement") ReturnCopy, the list panel and strips ReturnCandidates.
#include <QString>

namespace app {
class TFrmPrin;
}

namespace loans {

class ReturnCandidates;

// The pointer to (70, 550) and a click there, which presses "Chercher".
void ClickReturnSearch(app::TFrmPrin& frm);

class ReturnScreen {
public:
    ReturnScreen(app::TFrmPrin& frm, ReturnCandidates& candidates);

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

private:
    // The result fields hidden, as the screen waits for a code.
    void hideResultFields();
    // The message, the code field emptied and focused, the book fields hidden, no cover.
    void nothingToReturn(int message);

    app::TFrmPrin& m_frm;
    ReturnCandidates& m_candidates;
};

}  // namespace loans
