#pragma once
// The stock-take panel (Panel25) on the book screen's entry tab, beside the code field the
// copies are scanned into. It covers the entry tab's summary column and save button, which the
// stock-take does not use, and leaves the fields that a scan fills and the cover in view.
#include "catalogue/StockTakeControls.h"

#include <QRect>

namespace app {
class TFrmPrin;
}
namespace ui {
class TabSheet;
}

namespace catalogue {

namespace layout {
constexpr QRect kStockTakePanel(476, 58, 314, 336);
}  // namespace layout

// Creates the panel and its controls inside the entry tab, hidden.
StockTakeControls buildStockTakeControls(app::TFrmPrin& frm, ui::TabSheet& entryTab);

}  // namespace catalogue
