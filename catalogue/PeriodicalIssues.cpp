#include "catalogue/PeriodicalIssues.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/IssueSharedBase.h"
#include "catalogue/StockTakeScan.h"
#include "platform/files/FileOps.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"

namespace catalogue {

namespace {

// The fields of a shared-base record that the issue panel uses, in record order.
enum RecordField { Title, Code, Author, Publisher, Published, Pages, Cover, Descriptors, Type, Genre, Summary,
                   UsedFieldCount };

const QString kSharedBaseFolder = QStringLiteral("/livres/");

}  // namespace

QString normalisedIssueNumber(const QString& typed)
{
    QString issue = typed;
    if (issue.size() <= 4)
        issue = issue.rightJustified(5, u'0');
    return (QStringLiteral("00000") + KeepDigitsAndX(issue)).right(5);
}

PeriodicalIssues::PeriodicalIssues(app::TFrmPrin& frm, const BookEntryScreen& entry)
    : m_frm(frm), m_controls(entry.controls())
{
    m_controls.issueOk.onClick = [this] { Button90Click(); };
}

bool PeriodicalIssues::sharedBaseOn() const { return m_frm.settings.Qvlbool && m_sharedBase; }

void PeriodicalIssues::Button90Click()
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_controls;
    // During the stock-take the issue is one found on the shelf: nothing is entered then.
    if (f.InventoryMode) {
        if (auto* scan = f.findPart<StockTakeScan>())
            scan->RecordIssueScan();
        return;
    }
    auto& issue = c.issueNumber;
    issue.setText(normalisedIssueNumber(issue.text()));
    FetchIssueFromSharedBase();
    const QString code = c.isbn13.text();
    const QString coverName = code + u'_' + issue.text() + QStringLiteral(".jpg");
    c.isbn10.setText(u'*' + issue.text() + u'*');
    if (files::fileExists(f.AppDir + kCoversFolder + coverName))
        showCoverFile(f, c.foundCover, kCoversFolder, coverName, kNoPicture);
    else
        FetchIssueCoverFromSharedBase();
    c.save.show();
    c.newEntry.show();
    c.correct.show();
    c.issuePanel.hide();
    c.screen.show();
    auto& title = c.title;
    if (title.text().isEmpty())
        title.setFocus();
}

void PeriodicalIssues::FetchIssueFromSharedBase()
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_controls;
    auto& panel = c.issuePanel;
    if (!sharedBaseOn()) {
        panel.hide();
        return;
    }
    const QString code = c.isbn13.text();
    const QString issue = c.issueNumber.text();
    QString record;
    const IssueSharedBase::Answer answer = m_sharedBase->readRecord(
        kSharedBaseFolder + text::Copy(code, 1, 7) + u'/' + code + u'_' + issue + QStringLiteral(".txt"), record);
    c.summary.clear();
    if (answer == IssueSharedBase::Answer::Found && showRecord(record))
        return;
    // A new issue is normally missing from the base; only a base out of reach is left alone for
    // the rest of the run.
    f.LookupFound = false;
    panel.hide();
    if (answer == IssueSharedBase::Answer::Unreachable)
        f.settings.Qvlbool = false;
}

bool PeriodicalIssues::showRecord(const QString& record)
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_controls;
    const QStringList fields = record.split(u';');
    const QString asked = text::Trim(c.isbn13.text());
    if (fields.size() < UsedFieldCount || text::Trim(fields[Code]) != asked)
        return false;
    c.title.setText(fields[Title]);
    f.LookupFound = !fields[Title].isEmpty();
    c.isbn13.setText(fields[Code]);
    if (fields[Code].size() >= 12 && isAllDigits(fields[Code].left(12)))
        c.barcode.setText(Ean13ToFontText(fields[Code]));
    c.author.setText(fields[Author]);
    c.publisher.setText(fields[Publisher]);
    c.published.setText(fields[Published]);
    c.pageCount.setText(fields[Pages]);
    c.coverName.setText(fields[Cover]);
    // Shown on the Compléments tab only: its row is not the issue being entered.
    c.complements.descriptors.showStandIn(fields[Descriptors]);
    c.complements.type.showStandIn(fields[Type]);
    c.genre.setText(fields[Genre]);
    c.summary.setText(fields[Summary]);
    return true;
}

void PeriodicalIssues::FetchIssueCoverFromSharedBase()
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_controls;
    if (!sharedBaseOn()) {
        c.issuePanel.hide();
        return;
    }
    const QString code = text::Trim(c.isbn13.text());
    const QString issue = text::Trim(c.issueNumber.text());
    const QString name = isPressCode(code) ? code + u'_' + issue : code;
    const QString fileName = code + u'_' + issue + QStringLiteral(".jpg");
    // The cover-name field tells which source the cover is taken from.
    c.coverName.setText(QStringLiteral("Vireo"));
    QString url;
    auto& picture = c.foundCover;
    if (!m_sharedBase->downloadCover(kSharedBaseFolder + text::Copy(code, 1, 7) + u'/' + name + QStringLiteral(".jpg"),
                                     fileName, url)) {
        showCoverFile(f, picture, kCoversFolder, kNoPicture, kNoPicture);
        return;
    }
    f.CoverFileName = fileName;
    showCoverFile(f, picture, kCoversFolder, fileName, kNoPicture);
    c.coverAddress.setText(url);
}

}  // namespace catalogue
