#include "loans/LoanInstaller.h"

#include "app/FrmPrin.h"
#include "loans/BorrowerScreen.h"
#include "loans/EmergencyLoans.h"
#include "loans/LoanHistory.h"
#include "loans/Lending.h"
#include "loans/LoanLayout.h"
#include "loans/LoanScreen.h"

namespace loans {

void installLoanScreen(app::TFrmPrin& frm)
{
    buildLoanScreen(frm);
    auto& screen = frm.addPart<LoanScreen>(frm);
    frm.addPart<Lending>(frm, screen);
    frm.addPart<EmergencyLoans>(frm);
    frm.addPart<LoanHistoryButton>(frm);
    frm.addPart<BorrowerScreen>(frm);
}

}  // namespace loans
