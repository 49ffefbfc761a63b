#pragma once
// The controls of the pupils' screens at their places: the pupil import (Panel1), the borrower
// cards (Panel17) and the lists of books out and overdue (Panel18), each with its browser
// control showing the page it made.
#include "pupils/BorrowerCardsControls.h"
#include "pupils/LoanListsControls.h"
#include "pupils/PupilImportControls.h"

namespace app {
class TFrmPrin;
}

namespace pupils {

PupilImportControls buildPupilImportControls(app::TFrmPrin& frm);
BorrowerCardsControls buildBorrowerCardsControls(app::TFrmPrin& frm);
LoanListsControls buildLoanListsControls(app::TFrmPrin& frm);

}  // namespace pupils
