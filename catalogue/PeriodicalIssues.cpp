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
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"

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

PeriodicalIssues::PeriodicalIssues(app::TFrmPrin& frm) : m_frm(frm)
{
    frm.get<ui::Control>(QStringLiteral("Button90")).onClick = [this] { Button90Click(); };
}

bool PeriodicalIssues::sharedBaseOn() const { return m_frm.settings.Qvlbool && m_sharedBase; }

void PeriodicalIssues::Button90Click()
{
    app::TFrmPrin& f = m_frm;
    // During the stock-take the issue is one found on the shelf: nothing is entered then.
    if (f.InventoryMode) {
        if (auto* scan = f.findPart<StockTakeScan>())
            scan->RecordIssueScan();
        return;
    }
    auto& issue = f.get<ui::CustomEdit>(QStringLiteral("Edit97"));
    issue.setText(normalisedIssueNumber(issue.text()));
    FetchIssueFromSharedBase();
    const QString code = f.get<ui::CustomEdit>(QStringLiteral("Edit10")).text();
    const QString coverName = code + u'_' + issue.text() + QStringLiteral(".jpg");
    f.get<ui::CustomEdit>(QStringLiteral("Edit2")).setText(u'*' + issue.text() + u'*');
    if (files::fileExists(f.AppDir + kCoversFolder + coverName))
        showCoverFile(f, f.get<ui::Image>(QStringLiteral("Image99")), kCoversFolder, coverName, kNoPicture);
    else
        FetchIssueCoverFromSharedBase();
    for (const char* name : {"SpeedButton20", "SpeedButton22", "SpeedButton21"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    f.get<ui::Control>(QStringLiteral("NumJourno")).hide();
    f.get<ui::Control>(QStringLiteral("Panel4")).show();
    auto& title = f.get<ui::Edit>(QStringLiteral("Edit4"));
    if (title.text().isEmpty())
        title.setFocus();
}

void PeriodicalIssues::FetchIssueFromSharedBase()
{
    app::TFrmPrin& f = m_frm;
    auto& panel = f.get<ui::Control>(QStringLiteral("NumJourno"));
    if (!sharedBaseOn()) {
        panel.hide();
        return;
    }
    const QString code = f.get<ui::CustomEdit>(QStringLiteral("Edit10")).text();
    const QString issue = f.get<ui::CustomEdit>(QStringLiteral("Edit97")).text();
    QString record;
    const IssueSharedBase::Answer answer = m_sharedBase->readRecord(
        kSharedBaseFolder + text::Copy(code, 1, 7) + u'/' + code + u'_' + issue + QStringLiteral(".txt"), record);
    f.get<ui::CustomEdit>(QStringLiteral("RichEdit4")).clear();
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
    const QStringList fields = record.split(u';');
    const QString asked = text::Trim(f.get<ui::CustomEdit>(QStringLiteral("Edit10")).text());
    if (fields.size() < UsedFieldCount || text::Trim(fields[Code]) != asked)
        return false;
    auto set = [&f](const char* name, const QString& value) {
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).setText(value);
    };
    set("Edit4", fields[Title]);
    f.LookupFound = !fields[Title].isEmpty();
    set("Edit10", fields[Code]);
    if (fields[Code].size() >= 12 && isAllDigits(fields[Code].left(12)))
        set("Edit84", Ean13ToFontText(fields[Code]));
    set("Edit5", fields[Author]);
    set("Edit12", fields[Publisher]);
    set("Edit6", fields[Published]);
    set("Edit7", fields[Pages]);
    set("Edit61", fields[Cover]);
    set("ComboBox12", fields[Genre]);
    set("RichEdit4", fields[Summary]);
    return true;
}

void PeriodicalIssues::FetchIssueCoverFromSharedBase()
{
    app::TFrmPrin& f = m_frm;
    if (!sharedBaseOn()) {
        f.get<ui::Control>(QStringLiteral("NumJourno")).hide();
        return;
    }
    const QString code = text::Trim(f.get<ui::CustomEdit>(QStringLiteral("Edit10")).text());
    const QString issue = text::Trim(f.get<ui::CustomEdit>(QStringLiteral("Edit97")).text());
    const QString name = isPressCode(code) ? code + u'_' + issue : code;
    const QString fileName = code + u'_' + issue + QStringLiteral(".jpg");
    // The cover-name field tells which source the cover is taken from.
    f.get<ui::CustomEdit>(QStringLiteral("Edit61")).setText(QStringLiteral("Vireo"));
    QString url;
    auto& picture = f.get<ui::Image>(QStringLiteral("Image99"));
    if (!m_sharedBase->downloadCover(kSharedBaseFolder + text::Copy(code, 1, 7) + u'/' + name + QStringLiteral(".jpg"),
                                     fileName, url)) {
        showCoverFile(f, picture, kCoversFolder, kNoPicture, kNoPicture);
        return;
    }
    f.CoverFileName = fileName;
    showCoverFile(f, picture, kCoversFolder, fileName, kNoPicture);
    if (auto* address = f.find<ui::CustomEdit>(QStringLiteral("Edit116")))
        address->setText(url);
}

}  // namespace catalogue
