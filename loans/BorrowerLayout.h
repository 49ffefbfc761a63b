#pragma once
// The borrower screen's controls at their places inside Panel2: the entry fields of a new
// borrower with its optional group and "Ajouter", the current borrower's data-aware fields with
// the browsing buttons and the navigator, the photo with its picture services, the grid of every
// borrower, and the imports' progress bar.
#include "loans/BorrowerControls.h"

namespace app {
class TFrmPrin;
}

namespace loans {

BorrowerControls buildBorrowerScreen(app::TFrmPrin& frm);

}  // namespace loans
