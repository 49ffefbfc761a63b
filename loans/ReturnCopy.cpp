#include "loans/ReturnCopy.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/StockTakeStateFile.h"
#include "loans/LoanHistory.h"
#include "loans/ReturnCandidates.h"
#include "loans/ReturnLayout.h"
#include "loans/ReturnPictures.h"
#include "loans/ReturnScreen.h"
#include "loans/ReturnSearch.h"
#include "loans/ScannedCode.h"
#include "platform/db/Query.h"
#include "platform/db/Transaction.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"

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
    : m_frm(frm), m_screen(screen), m_search(search), m_candidates(candidates)
{
    frm.get<ui::Control>(QStringLiteral("Button48")).onClick = [this] { Button48Click(); };
}

void ReturnCopy::Button48Click()
{
    app::TFrmPrin& f = m_frm;
    auto edit = [&f](const char* name) -> ui::CustomEdit& { return f.get<ui::CustomEdit>(QString::fromLatin1(name)); };
    auto& code = edit("Edit48");
    auto& copyNumber = edit("Edit134");
    auto& borrower = edit("Edit49");
    auto& issue = edit("Edit101");

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
    auto value = [&row](const char* field) { return row.fieldByName(QString::fromLatin1(field)).asString(); };
    // Only a copy that is out comes back; anything else writes nothing.
    if (!row.active() || row.isEmpty() || value("EmpNom").isEmpty()) {
        f.ShowMessageEntry(number.isEmpty() ? 210 : 209);
        code.setText(QString());
        code.setFocus();
        return;
    }
    row.first();
    const qint64 holder = row.fieldByName(QStringLiteral("NumEmprunteur")).asInteger();
    if (!number.isEmpty())
        m_screen.ReturnBorrowerNo = QString::number(holder);
    const QString place = value("LieuRangement");
    const qint64 numLivre = row.fieldByName(QStringLiteral("Numlivre")).asInteger();
    const QString title = value("Titre");
    const QString author = value("Auteur");
    const QString genre = value("Genre");
    const QString coverName = text::Trim(value("Images"));
    // Pressed straight after the candidate list, the name fields are still empty: the row knows.
    if (edit("Edit50").text().isEmpty()) {
        edit("Edit50").setText(value("EmpNom"));
        edit("Edit51").setText(value("EmpPrenom"));
        edit("Edit52").setText(value("EmpClasse"));
    }

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

    auto& firstName = edit("Edit51");
    firstName.setText(withoutCopyNumberMark(firstName.text()));
    edit("Edit132").setText(QString());
    const QString surname = edit("Edit50").text();
    const QString className = edit("Edit52").text();
    const QString line = journal::returnLine(today, code.text(), numLivre, title, author, surname, firstName.text(),
                                             className, QString::number(holder), genre);
    if (!journal::appendJournalLine(f.OutputFile, f.AppDir, line))
        f.application().messageBox(QStringLiteral("Le livre est rendu, mais la ligne du journal n'a pas pu être "
                                                  "ajoutée au fichier ") +
                                       f.AppDir + QStringLiteral("Journal.csv"),
                                   f.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Warning);

    fileCoverInHistory(className, surname, firstName.text(), title, coverName);
    resetScreen();
    auto& shelf = f.get<ui::Image>(QStringLiteral("Image47"));
    if (const QString shelfPicture = files::folderFilePath(catalogue::kPlacePicturesFolder, place);
        !shelfPicture.isEmpty() && showPictureIfExists(f, shelf, shelfPicture))
        shelf.setBounds(returnLayout::kShelfPicture);
    if (auto* classFilter = f.find<ui::Control>(QStringLiteral("ComboBox10")))
        classFilter->setText(className);
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
    app::TFrmPrin& f = m_frm;
    auto edit = [&f](const char* name) -> ui::CustomEdit& { return f.get<ui::CustomEdit>(QString::fromLatin1(name)); };
    f.get<ui::Control>(QStringLiteral("Label91")).show();
    f.get<ui::Control>(QStringLiteral("Edit49")).show();
    for (const char* name : {"Label92", "Label93", "Label94", "Label95", "Label212", "Label214", "Edit50", "Edit51",
                             "Edit52", "Edit53", "Edit135", "Edit137", "Edit140", "Edit132", "Label207"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
    edit("Edit48").setText(QString());
    edit("Edit48").setFocus();
    edit("Edit134").setText(QString());
    f.get<ui::Control>(QStringLiteral("Button46")).show();
    f.get<ui::Control>(QStringLiteral("Button49")).show();
    f.get<ui::Control>(QStringLiteral("Button48")).hide();
    for (const char* name : {"Edit50", "Edit51", "Edit52", "Edit132"})
        edit(name).setText(QString());
    // With the automatic return on, the pupil's number stays for the next book.
    if (!f.get<ui::CheckBox>(QStringLiteral("CheckBox39")).checked())
        edit("Edit49").setText(QString());
    edit("Edit101").setText(QString());
    f.get<ui::Control>(QStringLiteral("Edit101")).hide();
    f.get<ui::Control>(QStringLiteral("Image45")).setBounds(returnLayout::kCoverAfterReturn);
}

}  // namespace loans
