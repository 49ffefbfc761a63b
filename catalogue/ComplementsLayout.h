#pragma once
// The "Compléments" tab at its places: the current copy's fields, its summary and descriptors,
// the keyword boxes, the large cover with the storage-place picture, and the navigation bar.
#include "catalogue/ComplementsControls.h"

#include <QRect>

namespace app {
class TFrmPrin;
}
namespace ui {
class TabSheet;
}

namespace catalogue {

namespace layout {
// The navigation bar's buttons are square pictures on one row.
constexpr int kNavigationTop = 370;
constexpr int kNavigationButton = 36;
// The row of commands along the bottom of the tab, under the large cover.
constexpr int kCommandRowTop = 416;
constexpr int kCommandRowHeight = 24;
}  // namespace layout

// Creates the tab's controls; the data-aware ones follow the book screen's table.
ComplementsControls buildComplementsTab(app::TFrmPrin& frm, ui::TabSheet* tab);

}  // namespace catalogue
