#pragma once
// The stock-take panel (Panel25) on the book screen's entry tab, beside the code field the
// copies are scanned into. It lies over the entry tab's summary column, which the stock-take
// does not use, and leaves the fields that a scan fills in view.
#include <QRect>

namespace app {
class TFrmPrin;
}

namespace catalogue {

namespace layout {
constexpr QRect kStockTakePanel(476, 100, 320, 294);
}  // namespace layout

// Creates the panel and its controls inside TabSheet7, hidden.
void buildStockTakeControls(app::TFrmPrin& frm);

}  // namespace catalogue
