#pragma once
// "Rangement" on the return screen: the return of the copy the screen has found. The copy's row
// is read first; the loan is cleared from it and the holder's count of current loans lowered in
// one transaction, then the "Retour" line goes to the journal, the cover is filed in the pupil's
// loan history, and the screen waits for the next code with the shelf picture shown.
#include <QString>

class QDate;

namespace app {
class TFrmPrin;
}
namespace db {
class Query;
}

namespace loans {

class ReturnCandidates;
class ReturnScreen;
class ReturnSearch;
struct ReturnControls;

class ReturnCopy {
public:
    ReturnCopy(app::TFrmPrin& frm, ReturnScreen& screen, ReturnSearch& search, ReturnCandidates& candidates);

    void Button48Click();

private:
    // What the copy's row says of the book given back, read before its loan is cleared.
    struct ReturnedCopy {
        qint64 numLivre;
        QString place, title, author, genre, coverName;
    };
    ReturnedCopy readReturnedCopy(db::Query& row);
    void fillHolderNames(db::Query& row);
    void giveBack(db::Query& row, qint64 holder, const ReturnedCopy& copy);
    // The "Retour" line in the journal; the librarian is told when it could not be written.
    void journalReturn(const QDate& today, const ReturnedCopy& copy, qint64 holder);
    void fileCoverInHistory(const QString& className, const QString& surname, const QString& firstName,
                            const QString& title, const QString& coverName);
    void resetScreen();
    // The picture of the copy's storage place, and the holder's remaining loans.
    void showShelfAndNextLoans(const QString& place, const QString& className);

    app::TFrmPrin& m_frm;
    ReturnScreen& m_screen;
    const ReturnControls& m_controls;
    ReturnSearch& m_search;
    ReturnCandidates& m_candidates;
};

}  // namespace loans
