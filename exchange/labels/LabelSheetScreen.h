#pragma once
// The label sheet tab (TabSheet9 of Panel8): the sheet rebuilt from the flagged copies, its
// layout settings (at most what a page holds) and their eight buttons, the save to
// Etiquettes.RTF, the print that clears the flags of the copies printed, the preview program and
// the help page.
#include "exchange/labels/LabelScreenControls.h"
#include "exchange/labels/LabelSheet.h"

#include <functional>

namespace app {
class TFrmPrin;
}
namespace ui {
class RichEdit;
}

namespace labels {

class LabelSheetScreen {
public:
    // Binds the sheet's handlers to the label screen's controls.
    LabelSheetScreen(app::TFrmPrin& frm, const LabelScreenControls& controls);

    const LabelScreenControls& controls() const { return m_controls; }

    // Menu "Etiquettes Codebarre": the sheet of the flagged copies of the chosen types and order.
    void Etiquettecodebarre1Click();
    // "Mise à jour affichage": the label query of the chosen types and order, rebuilt and saved.
    void SpeedButton35Click();
    // "Impression": prints the sheet as shown, then asks before clearing the flags.
    void Imprime_EtiquetteClick();
    // "Aperçu avant impression": starts the preview program.
    void SpeedButton38Click();
    void Button25Click();

    // Prints the sheet's whole content on the current printer as one job; throws when it cannot
    // be started. The program's prints through the installed page formatting; tests set their own.
    std::function<void(const ui::RichEdit&)> printSheet;

    const LabelSheet& sheet() const { return m_sheet; }

private:
    // Rebuilds the sheet from the scratch query as the check boxes choose.
    void rebuild();
    // Steps a layout value (no further up than `most`), rebuilds, shows the values and saves the sheet.
    void changeLayout(int& setting, int step, int most);
    // The flagged copies of the chosen types in the chosen order, into the scratch query.
    void runLabelQuery();
    void showSettings();
    void saveSheet();

    app::TFrmPrin& m_frm;
    LabelScreenControls m_controls;
    LabelSheet m_sheet;
};

}  // namespace labels
