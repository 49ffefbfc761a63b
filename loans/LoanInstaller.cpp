#include "loans/LoanInstaller.h"

#include "app/FrmPrin.h"
#include "loans/BorrowerLayout.h"
#include "loans/BorrowerScreen.h"
#include "loans/EmergencyLoans.h"
#include "loans/LoanHistory.h"
#include "loans/Lending.h"
#include "loans/LoanLayout.h"
#include "loans/LoanScreen.h"

namespace loans {

void installLoanScreen(app::TFrmPrin& frm)
{
    auto& screen = frm.addPart<LoanScreen>(frm, buildLoanScreen(frm));
    frm.addPart<Lending>(frm, screen);
    frm.addPart<EmergencyLoans>(frm, screen);
    frm.addPart<LoanHistoryButton>(frm, screen);
    frm.addPart<BorrowerScreen>(frm, buildBorrowerScreen(frm));
}

}  // namespace loans
