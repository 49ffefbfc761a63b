#include "loans/Lending.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "catalogue/BookCodes.h"
#include "loans/LoanScreen.h"
#include "loans/RowText.h"
#include "platform/db/Query.h"
#include "platform/db/Transaction.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"

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
    frm.get<ui::Control>(QStringLiteral("Button40")).onClick = [this] { Button40Click(); };
}

void Lending::Button40Click()
{
    app::TFrmPrin& f = m_frm;
    if (!m_screen.hasBorrower())
        return;
    auto& borrower = f.get<ui::CustomEdit>(QStringLiteral("Edit41"));
    if (f.get<ui::CheckBox>(QStringLiteral("CheckBox16")).checked())
        borrower.setText(f.get<ui::CustomEdit>(QStringLiteral("Edit156")).text());
    auto& code = f.get<ui::CustomEdit>(QStringLiteral("Edit39"));
    const QString copyNumber = f.get<ui::CustomEdit>(QStringLiteral("Edit133")).text();
    const bool byCopyNumber = !copyNumber.isEmpty() && code.text().isEmpty();
    db::Query rows(f.db.ADOConnection1);
    if (byCopyNumber) {
        rows.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ? ORDER BY NumLivre"),
                    {text::StrToInt(text::Trim(copyNumber))});
    } else {
        code.setText(text::Trim(code.text()));
        auto& issue = f.get<ui::CustomEdit>(QStringLiteral("Edit100"));
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
    auto& issue = f.get<ui::CustomEdit>(QStringLiteral("Edit100"));
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
    const QString surname = f.get<ui::CustomEdit>(QStringLiteral("Edit43")).text();
    auto& firstNameField = f.get<ui::CustomEdit>(QStringLiteral("Edit42"));
    firstNameField.setText(firstNameField.text().left(12));
    if (byCopyNumber)
        firstNameField.setText(firstNameField.text() + QStringLiteral(" *") +
                               f.get<ui::CustomEdit>(QStringLiteral("Edit133")).text() + QStringLiteral("* "));
    const QString firstName = firstNameField.text();
    const QString className = f.get<ui::CustomEdit>(QStringLiteral("Edit44")).text();
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
    const QString code = f.get<ui::CustomEdit>(QStringLiteral("Edit39")).text();
    const QString issue = catalogue::isPressCode(code) ? f.get<ui::CustomEdit>(QStringLiteral("Edit100")).text() : QString();
    const QString line = journal::loanLine(today, code, title, issue, author, surname, firstName, className, borrowerNo, genre);
    if (!journal::appendJournalLine(f.OutputFile, f.AppDir, line))
        f.application().messageBox(QStringLiteral("Le prêt est enregistré, mais la ligne du journal n'a pas pu être "
                                                  "ajoutée au fichier ") +
                                       f.AppDir + QStringLiteral("Journal.csv"),
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Warning);
    resetScreen();
}

void Lending::resetScreen()
{
    app::TFrmPrin& f = m_frm;
    m_screen.forgetBorrower();
    f.get<ui::WinControl>(QStringLiteral("Edit39")).setFocus();
    for (const char* name : {"Edit39", "Edit100", "Edit40", "Edit136", "Edit133"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
    const QString batchBorrower = f.get<ui::CustomEdit>(QStringLiteral("Edit156")).text();
    const bool batch = f.get<ui::CheckBox>(QStringLiteral("CheckBox16")).checked();
    if (!batch) {
        for (const char* name : {"Edit41", "Edit42", "Edit43"})
            f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
        if (auto* classFilter = f.find<ui::ComboBox>(QStringLiteral("ComboBox10")))
            classFilter->setText(f.get<ui::CustomEdit>(QStringLiteral("Edit44")).text());
        for (const char* name : {"Edit42", "Edit43", "Edit44"})
            f.get<ui::Control>(QString::fromLatin1(name)).hide();
    } else if (!batchBorrower.isEmpty()) {
        f.get<ui::CustomEdit>(QStringLiteral("Edit41")).setText(batchBorrower);
        ClickLoanSearch(f);
    }
    for (const char* name : {"Edit45", "Edit47"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(QString());
    for (const char* name : {"Edit40", "Edit136", "Edit138", "Edit139", "Edit45", "Edit47", "Image33", "Image34", "Button40"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
    m_screen.clearPictures();
    f.get<ui::Control>(QStringLiteral("Button39")).show();
    f.get<ui::Control>(QStringLiteral("Button41")).show();
    auto& count = f.get<ui::CustomEdit>(QStringLiteral("Edit111"));
    count.setText(QString::number(countOf(count.text()) + 1));
    auto& issue = f.get<ui::CustomEdit>(QStringLiteral("Edit100"));
    issue.setText(QString());
    issue.hide();
    f.MovePointer(50, 500);
}

}  // namespace loans
