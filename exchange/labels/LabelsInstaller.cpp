#include "exchange/labels/LabelsInstaller.h"

#include "app/FrmPrin.h"
#include "exchange/labels/LabelPageTab.h"
#include "exchange/labels/LabelSheetScreen.h"

namespace labels {

void installLabelScreens(app::TFrmPrin& frm)
{
    // The sheet's screen builds the controls of both tabs.
    frm.addPart<LabelSheetScreen>(frm);
    frm.addPart<LabelPageTab>(frm);
}

}  // namespace labels
