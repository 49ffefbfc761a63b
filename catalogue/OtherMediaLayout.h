#pragma once
// The other-media screen's controls at their places inside Panel7: the page control with its
// four tabs (entry, browsing, grid, cover page), the list of copies already stored beside it
// and the picture of the accepted item's farewell.
#include "catalogue/OtherMediaControls.h"

#include <QRect>

namespace app {
class TFrmPrin;
}

namespace catalogue {

namespace otherMediaLayout {
constexpr QRect kPageControl(16, 8, 780, 712);
// Where the accepted item's cover starts its flight, over the page control.
constexpr QRect kFarewellStart(600, 0, 425, 500);
}  // namespace otherMediaLayout

OtherMediaControls buildOtherMediaControls(app::TFrmPrin& frm);

}  // namespace catalogue
