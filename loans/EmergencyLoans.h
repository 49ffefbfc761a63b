#pragma once
// Loans written down on paper while the program was stopped, brought back from a text file of
// pairs of lines (a book's code, then its borrower's) after a header that ends at the first line
// holding "****". Each pair is put on the loan screen and searched; the librarian lends it and
// takes the next pair with "Emprunt Urgence suivant".
#include <QString>
#include <QStringList>
#include <optional>

namespace app {
class TFrmPrin;
}

namespace loans {

class LoanScreen;

// The entries of a file's lines: every line after the first one holding "****", at least one
// (an empty entry when the separator is the last line); nothing when no line holds it.
std::optional<QStringList> emergencyLoanEntries(const QStringList& lines);

class EmergencyLoans {
public:
    EmergencyLoans(app::TFrmPrin& frm, const LoanScreen& screen);

    void I1Click();
    void SpeedButton54Click();

private:
    // The pair starting at the slot given onto the loan screen, both slots emptied, and searched.
    void showPair(int slot);

    app::TFrmPrin& m_frm;
    const LoanScreen& m_screen;
    // One slot an entry; an entry put on the screen leaves its slot empty.
    QStringList m_slots;
};

}  // namespace loans
