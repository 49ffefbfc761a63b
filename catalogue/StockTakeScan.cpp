#include "catalogue/StockTakeScan.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/PeriodicalIssues.h"
#include "catalogue/StockTakeScope.h"
#include "catalogue/StockTakeScreen.h"
#include "platform/db/FieldText.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace catalogue {

namespace {

const QString kNotInCatalogue = QStringLiteral("Ce livre n'est pas dans la base !");

}  // namespace

StockTakeScan::StockTakeScan(app::TFrmPrin& frm, const BookEntryScreen& entry, const StockTakeScreen& stockTake)
    : m_frm(frm), m_entry(entry.controls()), m_stockTake(stockTake.controls())
{
}

void StockTakeScan::RecordInventoryScan()
{
    app::TFrmPrin& f = m_frm;
    ui::Edit& code = m_entry.code;
    code.setText(FixAzertyDigits(code.text()));
    // Enter on an empty field is no scan.
    if (text::Trim(code.text()).isEmpty())
        return;
    db::Query& ars = f.db.ars;
    if (code.text().startsWith(u'I') || code.text().startsWith(u'i')) {
        code.setText(code.text().mid(1));
        const QString number = text::Trim(code.text());
        if (!isAllDigits(number)) {
            code.clear();
            f.application().showMessage(kNotInCatalogue);
            return;
        }
        ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ? ORDER BY NbrExemplaire"), {number});
    } else {
        m_entry.isbn13.setText(code.text());
        m_entry.title.clear();
        ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"),
                   {text::Trim(code.text())});
    }
    ars.open();
    code.clear();
    if (ars.isEmpty()) {
        if (m_entry.title.text().isEmpty())
            f.application().showMessage(kNotInCatalogue);
        else
            f.ShowMessageEntry(21);
        return;
    }
    showTitle(ars);
    if (markOneCopy(ars, true))
        return;
    ars.last();
    if (fieldText(ars, "DateRetour").isEmpty()) {
        f.ShowMessageEntry(21);
        return;
    }
    f.application().showMessage(QStringLiteral("Ce livre est encore en pret :\r") + fieldText(ars, "EmpNom") + u'\r' +
                                 fieldText(ars, "EmpPrenom") + u'\r' + fieldText(ars, "EmpClasse"));
}

void StockTakeScan::RecordIssueScan()
{
    app::TFrmPrin& f = m_frm;
    ui::Edit& code = m_entry.code;
    ui::Edit& issue = m_entry.issueNumber;
    db::Query& ars = f.db.ars;
    bool found = false;
    if (isPressCode(code.text()) && !issue.text().isEmpty()) {
        // Stored as the issue's entry stores it, so that an issue typed "12a" is the one saved.
        issue.setText(u'*' + normalisedIssueNumber(issue.text()) + u'*');
        ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? AND Isbn10 = ? ORDER BY NumLivre"),
                   {text::Trim(code.text()), text::Trim(issue.text())});
        ars.open();
        found = !ars.isEmpty();
    }
    code.clear();
    if (!found) {
        f.ShowMessageEntry(21);
        return;
    }
    showTitle(ars);
    if (!markOneCopy(ars, false)) {
        f.ShowMessageEntry(21);
        return;
    }
    issue.clear();
    m_entry.issuePanel.hide();
    code.setFocus();
}

void StockTakeScan::showTitle(db::DataSet& copies)
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_entry;
    c.copyCount.setCaption(QString::number(copies.recordCount()));
    copies.first();
    const std::pair<ui::Edit*, const char*> shown[] = {
        {&c.title, "Titre"},         {&c.isbn13, "Isbn13"},   {&c.author, "Auteur"}, {&c.publisher, "Editeur"},
        {&c.published, "Date_parution"}, {&c.pageCount, "Pages"}, {&c.isbn10, "Isbn10"}, {&c.coverName, "Images"},
    };
    for (const auto& [edit, field] : shown)
        edit->setText(fieldText(copies, field));

    // The web sources' two placeholder pictures are no covers. A cover that cannot be read
    // shows the placeholder: the copy in hand is marked all the same.
    QString cover = fieldText(copies, "Images");
    const QString path = files::folderFilePath(f.AppDir + kCoversFolder, cover);
    if (path.isEmpty() || !files::fileExists(path))
        cover = kNoPicture;
    else if (const QString size = FileSizeText(QStringLiteral("0"), path);
             size == QStringLiteral("3241") || size == QStringLiteral("7794"))
        cover = kNoPicture;
    showCoverFile(f, c.foundCover, kCoversFolder, cover, kNoPicture);
}

bool StockTakeScan::markOneCopy(db::DataSet& copies, bool fillOwner)
{
    app::TFrmPrin& f = m_frm;
    auto unmarked = [&copies](bool onShelfOnly) {
        for (copies.first(); !copies.eof(); copies.next())
            if (fieldText(copies, "DateEmprunt").isEmpty() && (!onShelfOnly || fieldText(copies, "EmpNom").isEmpty()))
                return true;
        return false;
    };
    if (!unmarked(true) && !unmarked(false))
        return false;

    const QDate today = f.application().clock().currentDateTime().date();
    const BookEntryControls& c = m_entry;
    const QString genre = StockTakeScope(f, m_stockTake).genre();
    const QString genreBox = m_stockTake.genre.text();
    const QString place = c.storagePlace.text();
    const QString owner = c.owner.text();
    // What the librarian set on the screen completes the copy where its row says nothing.
    const std::pair<const char*, QString> completed[] = {
        {"Genre", genre.isEmpty() ? QString() : genreBox},
        {"LieuRangement", place},
        {"Proprio", fillOwner ? owner : QString()},
    };
    copies.edit();
    copies.fieldByName(QStringLiteral("DateEmprunt")).setAsString(text::shortDateText(today));
    for (const auto& [field, value] : completed)
        if (!value.isEmpty() && fieldText(copies, field).isEmpty())
            copies.fieldByName(QString::fromLatin1(field)).setAsString(value);
    copies.post();

    setCounter(m_stockTake.foundCount, counterValue(m_stockTake.foundCount) + 1);
    setCounter(m_stockTake.missingCount, counterValue(m_stockTake.missingCount) - 1);
    journal::appendJournalLine(f.OutputFile, f.AppDir,
                               journal::inventoryLine(today, c.isbn13.text(), c.title.text(), c.author.text(),
                                                      c.publisher.text(), c.published.text(), c.pageCount.text(),
                                                      c.isbn10.text(), genreBox, place));
    return true;
}

}  // namespace catalogue
