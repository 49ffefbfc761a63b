#pragma once
// The book screen's controls at their places: the page control with its tabs, the fields of the
// entry tab, the persistent fields and the cover strip below it. The look-up clicks the save
// button and "ISBN Suivant" at fixed offsets from the window's corner, so their places are
// behaviour; the rest is laid out so that nothing overlaps.
#include <QRect>

namespace app {
class TFrmPrin;
}

namespace catalogue {

namespace layout {
// Inside Panel4: the tabs above, the strip and the persistent fields below.
constexpr QRect kPageControl(0, 0, 1000, 470);
// On the entry tab.
constexpr QRect kSaveButton(679, 156, 103, 28);
constexpr QRect kNextIsbnButton(776, 65, 94, 32);
// The large cover of the Compléments tab, whose size the cover crop scales by.
constexpr QRect kLargeCover(660, 10, 310, 406);
// The scratch picture under it, whose size the cropped cover takes.
constexpr QSize kCoverScratch(312, 409);
// Right of the tabs: a page view, its status bar below it.
constexpr QRect kDownloadView(1010, 8, 245, 160);
// The cover strip, newest first (Image20 .. Image25).
constexpr int kStripTop = 475;
constexpr int kStripLefts[6] = {521, 419, 318, 215, 113, 12};
constexpr QSize kStripCover(95, 135);
}  // namespace layout

// Creates every control of the book screen inside Panel4.
void buildBookEntryControls(app::TFrmPrin& frm);

}  // namespace catalogue
