#include "loans/ReturnCandidates.h"

#include "app/FrmPrin.h"
#include "app/Login.h"
#include "catalogue/BookCodes.h"
#include "loans/BorrowerPhoto.h"
#include "loans/ReturnPictures.h"
#include "loans/ReturnScreen.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace loans {

namespace {

const QString kCandidatesHeading = QStringLiteral("Liste des emprunteurs pour ce même document");
const QString kLoansHeading = QStringLiteral("Liste des livres actuellement empruntés");

}  // namespace

ReturnCandidates::ReturnCandidates(app::TFrmPrin& frm, const ReturnControls& controls)
    : m_frm(frm), m_controls(controls)
{
    const ReturnControls& c = m_controls;
    for (int k = 1; k <= int(c.stripCovers.size()); ++k)
        c.stripCovers[size_t(k - 1)]->onClick = [this, k] { stripClick(k); };
    for (int k = 1; k <= int(c.photoSlots.size()); ++k)
        c.photoSlots[size_t(k - 1)]->onClick = [this, k] { photoClick(k); };
    for (int k = 1; k <= int(c.listRows.size()); ++k)
        c.listRows[size_t(k - 1)]->onClick = [this, k] { rowClick(k); };
}

void ReturnCandidates::beginCandidates()
{
    m_controls.listHeading.setText(kCandidatesHeading);
    for (ui::Label* row : m_controls.listRows)
        row->setText(QString());
}

void ReturnCandidates::ShowCandidate(int k, const QString& borrowerNo, const QString& surname,
                                     const QString& firstName, const QString& className)
{
    const ReturnControls& c = m_controls;
    const QString text = firstName + u' ' + surname + u' ' + className;
    if (k <= int(c.listRows.size())) {
        c.listRows[size_t(k - 1)]->setText(text);
        m_candidateSlots[size_t(k - 1)] = borrowerNo;
    }
    if (k <= int(c.photoSlots.size())) {
        ui::Image& photo = *c.photoSlots[size_t(k - 1)];
        photo.setHint(text);
        showBorrowerPhoto(m_frm, photo, text::Trim(surname), text::Trim(firstName));
    }
}

void ReturnCandidates::ListBorrowerLoans(const QString& borrowerNo)
{
    const ReturnControls& c = m_controls;
    for (ui::Edit* field : bookFields(c))
        field->setText(QString());
    c.listPanel.show();
    c.listHeading.setText(kLoansHeading);
    const QString number = text::Trim(borrowerNo);
    if (catalogue::isAllDigits(number)) {
        db::Query loans(m_frm.db.ADOConnection1);
        loans.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumEmprunteur = ? ORDER BY DateRetour"), {number});
        loans.open();
        int i = 1;
        for (loans.first(); !loans.eof() && i <= int(c.listRows.size()); loans.next(), ++i) {
            LoanSlot& slot = m_loanSlots[size_t(i - 1)];
            slot.isbn13 = loans.fieldByName(QStringLiteral("Isbn13")).asString().left(20);
            slot.title = loans.fieldByName(QStringLiteral("titre")).asString().left(50);
            slot.numLivre = loans.fieldByName(QStringLiteral("NumLivre")).asString().left(20);
            const QString text = slot.isbn13 + u' ' + slot.title;
            c.listRows[size_t(i - 1)]->setText(text);
            if (i <= int(c.stripCovers.size())) {
                ui::Image& cover = *c.stripCovers[size_t(i - 1)];
                showReturnCover(m_frm, cover, loans.fieldByName(QStringLiteral("Images")).asString());
                cover.setHint(text);
            }
        }
    }
    c.cancel.show();
}

void ReturnCandidates::ShowLoanStrip(const QString& borrowerNo, StripVariant variant)
{
    const ReturnControls& c = m_controls;
    const QString number = text::Trim(borrowerNo);
    if (variant == StripVariant::InSearch && number.isEmpty()) {
        m_frm.ShowMessageEntry(207);
        return;
    }
    for (ui::Image* slot : c.stripCovers)
        slot->clearPicture();
    if (!catalogue::isAllDigits(number))
        return;
    db::Query loans(m_frm.db.ADOConnection1);
    loans.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumEmprunteur = ? ORDER BY DateRetour"), {number});
    loans.open();
    int i = 1;
    for (loans.first(); !loans.eof() && i <= int(c.stripCovers.size()); loans.next(), ++i) {
        ui::Image& cover = *c.stripCovers[size_t(i - 1)];
        showReturnCover(m_frm, cover, loans.fieldByName(QStringLiteral("Images")).asString());
        if (variant != StripVariant::AfterReturn)
            continue;
        // Each slot keeps its own copy number with its code, so a pick sends one loan whole.
        LoanSlot& slot = m_loanSlots[size_t(i - 1)];
        slot.isbn13 = loans.fieldByName(QStringLiteral("Isbn13")).asString().left(20);
        slot.title = loans.fieldByName(QStringLiteral("titre")).asString().left(50);
        slot.numLivre = loans.fieldByName(QStringLiteral("NumLivre")).asString().left(20);
        cover.setHint(slot.title);
    }
}

void ReturnCandidates::pickLoan(int k)
{
    if (!app::requireAdministrator(m_frm))
        return;
    m_controls.code.setText(m_loanSlots[size_t(k - 1)].isbn13);
    m_controls.copyNumber.setText(m_loanSlots[size_t(k - 1)].numLivre);
    m_controls.listPanel.hide();
    ClickReturnSearch(m_frm);
}

void ReturnCandidates::stripClick(int slot)
{
    pickLoan(slot);
}

void ReturnCandidates::photoClick(int slot)
{
    if (!app::requireAdministrator(m_frm))
        return;
    m_controls.borrower.setText(m_candidateSlots[size_t(slot - 1)]);
    auto& search = m_controls.search;
    if (slot == 1)
        search.show();
    search.setFocus();
    clearPhotoSlots();
    ClickReturnSearch(m_frm);
}

void ReturnCandidates::rowClick(int row)
{
    if (m_controls.code.text().isEmpty()) {
        pickLoan(row);
        return;
    }
    if (row <= 2) {
        m_controls.cancel.setFocus();
        clearPhotoSlots();
        ClickReturnSearch(m_frm);
    } else if (row <= 12) {
        m_frm.application().showMessage(QStringLiteral("Numéro emprunteur SVP"));
        m_controls.cancel.setFocus();
    } else {
        m_controls.borrower.setText(m_candidateSlots[size_t(row - 1)]);
        m_controls.search.setFocus();
        clearPhotoSlots();
        ClickReturnSearch(m_frm);
    }
}

void ReturnCandidates::clearPhotoSlots()
{
    for (ui::Image* slot : m_controls.photoSlots)
        slot->clearPicture();
}

}  // namespace loans
