#include "catalogue/StockTakeScan.h"

#include "app/FrmPrin.h"
#include "app/Journal.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/PeriodicalIssues.h"
#include "catalogue/StockTakeScope.h"
#include "platform/db/DataSet.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"

namespace catalogue {

namespace {

const QString kNotInCatalogue = QStringLiteral("Ce livre n'est pas dans la base !");

QString fieldText(db::DataSet& rows, const char* name)
{
    return rows.fieldByName(QString::fromLatin1(name)).asString();
}

}  // namespace

void StockTakeScan::RecordInventoryScan()
{
    app::TFrmPrin& f = m_frm;
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
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
        f.get<ui::CustomEdit>(QStringLiteral("Edit10")).setText(code.text());
        f.get<ui::CustomEdit>(QStringLiteral("Edit4")).clear();
        ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Isbn13 = ? ORDER BY NbrExemplaire"),
                   {text::Trim(code.text())});
    }
    ars.open();
    code.clear();
    if (ars.isEmpty()) {
        if (f.get<ui::CustomEdit>(QStringLiteral("Edit4")).text().isEmpty())
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
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
    auto& issue = f.get<ui::CustomEdit>(QStringLiteral("Edit97"));
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
    f.get<ui::Control>(QStringLiteral("NumJourno")).hide();
    code.setFocus();
}

void StockTakeScan::showTitle(db::DataSet& copies)
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Label183")).setCaption(QString::number(copies.recordCount()));
    copies.first();
    const std::pair<const char*, const char*> shown[] = {
        {"Edit4", "Titre"},         {"Edit10", "Isbn13"}, {"Edit5", "Auteur"}, {"Edit12", "Editeur"},
        {"Edit6", "Date_parution"}, {"Edit7", "Pages"},   {"Edit2", "Isbn10"}, {"Edit61", "Images"},
    };
    for (const auto& [edit, field] : shown)
        f.get<ui::CustomEdit>(QString::fromLatin1(edit)).setText(fieldText(copies, field));

    // The web sources' two placeholder pictures are no covers. A cover that cannot be read
    // shows the placeholder: the copy in hand is marked all the same.
    QString cover = fieldText(copies, "Images");
    const QString path = files::folderFilePath(f.AppDir + kCoversFolder, cover);
    if (path.isEmpty() || !files::fileExists(path))
        cover = kNoPicture;
    else if (const QString size = FileSizeText(QStringLiteral("0"), path);
             size == QStringLiteral("3241") || size == QStringLiteral("7794"))
        cover = kNoPicture;
    showCoverFile(f, f.get<ui::Image>(QStringLiteral("Image99")), kCoversFolder, cover, kNoPicture);
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
    const QString genre = StockTakeScope(f).genre();
    const QString genreBox = f.get<ui::ComboBox>(QStringLiteral("DBComboBox1")).text();
    const QString place = f.get<ui::ComboBox>(QStringLiteral("ComboBox11")).text();
    const QString owner = f.get<ui::CustomEdit>(QStringLiteral("Edit25")).text();
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

    setCounter(f, "Edit147", counterValue(f, "Edit147") + 1);
    setCounter(f, "Edit148", counterValue(f, "Edit148") - 1);
    auto shown = [&f](const char* edit) { return f.get<ui::CustomEdit>(QString::fromLatin1(edit)).text(); };
    journal::appendJournalLine(f.OutputFile, f.AppDir,
                               journal::inventoryLine(today, shown("Edit10"), shown("Edit4"), shown("Edit5"),
                                                      shown("Edit12"), shown("Edit6"), shown("Edit7"), shown("Edit2"),
                                                      genreBox, place));
    return true;
}

}  // namespace catalogue
