#include "loans/ReturnSearch.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/IsbnConversions.h"
#include "loans/ReturnCandidates.h"
#include "loans/ReturnLayout.h"
#include "loans/BorrowerPhoto.h"
#include "loans/ReturnPictures.h"
#include "loans/ReturnScreen.h"
#include "loans/ScannedCode.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"

#include <optional>

namespace loans {

namespace {

constexpr const char* kShownFields[] = {"Label91", "Label92", "Label93", "Label94", "Label95", "Label212",
                                        "Label214", "Edit49",  "Edit50",  "Edit51",  "Edit52",  "Edit132",
                                        "Label207", "Edit53",  "Edit135", "Edit137", "Edit140"};

QString padToFive(const QString& code)
{
    return code.size() < 5 ? QString(5 - code.size(), u'0') + code : code;
}

QString text(db::DataSet& rows, const char* field)
{
    return rows.fieldByName(QString::fromLatin1(field)).asString();
}

}  // namespace

ReturnSearch::ReturnSearch(app::TFrmPrin& frm, ReturnScreen& screen, ReturnCandidates& candidates)
    : m_frm(frm), m_screen(screen), m_candidates(candidates)
{
    frm.get<ui::Control>(QStringLiteral("Button46")).onClick = [this] { Button46Click(); };
}

void ReturnSearch::fillBookFields(db::DataSet& row)
{
    const bool onRow = !row.isEmpty() && !row.eof();
    const char* columns[] = {"Titre", "Auteur", "Genre", "LieuRangement"};
    for (size_t i = 0; i < kReturnBookFields.size(); ++i)
        m_frm.get<ui::CustomEdit>(QString::fromLatin1(kReturnBookFields[i])).setText(onRow ? text(row, columns[i]) : QString());
}

void ReturnSearch::backToCode()
{
    auto& code = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit48"));
    code.setText(QString());
    code.setFocus();
    auto& issue = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit101"));
    issue.setText(QString());
    issue.hide();
}

void ReturnSearch::ShowReturnFields()
{
    for (const char* name : kShownFields)
        m_frm.get<ui::Control>(QString::fromLatin1(name)).show();
    m_screen.ReturnSingleMatch = false;
    auto& borrower = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit49"));
    borrower.setFocus();
    borrower.setColor(ui::colors::yellow);
    m_frm.get<ui::Control>(QStringLiteral("Button46")).show();
    m_frm.get<ui::Control>(QStringLiteral("Button48")).hide();
    if (!m_frm.get<ui::CustomEdit>(QStringLiteral("Edit134")).text().isEmpty()
        && m_frm.get<ui::CustomEdit>(QStringLiteral("Edit48")).text().isEmpty()) {
        m_frm.get<ui::Control>(QStringLiteral("Panel23")).hide();
        m_screen.ReturnSingleMatch = true;
    }
}

void ReturnSearch::Button46Click()
{
    app::TFrmPrin& f = m_frm;
    auto edit = [&f](const char* name) -> ui::CustomEdit& { return f.get<ui::CustomEdit>(QString::fromLatin1(name)); };
    auto& code = edit("Edit48");
    auto& copyNumber = edit("Edit134");
    auto& borrower = edit("Edit49");
    auto& issue = edit("Edit101");

    f.get<ui::Control>(QStringLiteral("Panel23")).hide();
    if (code.text() == kSwitchDeskWord) {
        f.handlers.run(QStringLiteral("ShowLoanScreen"));
        return;
    }
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
    for (const char* row : kReturnListRows)
        f.get<ui::Control>(QString::fromLatin1(row)).setText(QString());

    if (code.text().isEmpty() && copyNumber.text().isEmpty() && !borrower.text().isEmpty()) {
        m_candidates.ListBorrowerLoans(borrower.text());
        ShowReturnFields();
        f.get<ui::Control>(QStringLiteral("Button49")).show();
        return;
    }

    auto& cover = f.get<ui::Image>(QStringLiteral("Image45"));
    for (const char* name : {"Image45", "Image46", "Image47"})
        f.get<ui::Image>(QString::fromLatin1(name)).clearPicture();
    cover.setBounds(returnLayout::kCover);
    code.setText(FixAzertyDigits(code.text()));
    if (isIsbn10Form(code.text()))
        code.setText(catalogue::Isbn10To13(code.text()));

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
        code.setText(internal.isEmpty() ? QString() : text(internal, "Isbn13"));
        count = internal.recordCount();
    }
    if (count == 0)
        code.setText(remembered);
    code.setText(FixAzertyDigitsByChar(code.text()));
    if (isIsbn10Form(code.text()))
        code.setText(catalogue::Isbn10To13(code.text()));
    code.setText(upcToEan13(code.text()));

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
        borrower.setText(text(rows, "NumEmprunteur"));
        if (catalogue::isPressCode(code.text())) {
            // A periodical's issue is matched among that borrower's loans.
            fillBookFields(rows);
            const qint64 holder = rows.fieldByName(QStringLiteral("NumEmprunteur")).asInteger();
            rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumEmprunteur = ?"), {holder});
            rows.open();
            for (const char* slot : kReturnStripSlots)
                f.get<ui::Image>(QString::fromLatin1(slot)).clearPicture();
        }
    }
    matchBorrower(rows);
}

// Walks the rows for the copy the borrower in the field holds with this code.
void ReturnSearch::matchBorrower(db::DataSet& rows)
{
    app::TFrmPrin& f = m_frm;
    auto edit = [&f](const char* name) -> ui::CustomEdit& { return f.get<ui::CustomEdit>(QString::fromLatin1(name)); };
    auto& code = edit("Edit48");
    auto& borrower = edit("Edit49");
    auto& cover = f.get<ui::Image>(QStringLiteral("Image45"));

    rows.first();
    edit("Edit54").setText(rows.isEmpty() ? QString() : text::Trim(text(rows, "EmpNom")));
    for (const char* name : kReturnBookFields)
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    if (!rows.isEmpty() && !text(rows, "NumEmprunteur").isEmpty() && m_screen.ReturnSingleMatch)
        borrower.setText(text(rows, "NumEmprunteur"));

    struct Held {
        QString title, borrowerNo, surname, firstName, className, cover;
    } held;
    bool found = false;
    int count = 0;
    for (; !rows.eof(); rows.next()) {
        if (text(rows, "NumEmprunteur") == borrower.text()) {
            ++count;
            if (text(rows, "Isbn13") == code.text()) {
                held = Held{text(rows, "Titre"), text(rows, "NumEmprunteur"), text(rows, "EmpNom"),
                            text(rows, "EmpPrenom"), text(rows, "EmpClasse"), text::Trim(text(rows, "Images"))};
                found = true;
            }
        }
        if (!borrower.text().isEmpty())
            count = 1;
    }
    edit("Edit54").setText(QString::number(count));

    if (count == 0) {
        fillBookFields(rows);
        const QString title = edit("Edit53").text();
        showReturnCover(f, cover, rows.isEmpty() || rows.eof() ? QString() : text(rows, "Images"));
        f.ShowMessageEntry(209);
        backToCode();
        for (const char* name : kReturnBookFields)
            f.get<ui::Control>(QString::fromLatin1(name)).hide();
        if (title.isEmpty())
            cover.clearPicture();
        else
            f.get<ui::Control>(QStringLiteral("Button48")).hide();
        return;
    }

    edit("Edit53").setText(held.title);
    edit("Edit50").setText(held.surname);
    edit("Edit51").setText(held.firstName);
    borrower.setText(found ? held.borrowerNo : QStringLiteral("0"));
    m_screen.ReturnBorrowerNo = borrower.text();
    showReturnCover(f, cover, held.cover);
    const QString number = text::Trim(borrower.text());
    if (catalogue::isAllDigits(number)) {
        db::Query person(f.db.ADOConnection1);
        person.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = ?"), {number});
        person.open();
        if (!person.isEmpty()) {
            edit("Edit52").setText(text(person, "Classe"));
            showBorrowerPhoto(f, f.get<ui::Image>(QStringLiteral("Image46")), text(person, "EmpNom"),
                              text(person, "EmpPrenom"));
        }
    }
    if (!edit("Edit50").text().isEmpty()) {
        for (const char* name : kShownFields)
            f.get<ui::Control>(QString::fromLatin1(name)).show();
        f.get<ui::Control>(QStringLiteral("Button46")).hide();
        auto& store = f.get<ui::WinControl>(QStringLiteral("Button48"));
        store.show();
        store.setFocus();
        f.get<ui::Control>(QStringLiteral("Button49")).show();
        return;
    }
    f.ShowMessageEntry(210);
    backToCode();
    f.get<ui::Control>(QStringLiteral("Button48")).hide();
    for (const char* name : kReturnBookFields)
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
    for (const char* name : {"Edit50", "Edit51", "Edit52", "Edit53", "Edit135", "Edit137", "Edit140", "Edit49", "Edit132"})
        edit(name).setText(QString());
}

void ReturnSearch::FindCopyByNumber()
{
    app::TFrmPrin& f = m_frm;
    auto edit = [&f](const char* name) -> ui::CustomEdit& { return f.get<ui::CustomEdit>(QString::fromLatin1(name)); };
    auto& copyNumber = edit("Edit134");
    auto& borrower = edit("Edit49");
    if (copyNumber.text().isEmpty()) {
        if (borrower.text().isEmpty())
            f.ShowMessageEntry(207);
        else
            m_candidates.ShowLoanStrip(borrower.text(), ReturnCandidates::StripVariant::InSearch);
        return;
    }
    auto& cover = f.get<ui::Image>(QStringLiteral("Image45"));
    const QString number = text::Trim(copyNumber.text());
    db::Query row(f.db.ADOConnection1);
    // Only a number can be a copy number: any other text names no copy.
    if (catalogue::isAllDigits(number)) {
        row.setSql(QStringLiteral("SELECT * FROM table1 WHERE numlivre = ?"), {number});
        row.open();
    }
    const bool exists = row.active() && !row.isEmpty();
    if (!exists || row.fieldByName(QStringLiteral("NumEmprunteur")).asInteger() == 0) {
        f.ShowMessageEntry(exists ? 209 : 208);
        edit("Edit48").setText(QString());
        copyNumber.setText(QString());
        for (const char* name : {"Edit53", "Edit135", "Edit137"})
            f.get<ui::Control>(QString::fromLatin1(name)).hide();
        f.get<ui::Control>(QStringLiteral("Edit140")).setVisible(!exists);
        cover.clearPicture();
        backToCode();
        return;
    }
    m_screen.ReturnSingleMatch = true;
    fillBookFields(row);
    edit("Edit50").setText(text(row, "EmpNom"));
    edit("Edit51").setText(text(row, "EmpPrenom"));
    edit("Edit52").setText(text(row, "EmpClasse"));
    borrower.setText(text(row, "NumEmprunteur"));
    showReturnCover(f, cover, text(row, "Images"));
    db::Query person(f.db.ADOConnection1);
    person.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = ?"),
                  {row.fieldByName(QStringLiteral("NumEmprunteur")).asInteger()});
    person.open();
    if (!person.isEmpty())
        showBorrowerPhoto(f, f.get<ui::Image>(QStringLiteral("Image46")), text(person, "EmpNom"), text(person, "EmpPrenom"));
    ShowReturnFields();
    f.get<ui::Control>(QStringLiteral("Button46")).hide();
    auto& store = f.get<ui::WinControl>(QStringLiteral("Button48"));
    store.show();
    store.setFocus();
    f.get<ui::Control>(QStringLiteral("Button49")).show();
    f.MovePointer(70, 670);
    m_candidates.ShowLoanStrip(borrower.text(), ReturnCandidates::StripVariant::InSearch);
}

}  // namespace loans
