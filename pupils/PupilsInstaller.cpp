#include "pupils/PupilsInstaller.h"

#include "app/FrmPrin.h"
#include "pupils/BorrowerCardsScreen.h"
#include "pupils/BorrowersResetScreen.h"
#include "pupils/LoanListsScreen.h"
#include "pupils/PupilImportScreen.h"

namespace pupils {

void installPupilScreens(app::TFrmPrin& frm)
{
    frm.addPart<BorrowerCardsScreen>(frm);
    frm.addPart<PupilImportScreen>(frm);
    frm.addPart<LoanListsScreen>(frm);
    frm.addPart<BorrowersResetScreen>(frm);
}

}  // namespace pupils
