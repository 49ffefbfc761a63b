#include "catalogue/StockTakePanel.h"

#include "app/FrmPrin.h"

namespace catalogue {

StockTakePanel::StockTakePanel(ui::Form& form, const QString& name) : ui::Panel(form, name) {}

void StockTakePanel::visibilityChanged()
{
    ui::Panel::visibilityChanged();
    static_cast<app::TFrmPrin&>(form()).InventoryMode = visible();
}

}  // namespace catalogue
