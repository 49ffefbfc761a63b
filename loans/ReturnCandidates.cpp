#include "loans/ReturnCandidates.h"

#include "app/FrmPrin.h"
#include "app/Login.h"
#include "catalogue/BookCodes.h"
#include "loans/ReturnLayout.h"
#include "loans/BorrowerPhoto.h"
#include "loans/ReturnPictures.h"
#include "loans/ReturnScreen.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"

namespace loans {

namespace {

const QString kCandidatesHeading = QStringLiteral("Liste des emprunteurs pour ce même document");
const QString kLoansHeading = QStringLiteral("Liste des livres actuellement empruntés");

}  // namespace

ReturnCandidates::ReturnCandidates(app::TFrmPrin& frm) : m_frm(frm)
{
    for (int k = 1; k <= int(kReturnStripSlots.size()); ++k)
        frm.get<ui::Control>(QString::fromLatin1(kReturnStripSlots[size_t(k - 1)])).onClick = [this, k] { stripClick(k); };
    for (int k = 1; k <= int(kReturnPhotoSlots.size()); ++k)
        frm.get<ui::Control>(QString::fromLatin1(kReturnPhotoSlots[size_t(k - 1)])).onClick = [this, k] { photoClick(k); };
    for (int k = 1; k <= int(kReturnListRows.size()); ++k)
        frm.get<ui::Control>(QString::fromLatin1(kReturnListRows[size_t(k - 1)])).onClick = [this, k] { rowClick(k); };
}

void ReturnCandidates::beginCandidates()
{
    m_frm.get<ui::Control>(QStringLiteral("Label197")).setText(kCandidatesHeading);
    for (const char* row : kReturnListRows)
        m_frm.get<ui::Control>(QString::fromLatin1(row)).setText(QString());
}

void ReturnCandidates::ShowCandidate(int k, const QString& borrowerNo, const QString& surname,
                                     const QString& firstName, const QString& className)
{
    const QString text = firstName + u' ' + surname + u' ' + className;
    if (k <= int(kReturnListRows.size())) {
        m_frm.get<ui::Control>(QString::fromLatin1(kReturnListRows[size_t(k - 1)])).setText(text);
        m_candidateSlots[size_t(k - 1)] = borrowerNo;
    }
    if (k <= int(kReturnPhotoSlots.size())) {
        auto& photo = m_frm.get<ui::Image>(QString::fromLatin1(kReturnPhotoSlots[size_t(k - 1)]));
        photo.setHint(text);
        showBorrowerPhoto(m_frm, photo, text::Trim(surname), text::Trim(firstName));
    }
}

void ReturnCandidates::ListBorrowerLoans(const QString& borrowerNo)
{
    for (const char* field : kReturnBookFields)
        m_frm.get<ui::CustomEdit>(QString::fromLatin1(field)).setText(QString());
    m_frm.get<ui::Control>(QStringLiteral("Panel23")).show();
    m_frm.get<ui::Control>(QStringLiteral("Label197")).setText(kLoansHeading);
    const QString number = text::Trim(borrowerNo);
    if (catalogue::isAllDigits(number)) {
        db::Query loans(m_frm.db.ADOConnection1);
        loans.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumEmprunteur = ? ORDER BY DateRetour"), {number});
        loans.open();
        int i = 1;
        for (loans.first(); !loans.eof() && i <= int(kReturnListRows.size()); loans.next(), ++i) {
            LoanSlot& slot = m_loanSlots[size_t(i - 1)];
            slot.isbn13 = loans.fieldByName(QStringLiteral("Isbn13")).asString().left(20);
            slot.title = loans.fieldByName(QStringLiteral("titre")).asString().left(50);
            slot.numLivre = loans.fieldByName(QStringLiteral("NumLivre")).asString().left(20);
            const QString text = slot.isbn13 + u' ' + slot.title;
            m_frm.get<ui::Control>(QString::fromLatin1(kReturnListRows[size_t(i - 1)])).setText(text);
            if (i <= int(kReturnStripSlots.size())) {
                auto& cover = m_frm.get<ui::Image>(QString::fromLatin1(kReturnStripSlots[size_t(i - 1)]));
                showReturnCover(m_frm, cover, loans.fieldByName(QStringLiteral("Images")).asString());
                cover.setHint(text);
            }
        }
    }
    m_frm.get<ui::Control>(QStringLiteral("Button49")).show();
}

void ReturnCandidates::ShowLoanStrip(const QString& borrowerNo, StripVariant variant)
{
    const QString number = text::Trim(borrowerNo);
    if (variant == StripVariant::InSearch && number.isEmpty()) {
        m_frm.ShowMessageEntry(207);
        return;
    }
    for (const char* slot : kReturnStripSlots)
        m_frm.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
    if (!catalogue::isAllDigits(number))
        return;
    db::Query loans(m_frm.db.ADOConnection1);
    loans.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumEmprunteur = ? ORDER BY DateRetour"), {number});
    loans.open();
    int i = 1;
    for (loans.first(); !loans.eof() && i <= int(kReturnStripSlots.size()); loans.next(), ++i) {
        auto& cover = m_frm.get<ui::Image>(QString::fromLatin1(kReturnStripSlots[size_t(i - 1)]));
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
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit48")).setText(m_loanSlots[size_t(k - 1)].isbn13);
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit134")).setText(m_loanSlots[size_t(k - 1)].numLivre);
    m_frm.get<ui::Control>(QStringLiteral("Panel23")).hide();
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
    m_frm.get<ui::CustomEdit>(QStringLiteral("Edit49")).setText(m_candidateSlots[size_t(slot - 1)]);
    auto& search = m_frm.get<ui::WinControl>(QStringLiteral("Button46"));
    if (slot == 1)
        search.show();
    search.setFocus();
    clearPhotoSlots();
    ClickReturnSearch(m_frm);
}

void ReturnCandidates::rowClick(int row)
{
    if (m_frm.get<ui::CustomEdit>(QStringLiteral("Edit48")).text().isEmpty()) {
        pickLoan(row);
        return;
    }
    if (row <= 2) {
        m_frm.get<ui::WinControl>(QStringLiteral("Button49")).setFocus();
        clearPhotoSlots();
        ClickReturnSearch(m_frm);
    } else if (row <= 12) {
        m_frm.application().showMessage(QStringLiteral("Numéro emprunteur SVP"));
        m_frm.get<ui::WinControl>(QStringLiteral("Button49")).setFocus();
    } else {
        m_frm.get<ui::CustomEdit>(QStringLiteral("Edit49")).setText(m_candidateSlots[size_t(row - 1)]);
        m_frm.get<ui::WinControl>(QStringLiteral("Button46")).setFocus();
        clearPhotoSlots();
        ClickReturnSearch(m_frm);
    }
}

void ReturnCandidates::clearPhotoSlots()
{
    for (const char* slot : kReturnPhotoSlots)
        m_frm.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
}

}  // namespace loans
