#pragma once
// "Emprunter": one copy lent to the borrower the last search found. The copy's row and the
// borrower's counters change together or not at all; the journal's "Sortie" line follows once
// they are written, so the journal never holds a loan the database lost.
#include <QString>

namespace app {
class TFrmPrin;
}
namespace db {
class Query;
}

namespace loans {

class LoanScreen;

// The five-digit count of loans of a copy after one more: the last five digits of the number.
QString nextLoanCount(const QString& previous);

class Lending {
public:
    Lending(app::TFrmPrin& frm, LoanScreen& screen);

    void Button40Click();

private:
    // The free copy the loan takes, as the current row of `rows`; false (with the screen's
    // message) when there is none.
    bool chooseCopy(db::Query& rows, bool byCopyNumber);
    void lend(db::Query& rows, bool byCopyNumber);
    void resetScreen();

    app::TFrmPrin& m_frm;
    LoanScreen& m_screen;
};

}  // namespace loans
