#include "catalogue/RecordNavigation.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
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

#include <algorithm>

namespace catalogue {

namespace {

const char* const kStripImages[] = {"Image20", "Image21", "Image22", "Image23", "Image24", "Image25"};
constexpr int kStripSize = 6;
// The grid's "X1000" buttons jump this many copies.
constexpr int kGridJump = 1001;
// Steps of the slide of the large cover into its place in the strip.
constexpr int kSlideSteps = 38;

}  // namespace

RecordNavigation::RecordNavigation(app::TFrmPrin& frm, BookEntryScreen& entry, ComplementsTab& complements)
    : m_frm(frm), m_entry(entry), m_complements(complements)
{
    auto bindClick = [&frm](const char* control, std::function<void()> handler) {
        frm.get<ui::Control>(QString::fromLatin1(control)).onClick = std::move(handler);
    };
    bindClick("SpeedButton6", [this] { SpeedButton6Click(); });
    bindClick("SpeedButton14", [this] { SpeedButton14Click(); });
    bindClick("SpeedButton15", [this] { SpeedButton15Click(); });
    bindClick("SpeedButton16", [this] { SpeedButton16Click(); });
    bindClick("SpeedButton13", [this] { SpeedButton13Click(); });
    bindClick("SpeedButton5", [this] { SpeedButton5Click(); });
    bindClick("Image2", [this] { Image2Click(); });
    for (int slot = 0; slot < kStripSize; ++slot)
        bindClick(kStripImages[slot], [this, slot] { stripClick(slot); });
    frm.get<ui::PageControl>(QStringLiteral("PageControl1")).onChange = [this] { PageControl1Change(); };
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
    for (int k = 0; k < kStripSize; ++k) {
        const int shown = std::min(first + kStripSize - 1 - k, count - 1);
        auto& image = m_frm.get<ui::Image>(QString::fromLatin1(kStripImages[k]));
        m_entry.showStripCover(image, books.textAt(shown, coverColumn), handling);
        m_stripKeys[k] = books.textAt(shown, keyColumn).toLongLong();
        m_stripPictures[k] = image.picture();
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
    m_frm.setVisibleIfBuilt(QStringLiteral("DBMemo1"), true);
    m_frm.setVisibleIfBuilt(QStringLiteral("RichEdit3"), false);
    if (!m_frm.db.ADOTable1.isEmpty())
        showAt(0, StripSlot::Image25);
}

void RecordNavigation::ShowLastSixCovers()
{
    m_frm.setVisibleIfBuilt(QStringLiteral("DBMemo1"), true);
    m_frm.setVisibleIfBuilt(QStringLiteral("RichEdit3"), false);
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.isEmpty())
        showAt(books.recordCount() - 1, StripSlot::Image20);
}

void RecordNavigation::FillComplementsTab()
{
    db::Table& books = m_frm.db.ADOTable1;
    if (books.active() && !books.isEmpty())
        showAt(books.recNo() - 1, StripSlot::Image20, BookEntryScreen::StripFile::EmptyDeleted);
}

void RecordNavigation::stripClick(int slot)
{
    auto& clicked = m_frm.get<ui::Image>(QString::fromLatin1(kStripImages[slot]));
    db::Table& books = m_frm.db.ADOTable1;
    // Only a slot that still shows what this screen put there names its copy.
    if (m_stripKeys[slot] != 0 && clicked.picture() && clicked.picture() == m_stripPictures[slot] && books.active())
        books.goToKey(m_stripKeys[slot]);
    auto& cover = m_frm.get<ui::Image>(QStringLiteral("Image3"));
    cover.setPicture(clicked.picture());
    const QString name = m_frm.get<ui::CustomEdit>(QStringLiteral("DBEdit39")).text();
    if (files::folderFileExists(m_frm.AppDir + kCoversFolder, name))
        m_entry.showLargeCover(true);
    m_entry.showStoragePlace();
}

void RecordNavigation::Image2Click()
{
    auto& places = m_frm.get<ui::DBComboBox>(QStringLiteral("DBComboBox6"));
    places.setItems(files::listFiles(m_frm.AppDir + kPlacePicturesFolder, QStringLiteral("*.*")));
}

void RecordNavigation::PageControl1Change()
{
    app::TFrmPrin& f = m_frm;
    f.setVisibleIfBuilt(QStringLiteral("RelativePanel1"), false);
    BookTabChanged = true;
    const ui::TabSheet* page = f.get<ui::PageControl>(QStringLiteral("PageControl1")).activePage();
    const QString name = page ? page->name() : QString();
    if (name == QLatin1String("TabSheet7")) {
        auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
        if (code.visible())
            code.setFocus();
        code.setColor(ui::colors::yellow);
        m_entry.ActiveBookTab = 1;
        f.get<ui::Control>(QStringLiteral("SpeedButton2")).show();
    } else if (name == QLatin1String("TabSheet2")) {
        FillComplementsTab();
        m_entry.ActiveBookTab = 2;
    } else if (name == QLatin1String("TabSheet1")) {
        f.setVisibleIfBuilt(QStringLiteral("Panel20"), false);
        if (auto* search = f.find<ui::Edit>(QStringLiteral("Edit67")); search && search->showing())
            search->setFocus();
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
    auto& screen = m_frm.get<ui::Panel>(QStringLiteral("Panel4"));
    auto& pages = m_frm.get<ui::Control>(QStringLiteral("PageControl1"));
    auto& slide = m_frm.get<ui::Image>(QStringLiteral("Image22"));
    const auto& cover = m_frm.get<ui::Image>(QStringLiteral("Image3"));
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
