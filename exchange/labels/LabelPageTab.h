#pragma once
// The HTML label page's tab (TabSheet13 of Panel8): the page built from the label query and
// shown in WebBrowser10, printed through the web view, and the flags of the copies on the page
// cleared after a confirmed print.
#include "exchange/labels/LabelScreenControls.h"

#include <QList>
#include <functional>

namespace app {
class TFrmPrin;
}
namespace ui {
class WebBrowser;
}

namespace labels {

class LabelPageTab {
public:
    // Binds the tab's handlers to the label screen's controls.
    LabelPageTab(app::TFrmPrin& frm, const LabelScreenControls& controls);

    // "Réactualiser l'affichage".
    void SpeedButton36Click();
    // "Impression".
    void SpeedButton37Click();
    // Any change of the label screen's tab.
    void PageControl4Change();

    // Prints the page the web view shows through the print dialog; false when nothing was
    // printed (the dialog cancelled, the print failed).
    std::function<bool(ui::WebBrowser&)> printPage;

private:
    app::TFrmPrin& m_frm;
    LabelScreenControls m_controls;
    // The copies on the page built last in this run: the ones a confirmed print clears.
    QList<qint64> m_copiesShown;
};

}  // namespace labels
