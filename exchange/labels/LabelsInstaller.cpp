#include "exchange/labels/LabelsInstaller.h"

#include "app/FrmPrin.h"
#include "catalogue/BooksGrid.h"
#include "exchange/labels/LabelPageTab.h"
#include "exchange/labels/LabelScreenLayout.h"
#include "exchange/labels/LabelSearchPanel.h"
#include "exchange/labels/LabelSheetScreen.h"

#include <stdexcept>

namespace labels {

void installLabelScreens(app::TFrmPrin& frm)
{
    const LabelScreenControls controls = buildLabelScreen(frm);
    frm.addPart<LabelSheetScreen>(frm, controls);
    frm.addPart<LabelPageTab>(frm, controls);
    // The search panel runs the book grid's panel search on the table the choice grid shows.
    auto* grid = frm.findPart<catalogue::BooksGrid>();
    if (!grid)
        throw std::logic_error("the label screen's search panel needs the books grid");
    frm.addPart<LabelSearchPanel>(controls, *grid);
}

}  // namespace labels
