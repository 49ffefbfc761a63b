#include "loans/ReturnSearch.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/IsbnConversions.h"
#include "loans/BorrowerPhoto.h"
#include "loans/ControlGroups.h"
#include "loans/ReturnCandidates.h"
#include "loans/ReturnLayout.h"
#include "loans/ReturnPictures.h"
#include "loans/ReturnScreen.h"
#include "loans/ScannedCode.h"
#include "platform/db/FieldText.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

#include <optional>

namespace loans {

namespace {

// The labels and fields of a found loan, the borrower's with them.
std::array<ui::Control*, 17> shownFields(const ReturnControls& c)
{
    return {&c.borrowerLabel, &c.surnameLabel, &c.firstNameLabel, &c.classLabel, &c.titleLabel, &c.authorLabel,
            &c.genreLabel,    &c.borrower,     &c.surname,        &c.firstName,  &c.className,  &c.dueDate,
            &c.dueDateLabel,  &c.title,        &c.author,         &c.genre,      &c.place};
}

QString padToFive(const QString& code)
{
    return code.size() < 5 ? QString(5 - code.size(), u'0') + code : code;
}

}  // namespace

ReturnSearch::ReturnSearch(app::TFrmPrin& frm, ReturnScreen& screen, ReturnCandidates& candidates)
    : m_frm(frm), m_screen(screen), m_controls(screen.controls()), m_candidates(candidates)
{
    m_controls.search.onClick = [this] { Button46Click(); };
}

void ReturnSearch::fillBookFields(db::DataSet& row)
{
    const bool onRow = !row.isEmpty() && !row.eof();
    const char* columns[] = {"Titre", "Auteur", "Genre", "LieuRangement"};
    const auto fields = bookFields(m_controls);
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(onRow ? fieldText(row, columns[i]) : QString());
}

void ReturnSearch::backToCode()
{
    auto& code = m_controls.code;
    code.setText(QString());
    code.setFocus();
    auto& issue = m_controls.issue;
    issue.setText(QString());
    issue.hide();
}

void ReturnSearch::ShowReturnFields()
{
    const ReturnControls& c = m_controls;
    setShown(shownFields(c), true);
    m_screen.ReturnSingleMatch = false;
    auto& borrower = c.borrower;
    borrower.setFocus();
    borrower.setColor(ui::colors::yellow);
    c.search.show();
    c.store.hide();
    if (!c.copyNumber.text().isEmpty() && c.code.text().isEmpty()) {
        c.listPanel.hide();
        m_screen.ReturnSingleMatch = true;
    }
}

void ReturnSearch::Button46Click()
{
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.code;
    auto& copyNumber = m_controls.copyNumber;
    auto& borrower = m_controls.borrower;

    m_controls.listPanel.hide();
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowLoanScreen"));
        return;
    }
    normaliseSearchFields();
    for (ui::Label* row : m_controls.listRows)
        row->setText(QString());
    if (code.text().isEmpty() && copyNumber.text().isEmpty() && !borrower.text().isEmpty()) {
        listBorrowerLoans();
        return;
    }
    startCodeSearch();
    FindCopyByNumber();
    if (code.text().isEmpty() || !copyNumber.text().isEmpty())
        return;

    const QString remembered = code.text();
    code.setText(withoutLeadingZeroOfSix(code.text()));
    int count = 0;
    if (code.text().size() < 6 && borrower.text().isEmpty() && copyNumber.text().isEmpty()) {
        db::Query internal(f.db.ADOConnection1);
        internal.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NumLivre"),
                        {text::Trim(code.text())});
        internal.open();
        code.setText(internal.isEmpty() ? QString() : fieldText(internal, "Isbn13"));
        count = internal.recordCount();
    }
    if (count == 0)
        code.setText(remembered);
    code.setText(FixAzertyDigitsByChar(code.text()));
    if (isIsbn10Form(code.text()))
        code.setText(catalogue::Isbn10To13(code.text()));
    code.setText(upcToEan13(code.text()));
    findHeldCopies();
}

// The copies of the code that are out, then the one the borrower in the field holds.
void ReturnSearch::findHeldCopies()
{
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.code;
    auto& borrower = m_controls.borrower;
    auto& issue = m_controls.issue;
    int count = 0;

    db::Query rows(f.db.ADOConnection1);
    auto search = [&](const QString& codeText, const std::optional<QString>& issueNumber, bool onlyOut) {
        QString sql = QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ?");
        db::Params params{text::Trim(codeText)};
        if (issueNumber) {
            sql += QStringLiteral(" AND Isbn10 = ?");
            params.add(*issueNumber);
        }
        if (onlyOut)
            sql += QStringLiteral(" AND NumEmprunteur <> 0");
        rows.setSql(sql + QStringLiteral(" ORDER BY NumLivre"), params);
        rows.open();
        return rows.recordCount();
    };

    if (catalogue::isPressCode(code.text())) {
        if (issue.text().isEmpty()) {
            issue.setFocus();
            issue.setColor(ui::colors::yellow);
            return;
        }
        if (issue.text().startsWith(u'0'))
            f.MovePointer(70, 670);
        issue.setText(NormaliseIssueNumber(issue.text(), false));
        const QString issueNumber = text::Trim(issue.text());
        count = search(code.text(), issueNumber, true);
        if (count == 0)
            count = search(padToFive(code.text()), issueNumber, false);
    } else {
        count = search(code.text(), std::nullopt, true);
        if (count == 0 && code.text().size() < 5) {
            code.setText(padToFive(code.text()));
            count = search(code.text(), std::nullopt, true);
        }
    }
    // Several holders and no borrower number: the number is asked for.
    if (count > 1 && borrower.text().isEmpty()) {
        rows.first();
        fillBookFields(rows);
        ShowReturnFields();
        return;
    }
    if (count == 1) {
        rows.first();
        borrower.setText(fieldText(rows, "NumEmprunteur"));
        if (catalogue::isPressCode(code.text())) {
            // A periodical's issue is matched among that borrower's loans.
            fillBookFields(rows);
            const qint64 holder = rows.fieldByName(QStringLiteral("NumEmprunteur")).asInteger();
            rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumEmprunteur = ?"), {holder});
            rows.open();
            for (ui::Image* slot : m_controls.stripCovers)
                slot->clearPicture();
        }
    }
    matchBorrower(rows);
}

void ReturnSearch::normaliseSearchFields()
{
    const ReturnControls& c = m_controls;
    auto& code = c.code;
    auto& copyNumber = c.copyNumber;
    auto& borrower = c.borrower;
    borrower.setText(FixAzertyDigits(borrower.text()));
    if (isBorrowerCard(borrower.text()))
        borrower.setText(QString::number(borrowerNumber(withoutPrefix(borrower.text()))));
    code.setText(FixAzertyDigits(code.text()));
    if (isCopyLabel(copyNumber.text())) {
        copyNumber.setText(withoutPrefix(copyNumber.text()));
        code.setText(QString());
    }
    if (isCopyLabel(code.text())) {
        copyNumber.setText(withoutPrefix(code.text()));
        code.setText(QString());
    }
    copyNumber.setText(FixAzertyDigits(copyNumber.text()));
}

void ReturnSearch::listBorrowerLoans()
{
    m_candidates.ListBorrowerLoans(m_controls.borrower.text());
    ShowReturnFields();
    m_controls.cancel.show();
}

void ReturnSearch::startCodeSearch()
{
    const ReturnControls& c = m_controls;
    for (ui::Image* picture : {&c.cover, &c.photo, &c.shelfPicture})
        picture->clearPicture();
    c.cover.setBounds(returnLayout::kCover);
    auto& code = c.code;
    code.setText(FixAzertyDigits(code.text()));
    if (isIsbn10Form(code.text()))
        code.setText(catalogue::Isbn10To13(code.text()));
}

// Walks the rows for the copy the borrower in the field holds with this code.
void ReturnSearch::matchBorrower(db::DataSet& rows)
{
    app::TFrmPrin& f = m_frm;
    const ReturnControls& c = m_controls;
    auto& code = c.code;
    auto& borrower = c.borrower;

    rows.first();
    c.holders.setText(rows.isEmpty() ? QString() : text::Trim(fieldText(rows, "EmpNom")));
    setShown(bookFields(c), true);
    if (!rows.isEmpty() && !fieldText(rows, "NumEmprunteur").isEmpty() && m_screen.ReturnSingleMatch)
        borrower.setText(fieldText(rows, "NumEmprunteur"));

    struct Held {
        QString title, borrowerNo, surname, firstName, className, cover;
    } held;
    bool found = false;
    int count = 0;
    for (; !rows.eof(); rows.next()) {
        if (fieldText(rows, "NumEmprunteur") == borrower.text()) {
            ++count;
            if (fieldText(rows, "Isbn13") == code.text()) {
                held = Held{fieldText(rows, "Titre"), fieldText(rows, "NumEmprunteur"), fieldText(rows, "EmpNom"),
                            fieldText(rows, "EmpPrenom"), fieldText(rows, "EmpClasse"), text::Trim(fieldText(rows, "Images"))};
                found = true;
            }
        }
        if (!borrower.text().isEmpty())
            count = 1;
    }
    c.holders.setText(QString::number(count));

    if (count == 0) {
        noCopyHeld(rows);
        return;
    }

    c.title.setText(held.title);
    c.surname.setText(held.surname);
    c.firstName.setText(held.firstName);
    borrower.setText(found ? held.borrowerNo : QStringLiteral("0"));
    m_screen.ReturnBorrowerNo = borrower.text();
    showReturnCover(f, c.cover, held.cover);
    const QString number = text::Trim(borrower.text());
    if (catalogue::isAllDigits(number)) {
        db::Query person(f.db.ADOConnection1);
        person.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = ?"), {number});
        person.open();
        if (!person.isEmpty()) {
            c.className.setText(fieldText(person, "Classe"));
            showBorrowerPhoto(f, c.photo, fieldText(person, "EmpNom"), fieldText(person, "EmpPrenom"));
        }
    }
    if (!c.surname.text().isEmpty())
        showHeldCopy();
    else
        unknownHolder();
}

void ReturnSearch::noCopyHeld(db::DataSet& rows)
{
    const ReturnControls& c = m_controls;
    fillBookFields(rows);
    const QString title = c.title.text();
    showReturnCover(m_frm, c.cover, rows.isEmpty() || rows.eof() ? QString() : fieldText(rows, "Images"));
    m_frm.ShowMessageEntry(209);
    backToCode();
    setShown(bookFields(c), false);
    if (title.isEmpty())
        c.cover.clearPicture();
    else
        c.store.hide();
}

void ReturnSearch::showHeldCopy()
{
    const ReturnControls& c = m_controls;
    setShown(shownFields(c), true);
    c.search.hide();
    c.store.show();
    c.store.setFocus();
    c.cancel.show();
}

void ReturnSearch::unknownHolder()
{
    const ReturnControls& c = m_controls;
    m_frm.ShowMessageEntry(210);
    backToCode();
    c.store.hide();
    setShown(bookFields(c), false);
    clearTexts({&c.surname, &c.firstName, &c.className, &c.title, &c.author, &c.genre, &c.place, &c.borrower,
                &c.dueDate});
}

void ReturnSearch::FindCopyByNumber()
{
    app::TFrmPrin& f = m_frm;
    const ReturnControls& c = m_controls;
    auto& copyNumber = c.copyNumber;
    auto& borrower = c.borrower;
    if (copyNumber.text().isEmpty()) {
        if (borrower.text().isEmpty())
            f.ShowMessageEntry(207);
        else
            m_candidates.ShowLoanStrip(borrower.text(), ReturnCandidates::StripVariant::InSearch);
        return;
    }
    const QString number = text::Trim(copyNumber.text());
    db::Query row(f.db.ADOConnection1);
    // Only a number can be a copy number: any other text names no copy.
    if (catalogue::isAllDigits(number)) {
        row.setSql(QStringLiteral("SELECT * FROM table1 WHERE numlivre = ?"), {number});
        row.open();
    }
    const bool exists = row.active() && !row.isEmpty();
    if (!exists || row.fieldByName(QStringLiteral("NumEmprunteur")).asInteger() == 0) {
        copyNotOut(exists);
        return;
    }
    m_screen.ReturnSingleMatch = true;
    fillBookFields(row);
    c.surname.setText(fieldText(row, "EmpNom"));
    c.firstName.setText(fieldText(row, "EmpPrenom"));
    c.className.setText(fieldText(row, "EmpClasse"));
    borrower.setText(fieldText(row, "NumEmprunteur"));
    showReturnCover(f, c.cover, fieldText(row, "Images"));
    db::Query person(f.db.ADOConnection1);
    person.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = ?"),
                  {row.fieldByName(QStringLiteral("NumEmprunteur")).asInteger()});
    person.open();
    if (!person.isEmpty())
        showBorrowerPhoto(f, c.photo, fieldText(person, "EmpNom"), fieldText(person, "EmpPrenom"));
    ShowReturnFields();
    c.search.hide();
    c.store.show();
    c.store.setFocus();
    c.cancel.show();
    f.MovePointer(70, 670);
    m_candidates.ShowLoanStrip(borrower.text(), ReturnCandidates::StripVariant::InSearch);
}

void ReturnSearch::copyNotOut(bool exists)
{
    const ReturnControls& c = m_controls;
    m_frm.ShowMessageEntry(exists ? 209 : 208);
    c.code.setText(QString());
    c.copyNumber.setText(QString());
    setShown({&c.title, &c.author, &c.genre}, false);
    c.place.setVisible(!exists);
    c.cover.clearPicture();
    backToCode();
}

}  // namespace loans
