#include "web/sharedbase/BatchPanelLayout.h"

#include "app/FrmPrin.h"
#include "exchange/ImportControls.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace sharedbase {

using ui::placeControl;

BatchPanelControls buildBatchPanel(app::TFrmPrin& frm, const exchange::ImportControls& imports)
{
    ui::Panel& panel = imports.bcdiPanel;
    return {
        panel,
        *placeControl<ui::Label>(frm, "Label159", &panel, QRect(16, 16, 130, 16), QStringLiteral("Commencer au  N° ?")),
        *placeControl<ui::Edit>(frm, "Edit98", &panel, QRect(150, 12, 80, 22), QStringLiteral("1")),
        *placeControl<ui::Button>(frm, "Button91", &panel, QRect(16, 48, 250, 28),
                                  QStringLiteral("Commencer la recherche images")),
        *placeControl<ui::SpeedButton>(frm, "SpeedButton51", &panel, QRect(16, 48, 250, 28),
                                       QStringLiteral("Commencer la recherche résumé")),
        *placeControl<ui::SpeedButton>(frm, "SpeedButton9", &panel, QRect(276, 48, 108, 28), QStringLiteral("Annuler")),
        imports.bcdiGauge,
    };
}

}  // namespace sharedbase
