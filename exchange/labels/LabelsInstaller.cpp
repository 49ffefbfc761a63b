#include "exchange/labels/LabelsInstaller.h"

#include "app/FrmPrin.h"
#include "catalogue/BooksGrid.h"
#include "exchange/labels/LabelPageTab.h"
#include "exchange/labels/LabelSearchPanel.h"
#include "exchange/labels/LabelSheetScreen.h"

#include <stdexcept>

namespace labels {

void installLabelScreens(app::TFrmPrin& frm)
{
    // The sheet's screen builds the controls of both tabs.
    frm.addPart<LabelSheetScreen>(frm);
    frm.addPart<LabelPageTab>(frm);
    // The search panel runs the book grid's panel search on the table the choice grid shows.
    auto* grid = frm.findPart<catalogue::BooksGrid>();
    if (!grid)
        throw std::logic_error("the label screen's search panel needs the books grid");
    frm.addPart<LabelSearchPanel>(frm, *grid);
}

}  // namespace labels
