#include "pupils/PupilsInstaller.h"

#include "app/FrmPrin.h"
#include "pupils/BorrowerCardsScreen.h"
#include "pupils/BorrowersResetScreen.h"
#include "pupils/LoanListsScreen.h"
#include "pupils/PupilImportScreen.h"
#include "pupils/PupilsLayout.h"

namespace pupils {

void installPupilScreens(app::TFrmPrin& frm)
{
    frm.addPart<BorrowerCardsScreen>(frm, buildBorrowerCardsControls(frm));
    frm.addPart<PupilImportScreen>(frm, buildPupilImportControls(frm));
    frm.addPart<LoanListsScreen>(frm, buildLoanListsControls(frm));
    frm.addPart<BorrowersResetScreen>(frm);
}

}  // namespace pupils
