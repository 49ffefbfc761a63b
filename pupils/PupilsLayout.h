#pragma once
// The controls of the pupils' screens at their places: the pupil import (Panel1), the borrower
// cards (Panel17) and the lists of books out and overdue (Panel18), each with its browser
// control showing the page it made.
namespace app {
class TFrmPrin;
}

namespace pupils {

void buildPupilImportControls(app::TFrmPrin& frm);
void buildBorrowerCardsControls(app::TFrmPrin& frm);
void buildLoanListsControls(app::TFrmPrin& frm);

}  // namespace pupils
