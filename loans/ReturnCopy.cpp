#include "loans/ReturnCopy.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/StockTakeStateFile.h"
#include "loans/ControlGroups.h"
#include "loans/LoanHistory.h"
#include "loans/ReturnCandidates.h"
#include "loans/ReturnLayout.h"
#include "loans/ReturnPictures.h"
#include "loans/ReturnScreen.h"
#include "loans/ReturnSearch.h"
#include "loans/ScannedCode.h"
#include "platform/db/FieldText.h"
#include "platform/db/Query.h"
#include "platform/db/Transaction.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
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

bool isPressCode(const QString& code)
{
    return code.startsWith(QLatin1String("378")) || code.startsWith(QLatin1String("379"));
}

// The first name without the " *n* " mark that a loan by copy number adds to it.
QString withoutCopyNumberMark(const QString& firstName)
{
    const int star = text::Pos(QStringLiteral("*"), firstName);
    return star == 0 ? firstName : text::Copy(firstName, 1, star - 2);
}

}  // namespace

ReturnCopy::ReturnCopy(app::TFrmPrin& frm, ReturnScreen& screen, ReturnSearch& search, ReturnCandidates& candidates)
    : m_frm(frm), m_screen(screen), m_controls(screen.controls()), m_search(search), m_candidates(candidates)
{
    m_controls.store.onClick = [this] { Button48Click(); };
}

void ReturnCopy::Button48Click()
{
    app::TFrmPrin& f = m_frm;
    auto& code = m_controls.code;
    auto& copyNumber = m_controls.copyNumber;
    auto& borrower = m_controls.borrower;
    auto& issue = m_controls.issue;

    const QString number = text::Trim(copyNumber.text());
    const QString codeText = text::Trim(code.text());
    const QString borrowerText = text::Trim(borrower.text());
    db::Query row(f.db.ADOConnection1);
    if (!number.isEmpty()) {
        if (catalogue::isAllDigits(number)) {
            row.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ? ORDER BY NumLivre"), {number});
        }
    } else {
        if (codeText.isEmpty())
            return;
        if (isPressCode(codeText)) {
            if (issue.text().isEmpty()) {
                issue.setFocus();
                issue.setColor(ui::colors::yellow);
                return;
            }
            // The issue as a loan stores it, however it was typed; without a borrower number the
            // search finds the holder first.
            issue.setText(NormaliseIssueNumber(issue.text(), false));
            if (borrowerText.isEmpty()) {
                m_search.Button46Click();
                return;
            }
        }
        if (!catalogue::isAllDigits(borrowerText))
            return;
        if (isPressCode(codeText)) {
            row.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? AND Isbn10 = ? AND NumEmprunteur = ?"),
                       {codeText, text::Trim(issue.text()), borrowerText});
        } else {
            row.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? AND NumEmprunteur = ?"),
                       {codeText, borrowerText});
        }
    }
    if (!row.sql().isEmpty())
        row.open();
    // Only a copy that is out comes back; anything else writes nothing.
    if (!row.active() || row.isEmpty() || fieldText(row, "EmpNom").isEmpty()) {
        f.ShowMessageEntry(number.isEmpty() ? 210 : 209);
        code.setText(QString());
        code.setFocus();
        return;
    }
    row.first();
    const qint64 holder = row.fieldByName(QStringLiteral("NumEmprunteur")).asInteger();
    if (!number.isEmpty())
        m_screen.ReturnBorrowerNo = QString::number(holder);
    const ReturnedCopy copy = readReturnedCopy(row);
    fillHolderNames(row);
    giveBack(row, holder, copy);
}

// The loan cleared from the copy's row and the holder's count lowered together, then the journal,
// the cover filed in the loan history, and the screen ready for the next code.
void ReturnCopy::giveBack(db::Query& row, qint64 holder, const ReturnedCopy& copy)
{
    app::TFrmPrin& f = m_frm;

    const QDate today = f.application().clock().currentDateTime().date();
    {
        db::Transaction unit(f.db.ADOConnection1);
        row.edit();
        for (const char* field : {"DateEmprunt", "DateRetour", "EmpNom", "EmpPrenom", "EmpClasse"})
            row.fieldByName(QString::fromLatin1(field)).clear();
        // The loan date is also the stock-take's found mark: a copy back on the shelf during a
        // stock-take stays found (the empty borrower's name says it is in).
        if (catalogue::stockTakeRunning(f))
            row.fieldByName(QStringLiteral("DateEmprunt")).setAsString(text::shortDateText(today));
        row.fieldByName(QStringLiteral("NumEmprunteur")).setAsString(QStringLiteral("0"));
        row.post();
        db::Query person(f.db.ADOConnection1);
        person.setSql(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = ?"), {holder});
        person.open();
        // A borrower removed since the loan has no counter left to lower.
        if (!person.isEmpty()) {
            const qint64 current = person.fieldByName(QStringLiteral("NbrEmpruntsEnCours")).asInteger();
            db::Query lower(f.db.ADOConnection1);
            lower.setSql(QStringLiteral("UPDATE Emprunteurs SET NbrEmpruntsEnCours = ? WHERE NumEmprunteur = ?"),
                         {current > 0 ? current - 1 : current, holder});
            lower.execSql();
        }
        unit.commit();
    }

    journalReturn(today, copy, holder);
    // The holder's names go before the screen is reset.
    const QString className = m_controls.className.text();
    fileCoverInHistory(className, m_controls.surname.text(), m_controls.firstName.text(), copy.title, copy.coverName);
    resetScreen();
    showShelfAndNextLoans(copy.place, className);
}

ReturnCopy::ReturnedCopy ReturnCopy::readReturnedCopy(db::Query& row)
{
    return ReturnedCopy{row.fieldByName(QStringLiteral("Numlivre")).asInteger(), fieldText(row, "LieuRangement"),
                        fieldText(row, "Titre"),  fieldText(row, "Auteur"),
                        fieldText(row, "Genre"),  text::Trim(fieldText(row, "Images"))};
}

// Pressed straight after the candidate list, the name fields are still empty: the row knows.
void ReturnCopy::fillHolderNames(db::Query& row)
{
    const ReturnControls& c = m_controls;
    if (!c.surname.text().isEmpty())
        return;
    c.surname.setText(fieldText(row, "EmpNom"));
    c.firstName.setText(fieldText(row, "EmpPrenom"));
    c.className.setText(fieldText(row, "EmpClasse"));
}

void ReturnCopy::journalReturn(const QDate& today, const ReturnedCopy& copy, qint64 holder)
{
    app::TFrmPrin& f = m_frm;
    const ReturnControls& c = m_controls;
    auto& firstName = c.firstName;
    firstName.setText(withoutCopyNumberMark(firstName.text()));
    c.dueDate.setText(QString());
    const QString line = journal::returnLine(today, c.code.text(), copy.numLivre, copy.title, copy.author,
                                             c.surname.text(), firstName.text(), c.className.text(),
                                             QString::number(holder), copy.genre);
    if (!journal::appendJournalLine(f.OutputFile, f.AppDir, line))
        f.application().messageBox(QStringLiteral("Le livre est rendu, mais la ligne du journal n'a pas pu être "
                                                  "ajoutée au fichier ") +
                                       files::shownPath(f.AppDir + QStringLiteral("Journal.csv")),
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Warning);
}

void ReturnCopy::showShelfAndNextLoans(const QString& place, const QString& className)
{
    app::TFrmPrin& f = m_frm;
    auto& shelf = m_controls.shelfPicture;
    if (const QString shelfPicture = files::folderFilePath(catalogue::kPlacePicturesFolder, place);
        !shelfPicture.isEmpty() && showPictureIfExists(f, shelf, shelfPicture))
        shelf.setBounds(returnLayout::kShelfPicture);
    // The lists screen is missing only where a test builds the desk alone.
    if (const auto* lists = f.findPart<pupils::LoanListsScreen>())
        lists->controls().className.setText(className);
    m_candidates.ShowLoanStrip(m_screen.ReturnBorrowerNo, ReturnCandidates::StripVariant::AfterReturn);
}

void ReturnCopy::fileCoverInHistory(const QString& className, const QString& surname, const QString& firstName,
                                    const QString& title, const QString& coverName)
{
    const QString folder = m_frm.AppDir + loanHistoryFolder(className, surname, firstName);
    files::forceDirectories(folder);
    QString name = coverName;
    if (!files::folderFileExists(m_frm.AppDir + catalogue::kCoversFolder, name))
        name = QStringLiteral("No_picture.jpg");
    const QString target = folder + u'\\' + ReplaceAll(ToSafeFileName(title), QStringLiteral("__"), QStringLiteral("_")) +
                           QStringLiteral(".jpg");
    // A cover that cannot be filed leaves the history as it was.
    try {
        files::copyFile(m_frm.AppDir + catalogue::kCoversFolder + name, target);
    } catch (const std::exception&) {
    }
}

void ReturnCopy::resetScreen()
{
    const ReturnControls& c = m_controls;
    m_screen.hideResultFields();
    c.code.setText(QString());
    c.code.setFocus();
    c.copyNumber.setText(QString());
    c.search.show();
    c.cancel.show();
    c.store.hide();
    clearTexts({&c.surname, &c.firstName, &c.className, &c.dueDate});
    // With the automatic return on, the pupil's number stays for the next book.
    if (!c.autoReturn.checked())
        c.borrower.setText(QString());
    c.issue.setText(QString());
    c.issue.hide();
    c.cover.setBounds(returnLayout::kCoverAfterReturn);
}

}  // namespace loans
