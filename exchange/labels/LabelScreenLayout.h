#pragma once
// The label screen Panel8: the page control PageControl4 with the choice grid and its search
// panel RelativePanel2 (TabSheet8), the label sheet (TabSheet9) and the HTML label page
// (TabSheet13). Every control at its place, here in one file.
#include "exchange/labels/LabelQuery.h"
#include "exchange/labels/LabelScreenControls.h"

namespace app {
class TFrmPrin;
}

namespace labels {

LabelScreenControls buildLabelScreen(app::TFrmPrin& frm);

// The order the checked button of a tab chooses.
LabelOrder chosenOrder(const OrderButtons& buttons);

}  // namespace labels
