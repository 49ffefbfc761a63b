#include "loans/Lending.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "catalogue/BookCodes.h"
#include "loans/ControlGroups.h"
#include "loans/LoanScreen.h"
#include "platform/db/FieldText.h"
#include "platform/db/Query.h"
#include "platform/db/Transaction.h"
#include "platform/files/ShownPath.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "pupils/LoanListsScreen.h"

namespace loans {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool isFree(db::Query& rows)
{
    return fieldText(rows, "EmpNom").isEmpty() && rows.fieldByName(QStringLiteral("Empruntable")).asBoolean();
}

// Counters and copy numbers left empty count as 0.
int countOf(const QString& value)
{
    return text::StrToIntDef(text::Trim(value), 0);
}

}  // namespace

QString nextLoanCount(const QString& previous)
{
    return (QStringLiteral("00000") + QString::number(countOf(previous) + 1)).right(5);
}

Lending::Lending(app::TFrmPrin& frm, LoanScreen& screen) : m_frm(frm), m_screen(screen)
{
    screen.controls().lend.onClick = [this] { Button40Click(); };
}

void Lending::Button40Click()
{
    app::TFrmPrin& f = m_frm;
    const LoanControls& c = m_screen.controls();
    if (!m_screen.hasBorrower())
        return;
    auto& borrower = c.borrower;
    if (c.batch.checked())
        borrower.setText(c.batchBorrower.text());
    auto& code = c.code;
    const QString copyNumber = c.copyNumber.text();
    const bool byCopyNumber = !copyNumber.isEmpty() && code.text().isEmpty();
    db::Query rows(f.db.ADOConnection1);
    if (byCopyNumber) {
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ? ORDER BY NumLivre"),
                    {text::StrToInt(text::Trim(copyNumber))});
    } else {
        code.setText(text::Trim(code.text()));
        auto& issue = c.issue;
        if (catalogue::isPressCode(code.text())) {
            if (issue.text().isEmpty()) {
                issue.setColor(ui::colors::yellow);
                issue.show();
                issue.setFocus();
                return;
            }
            rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? AND Isbn10 = ? ORDER BY NumLivre"),
                        {code.text(), text::Trim(issue.text())});
        } else {
            rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NumLivre"), {code.text()});
        }
    }
    rows.open();
    if (!chooseCopy(rows, byCopyNumber))
        return;
    lend(rows, byCopyNumber);
}

bool Lending::chooseCopy(db::Query& rows, bool byCopyNumber)
{
    app::TFrmPrin& f = m_frm;
    if (byCopyNumber) {
        rows.first();
        if (!rows.isEmpty() && isFree(rows))
            return true;
        const QString number = rows.isEmpty() ? QStringLiteral("0") : fieldText(rows, "NumEmprunteur");
        f.application().showMessage(f.tables.message(128) + number + u' ' + fieldText(rows, "EmpNom") + u' ' +
                                    fieldText(rows, "EmpPrenom"));
        return false;
    }
    QString holders;
    for (rows.first(); !rows.eof(); rows.next()) {
        if (isFree(rows))
            return true;
        holders += fieldText(rows, "EmpPrenom") + u' ' + fieldText(rows, "EmpNom") + u' ' + fieldText(rows, "EmpClasse") +
                   QStringLiteral(" N°: ") + fieldText(rows, "NumEmprunteur") + kCrLf;
    }
    rows.last();
    if (rows.isEmpty() || !rows.fieldByName(QStringLiteral("Empruntable")).asBoolean())
        f.ShowMessageEntry(129);
    else
        f.application().showMessage(f.tables.message(130) + kCrLf + f.tables.message(131) + kCrLf +
                                    f.tables.message(132) + kCrLf + holders);
    auto& issue = m_screen.controls().issue;
    issue.setText(QString());
    issue.hide();
    return false;
}

void Lending::lend(db::Query& rows, bool byCopyNumber)
{
    app::TFrmPrin& f = m_frm;
    const int borrowerNo = m_screen.BorrowerNo();
    db::Query borrowerRow(f.db.ADOConnection1);
    borrowerRow.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = ?"), {borrowerNo});
    borrowerRow.open();
    // A borrower deleted since the search gets no loan at all.
    if (borrowerRow.isEmpty()) {
        f.ShowMessageEntry(138);
        return;
    }
    const QString loanCount = nextLoanCount(fieldText(rows, "NbreFoisEmprunte"));
    const qint64 numLivre = rows.fieldByName(QStringLiteral("Numlivre")).asInteger();
    const QString title = fieldText(rows, "Titre");
    const QString author = fieldText(rows, "Auteur");
    const QString genre = fieldText(rows, "Genre");
    const QDate today = f.application().clock().currentDateTime().date();
    const LoanControls& c = m_screen.controls();
    const QString surname = c.surname.text();
    auto& firstNameField = c.firstName;
    firstNameField.setText(firstNameField.text().left(12));
    if (byCopyNumber)
        firstNameField.setText(firstNameField.text() + QStringLiteral(" *") +
                               c.copyNumber.text() + QStringLiteral("* "));
    const QString firstName = firstNameField.text();
    const QString className = c.className.text();
    {
        db::Transaction unit(f.db.ADOConnection1);
        db::Query write(f.db.ADOConnection1);
        write.setSql(QStringLiteral("UPDATE table1 SET EmpNom = ?, EmpPrenom = ?, EmpClasse = ?, NumEmprunteur = ?,"
                                    " DateRetour = ?, DateEmprunt = ?, Photo_rangement = ?, NbreFoisEmprunte = ?"
                                    " WHERE NumLivre = ?"),
                     {text::Trim(surname), text::Trim(firstName), text::Trim(className), borrowerNo,
                      db::Value::date(m_screen.ReturnDate()), db::Value::date(today), m_screen.BorrowerMail(), loanCount,
                      numLivre});
        write.execSql();
        const int total = countOf(fieldText(borrowerRow, "NbrEmpruntsTotal"));
        const int current = countOf(fieldText(borrowerRow, "NbrEmpruntsEnCours"));
        write.setSql(QStringLiteral("UPDATE Emprunteurs SET NbrEmpruntsTotal = ?, NbrEmpruntsEnCours = ?, NumINE = ?"
                                    " WHERE NumEmprunteur = ?"),
                     {total + 1, current + 1, text::shortDateText(today), borrowerNo});
        write.execSql();
        unit.commit();
    }
    const QString code = c.code.text();
    const QString issue = catalogue::isPressCode(code) ? c.issue.text() : QString();
    const QString line = journal::loanLine(today, code, title, issue, author, surname, firstName, className, borrowerNo, genre);
    if (!journal::appendJournalLine(f.OutputFile, f.AppDir, line))
        f.application().messageBox(QStringLiteral("Le prêt est enregistré, mais la ligne du journal n'a pas pu être "
                                                  "ajoutée au fichier ") +
                                       files::shownPath(f.AppDir + QStringLiteral("Journal.csv")),
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    resetScreen();
}

void Lending::resetScreen()
{
    app::TFrmPrin& f = m_frm;
    const LoanControls& c = m_screen.controls();
    m_screen.forgetBorrower();
    c.code.setFocus();
    clearTexts({&c.code, &c.issue, &c.title, &c.author, &c.copyNumber});
    const QString batchBorrower = c.batchBorrower.text();
    const bool batch = c.batch.checked();
    if (!batch) {
        clearTexts({&c.borrower, &c.firstName, &c.surname});
        // The lists screen is missing only where a test builds the desk alone.
        if (const auto* lists = f.findPart<pupils::LoanListsScreen>())
            lists->controls().className.setText(c.className.text());
        setShown({&c.firstName, &c.surname, &c.className}, false);
    } else if (!batchBorrower.isEmpty()) {
        c.borrower.setText(batchBorrower);
        ClickLoanSearch(f);
    }
    clearTexts({&c.bookBarcode, &c.cardBarcode});
    setShown({&c.title, &c.author, &c.genre, &c.place, &c.bookBarcode, &c.cardBarcode, c.noPhoto[0], c.noPhoto[1],
              &c.lend},
             false);
    m_screen.clearPictures();
    c.cancel.show();
    c.search.show();
    auto& count = c.loanCount;
    count.setText(QString::number(countOf(count.text()) + 1));
    auto& issue = c.issue;
    issue.setText(QString());
    issue.hide();
    f.MovePointer(50, 500);
}

}  // namespace loans
