#include "exchange/ImportControls.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace exchange {

using ui::placeControl;

ImportControls buildImportControls(app::TFrmPrin& frm, const catalogue::BookEntryControls& book)
{
    auto* entry = &book.entryTab;
    auto* importedLine = placeControl<ui::Memo>(frm, "Memo6", entry, QRect(16, 398, 444, 44));
    importedLine->hide();

    auto* panel = placeControl<ui::Panel>(frm, "Panel20", entry, QRect(480, 60, 400, 200));
    panel->setColor(ui::colors::cream);
    panel->hide();
    auto* group = placeControl<ui::Panel>(frm, "RadioGroup2", panel, QRect(10, 10, 380, 80));
    auto* keepCopyNumbers = placeControl<ui::RadioButton>(frm, "RadioButton3", group, QRect(10, 10, 360, 22),
                                                          QStringLiteral("Conserver les N° Bcdi3 d'origine"));
    auto* keepIsbn13 = placeControl<ui::RadioButton>(frm, "RadioButton4", group, QRect(10, 42, 360, 22),
                                                     QStringLiteral("Conserver les N° ISBN13 quand ils existent"));
    keepIsbn13->setChecked(true);
    auto* start = placeControl<ui::Button>(frm, "Button1", panel, QRect(10, 104, 220, 32), QStringLiteral("Démarrer l'importation"));
    auto* gauge = placeControl<ui::Gauge>(frm, "Gauge3", panel, QRect(10, 150, 380, 20));
    gauge->hide();
    return {*importedLine, *panel, *group, *keepCopyNumbers, *keepIsbn13, *start, *gauge};
}

}  // namespace exchange
