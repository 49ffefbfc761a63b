#pragma once
// The label screen Panel8: the page control PageControl4 with the choice grid and its search
// panel RelativePanel2 (TabSheet8), the label sheet (TabSheet9) and the HTML label page
// (TabSheet13). Every control at its place, here in one file.
#include "exchange/labels/LabelQuery.h"

#include <array>

namespace app {
class TFrmPrin;
}

namespace labels {

// A tab's order buttons, in the order of LabelOrder.
using OrderButtons = std::array<const char*, 4>;
inline constexpr OrderButtons kSheetOrderButtons{"RadioButton6", "RadioButton7", "RadioButton8", "RadioButton9"};
inline constexpr OrderButtons kPageOrderButtons{"RadioButton10", "RadioButton13", "RadioButton12", "RadioButton11"};

void buildLabelScreenControls(app::TFrmPrin& frm);

// The order the checked button of a tab chooses.
LabelOrder chosenOrder(app::TFrmPrin& frm, const OrderButtons& buttons);

}  // namespace labels
