#pragma once
// The picking side of the return screen: the list panel (Panel23) in candidate mode (the pupils
// who hold the title just scanned, with their photos) or loan-list mode (one pupil's loans), the
// strip of four covers and the five photo slots. Every pick fills the fields and presses
// "Chercher" by the screen's simulated click.
#include "loans/ReturnControls.h"

#include <QString>
#include <array>

namespace app {
class TFrmPrin;
}

namespace loans {

class ReturnCandidates {
public:
    ReturnCandidates(app::TFrmPrin& frm, const ReturnControls& controls);

    // Candidate mode: the heading and 14 empty rows.
    void beginCandidates();
    // Candidate k (from 1): row k up to 14 and photo slot k up to 5.
    void ShowCandidate(int k, const QString& borrowerNo, const QString& surname, const QString& firstName,
                       const QString& className);
    // Loan-list mode for the borrower number: the book fields emptied, the panel shown, the loans
    // in due-date order in the rows and the first four covers in the strip. A text that is no
    // borrower number lists nothing.
    void ListBorrowerLoans(const QString& borrowerNo);

    enum class StripVariant { AfterLookUp, InSearch, AfterReturn };
    // The borrower's first four loans in the cover strip; after a return their titles become the
    // hints and the slots take each loan's code, title and copy number.
    void ShowLoanStrip(const QString& borrowerNo, StripVariant variant);

    // The picks.
    void stripClick(int slot);
    void photoClick(int slot);
    void rowClick(int row);

    struct LoanSlot {
        QString isbn13;
        QString title;
        QString numLivre;
    };
    const LoanSlot& loanSlot(int k) const { return m_loanSlots[size_t(k - 1)]; }
    const QString& candidateSlot(int k) const { return m_candidateSlots[size_t(k - 1)]; }

private:
    void clearPhotoSlots();
    void pickLoan(int k);

    app::TFrmPrin& m_frm;
    ReturnControls m_controls;
    std::array<LoanSlot, 14> m_loanSlots;
    std::array<QString, 14> m_candidateSlots;
};

}  // namespace loans
