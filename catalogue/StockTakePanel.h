#pragma once
// The stock-take panel (Panel25). The stock-take mode is on exactly while the panel is shown:
// whatever hides it (another screen, a cancelled step, the suspend and finish steps) ends the
// mode, so that a code scanned into the book screen afterwards is looked up, not marked found.
#include "platform/ui/Panel.h"

namespace catalogue {

class StockTakePanel : public ui::Panel {
public:
    StockTakePanel(ui::Form& form, const QString& name);

protected:
    void visibilityChanged() override;
};

}  // namespace catalogue
