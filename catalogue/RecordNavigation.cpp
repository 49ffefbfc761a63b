#include "catalogue/RecordNavigation.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/BooksGrid.h"
#include "catalogue/ComplementsTab.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/media/SoundCommands.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"

#include <algorithm>

namespace catalogue {

namespace {

constexpr int kStripSize = 6;
// The grid's "X1000" buttons jump this many copies.
constexpr int kGridJump = 1001;
// Steps of the slide of the large cover into its place in the strip.
constexpr int kSlideSteps = 38;

}  // namespace

RecordNavigation::RecordNavigation(app::TFrmPrin& frm, BookEntryScreen& entry, ComplementsTab& complements)
    : m_frm(frm), m_entry(entry), m_complements(complements)
{
    const BookEntryControls& c = entry.controls();
    c.complements.first.onClick = [this] { SpeedButton6Click(); };
    c.complements.backSix.onClick = [this] { SpeedButton14Click(); };
    c.complements.previous.onClick = [this] { SpeedButton15Click(); };
    c.complements.next.onClick = [this] { SpeedButton16Click(); };
    c.complements.forwardSix.onClick = [this] { SpeedButton13Click(); };
    c.complements.last.onClick = [this] { SpeedButton5Click(); };
    c.complements.placePicture.onClick = [this] { Image2Click(); };
    for (int slot = 0; slot < kStripSize; ++slot)
        c.strip[slot]->onClick = [this, slot] { stripClick(slot); };
    c.tabs.onChange = [this] { PageControl1Change(); };
    // The books grid's buttons run these by name, whichever of the two screens is built first.
    frm.handlers.bind(QStringLiteral("SpeedButton48Click"), [this] { SpeedButton48Click(); });
    frm.handlers.bind(QStringLiteral("SpeedButton49Click"), [this] { SpeedButton49Click(); });
}

void RecordNavigation::showAt(int row, StripSlot slot, BookEntryScreen::StripFile handling)
{
    db::Table& books = m_frm.db.ADOTable1;
    const int count = books.recordCount();
    const int slotIndex = int(slot);
    // The strip shows consecutive copies, the earliest at the left (Image25).
    const int first = std::clamp(row - (kStripSize - 1 - slotIndex), 0, std::max(0, count - kStripSize));
    const int coverColumn = books.fieldByName(QStringLiteral("Images")).index();
    const int keyColumn = books.fieldByName(QStringLiteral("numlivre")).index();
    // The large cover is read first: a file it cannot read is gone before the strip's turn.
    books.setRecNo(row + 1);
    m_frm.CoverName = books.fieldByName(QStringLiteral("Images")).asString();
    m_entry.showLargeCover(true);
    ui::PicturePtr loadedBefore = m_entry.controls().complements.cover.picture();
    for (int k = 0; k < kStripSize; ++k) {
        const int shown = std::min(first + kStripSize - 1 - k, count - 1);
        ui::Image& image = *m_entry.controls().strip[k];
        m_entry.showStripCover(image, books.textAt(shown, coverColumn), handling, loadedBefore);
        m_stripKeys[k] = books.textAt(shown, keyColumn).toLongLong();
        m_stripPictures[k] = loadedBefore = image.picture();
    }
    m_entry.showStoragePlace();
}

int RecordNavigation::leaveCurrentCopy(bool forward)
{
    db::Table& books = m_frm.db.ADOTable1;
    const qint64 left = books.currentKey();
    m_complements.ExtractDescriptorsOnLeave();
    m_complements.ApplyComplementsValues(forward ? ComplementsTab::Variant::Next : ComplementsTab::Variant::Previous);
    // A copy written out of the filter has left the table: the one after it stands in its place.
    if (books.currentKey() != left && !books.goToKey(left))
        return books.recNo() - (forward ? 2 : 1);
    return books.recNo() - 1;
}

void RecordNavigation::SpeedButton16Click()
{
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return;
    const int row = leaveCurrentCopy(true);
    stopSounds();
    if (row + 1 >= books.recordCount()) {
        ShowLastSixCovers();
        m_frm.ShowMessageEntry(158);
        return;
    }
    showAt(row + 1, StripSlot::Image21);
    slideCoverIntoStrip();
    stopSounds();
}

void RecordNavigation::SpeedButton15Click()
{
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return;
    const int row = leaveCurrentCopy(false);
    showAt(std::max(row - 1, 0), StripSlot::Image23);
}

void RecordNavigation::SpeedButton13Click()
{
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return;
    showAt(std::min(books.recNo() - 1 + kStripSize, books.recordCount() - 1), StripSlot::Image22);
}

void RecordNavigation::SpeedButton14Click()
{
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return;
    const int row = books.recNo() - 1 - kStripSize;
    if (row < 0) {
        ShowFirstSixCovers();
        m_frm.ShowMessageEntry(159);
        return;
    }
    showAt(row, StripSlot::Image22, BookEntryScreen::StripFile::UnreadableReported);
}

void RecordNavigation::SpeedButton6Click()
{
    db::Table& books = m_frm.db.ADOTable1;
    books.setActive(true);
    books.setFilter(QStringLiteral("Type='LIVRE'"));
    books.setFiltered(true);
    if (!books.isEmpty())
        showAt(0, StripSlot::Image25);
}

void RecordNavigation::SpeedButton5Click()
{
    db::Table& books = m_frm.db.ADOTable1;
    books.setActive(true);
    books.setFilter(QStringLiteral("Type='LIVRE'"));
    books.setFiltered(true);
    if (!books.isEmpty())
        showAt(books.recordCount() - 1, StripSlot::Image20);
}

void RecordNavigation::ShowFirstSixCovers()
{
    showPlainSummary();
    if (!m_frm.db.ADOTable1.isEmpty())
        showAt(0, StripSlot::Image25);
}

void RecordNavigation::ShowLastSixCovers()
{
    showPlainSummary();
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.isEmpty())
        showAt(books.recordCount() - 1, StripSlot::Image20);
}

void RecordNavigation::showPlainSummary()
{
    const ComplementsControls& c = m_entry.controls().complements;
    c.summary.show();
    c.markedSummary.hide();
}

void RecordNavigation::FillComplementsTab()
{
    db::Table& books = m_frm.db.ADOTable1;
    if (books.active() && !books.isEmpty())
        showAt(books.recNo() - 1, StripSlot::Image20, BookEntryScreen::StripFile::EmptyDeleted);
}

void RecordNavigation::stripClick(int slot)
{
    const BookEntryControls& c = m_entry.controls();
    ui::Image& clicked = *c.strip[slot];
    db::Table& books = m_frm.db.ADOTable1;
    // Only a slot that still shows what this screen put there names its copy.
    if (m_stripKeys[slot] != 0 && clicked.picture() && clicked.picture() == m_stripPictures[slot] && books.active())
        books.goToKey(m_stripKeys[slot]);
    c.complements.cover.setPicture(clicked.picture());
    const QString name = c.complements.coverName.text();
    if (files::folderFileExists(m_frm.AppDir + kCoversFolder, name))
        m_entry.showLargeCover(true);
    m_entry.showStoragePlace();
}

void RecordNavigation::Image2Click()
{
    m_entry.controls().complements.place.setItems(
        files::listFiles(m_frm.AppDir + kPlacePicturesFolder, QStringLiteral("*.*")));
}

void RecordNavigation::PageControl1Change()
{
    app::TFrmPrin& f = m_frm;
    const BooksGrid* grid = f.findPart<BooksGrid>();
    if (grid)
        grid->controls().replacePanel.hide();
    BookTabChanged = true;
    const BookEntryControls& c = m_entry.controls();
    const ui::TabSheet* page = c.tabs.activePage();
    if (page == &c.entryTab) {
        if (c.code.visible())
            c.code.setFocus();
        c.code.setColor(ui::colors::yellow);
        m_entry.ActiveBookTab = 1;
        c.titleSearch.show();
    } else if (page == &c.complementsTab) {
        FillComplementsTab();
        m_entry.ActiveBookTab = 2;
    } else if (page == &c.tableTab) {
        f.setVisibleIfBuilt(QStringLiteral("Panel20"), false);
        if (grid && grid->controls().directAccess.showing())
            grid->controls().directAccess.setFocus();
    }
}

void RecordNavigation::SpeedButton48Click()
{
    if (m_frm.db.ADOTable1.active())
        m_frm.db.ADOTable1.moveBy(kGridJump);
}

void RecordNavigation::SpeedButton49Click()
{
    if (m_frm.db.ADOTable1.active())
        m_frm.db.ADOTable1.moveBy(-kGridJump);
}

void RecordNavigation::stopSounds()
{
    m_frm.services().sound.send(QStringLiteral("close all"));
    for (const char* name : {"Image16", "Image17"})
        m_frm.setVisibleIfBuilt(QString::fromLatin1(name), true);
    for (const char* name : {"Image18", "Image19"})
        m_frm.setVisibleIfBuilt(QString::fromLatin1(name), false);
}

void RecordNavigation::slideCoverIntoStrip()
{
    if (!m_frm.settings.AnimationOn)
        return;
    const BookEntryControls& c = m_entry.controls();
    ui::Panel& screen = c.screen;
    ui::PageControl& pages = c.tabs;
    ui::Image& slide = *c.strip[int(StripSlot::Image22)];
    const ui::Image& cover = c.complements.cover;
    const QRect place = slide.bounds();
    const QRect from(screen.screenToClient(cover.clientToScreen(QPoint(0, 0))), cover.bounds().size());
    // The large cover is drawn over the page control while it slides down into its slot.
    pages.hide();
    for (int step = 1; step <= kSlideSteps; ++step) {
        auto between = [step](int a, int b) { return a + (b - a) * step / kSlideSteps; };
        slide.setBounds(QRect(between(from.left(), place.left()), between(from.top(), place.top()),
                              between(from.width(), place.width()), between(from.height(), place.height())));
        m_frm.Delay(1);
    }
    slide.setBounds(place);
    pages.show();
}

}  // namespace catalogue
