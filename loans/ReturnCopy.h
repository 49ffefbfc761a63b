#pragma once
// "Rangement" on the return screen: the return of the copy the screen has found. The copy's row
// is read first; the loan is cleared from it and the holder's count of current loans lowered in
// one transaction, then the "Retour" line goes to the journal, the cover is filed in the pupil's
// loan history, and the screen waits for the next code with the shelf picture shown.
#include <QString>

namespace app {
class TFrmPrin;
}

namespace loans {

class ReturnCandidates;
class ReturnScreen;
class ReturnSearch;

class ReturnCopy {
public:
    ReturnCopy(app::TFrmPrin& frm, ReturnScreen& screen, ReturnSearch& search, ReturnCandidates& candidates);

    void Button48Click();

private:
    void fileCoverInHistory(const QString& className, const QString& surname, const QString& firstName,
                            const QString& title, const QString& coverName);
    void resetScreen();

    app::TFrmPrin& m_frm;
    ReturnScreen& m_screen;
    ReturnSearch& m_search;
    ReturnCandidates& m_candidates;
};

}  // namespace loans
