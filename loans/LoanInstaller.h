#pragma once
// The loan side of the desk joined to the main window: the loan screen, its lending, the
// emergency loans brought back from a file, and the borrower screen.
namespace app {
class TFrmPrin;
}

namespace loans {

void installLoanScreen(app::TFrmPrin& frm);

}  // namespace loans
