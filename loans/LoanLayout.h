#pragma once
// The loan screen's controls at their designed places inside Panel14. The screen points the
// mouse at "Rechercher" and "Emprunter" by window offsets, so those two keep their places.
#include "loans/LoanControls.h"

namespace app {
class TFrmPrin;
}

namespace loans {

LoanControls buildLoanScreen(app::TFrmPrin& frm);

}  // namespace loans
