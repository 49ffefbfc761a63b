#include "exchange/ImportControls.h"

#include "app/FrmPrin.h"
#include "catalogue/ControlPlacement.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace exchange {

using catalogue::placeControl;

void buildImportControls(app::TFrmPrin& frm)
{
    auto* entry = &frm.get<ui::TabSheet>(QStringLiteral("TabSheet7"));
    placeControl<ui::Memo>(frm, "Memo6", entry, QRect(16, 398, 444, 44))->hide();

    auto* panel = placeControl<ui::Panel>(frm, "Panel20", entry, QRect(480, 60, 400, 200));
    panel->setColor(ui::colors::cream);
    panel->hide();
    auto* group = placeControl<ui::Panel>(frm, "RadioGroup2", panel, QRect(10, 10, 380, 80));
    placeControl<ui::RadioButton>(frm, "RadioButton3", group, QRect(10, 10, 360, 22),
                                  QStringLiteral("Conserver les N° Bcdi3 d'origine"));
    placeControl<ui::RadioButton>(frm, "RadioButton4", group, QRect(10, 42, 360, 22),
                                  QStringLiteral("Conserver les N° ISBN13 quand ils existent"))
        ->setChecked(true);
    placeControl<ui::Button>(frm, "Button1", panel, QRect(10, 104, 220, 32), QStringLiteral("Démarrer l'importation"));
    placeControl<ui::Gauge>(frm, "Gauge3", panel, QRect(10, 150, 380, 20))->hide();
}

}  // namespace exchange
