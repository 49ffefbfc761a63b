#pragma once
// Walking through the copies of the book screen's table on the "Compléments" tab: one copy, six
// copies, the first or the last; a click on a cover of the strip; the tab switch. Every move ends
// on the copy asked for, shows the strip of six covers around it with its cover large and its
// storage place, and moves the table's cursor once, so the data-aware fields refresh once.
#include "catalogue/BookEntryScreen.h"

#include <QString>
#include <array>
#include <memory>

namespace app {
class TFrmPrin;
}
namespace ui {
class Picture;
}

namespace catalogue {

class ComplementsTab;

class RecordNavigation {
public:
    RecordNavigation(app::TFrmPrin& frm, BookEntryScreen& entry, ComplementsTab& complements);

    void SpeedButton6Click();   // first
    void SpeedButton14Click();  // six back
    void SpeedButton15Click();  // previous, after writing the tab's values into the copy left
    void SpeedButton16Click();  // next, after writing the tab's values into the copy left
    void SpeedButton13Click();  // six forward
    void SpeedButton5Click();   // last
    // A click on a strip cover, slot 0 being Image20 (the right end) and 5 Image25.
    void stripClick(int slot);
    // Fills the storage-place list from the pictures of the places.
    void Image2Click();
    void PageControl1Change();
    // "X1000" on the books grid: 1001 copies forward or back; the strip stays.
    void SpeedButton48Click();
    void SpeedButton49Click();

    void ShowFirstSixCovers();
    void ShowLastSixCovers();
    // The strip ending on the current copy, its cover and storage place; the copy stays current.
    void FillComplementsTab();

    // A tab was switched to since the last title search of the entry tab.
    bool BookTabChanged = false;

private:
    enum class StripSlot { Image20 = 0, Image21, Image22, Image23, Image24, Image25 };
    // Makes the row at `row` (0-based, in the table's filter and order) current, with the strip
    // placed so that it shows the row in `slot` where the ends of the table allow.
    void showAt(int row, StripSlot slot, BookEntryScreen::StripFile handling = BookEntryScreen::StripFile::Plain);
    // The current row after the tab's values were written into it.
    int leaveCurrentCopy(bool forward);
    void stopSounds();
    void slideCoverIntoStrip();

    app::TFrmPrin& m_frm;
    BookEntryScreen& m_entry;
    ComplementsTab& m_complements;
    // Which copy each slot shows, and the picture put there, so that a slot refilled by
    // another screen's strip is not taken for one of ours.
    std::array<qint64, 6> m_stripKeys{};
    std::array<std::shared_ptr<const ui::Picture>, 6> m_stripPictures{};
};

}  // namespace catalogue
