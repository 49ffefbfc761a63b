#include "web/sharedbase/BatchPanelLayout.h"

#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace sharedbase {

namespace {

    template <class T>
    T& ensure(app::TFrmPrin& frm, const char* name, ui::WinControl* parent, const QRect& place,
              const QString& text = {})
    {
        // A control of another kind under the name is a fault of the layouts, not a reason for a second one.
        if (auto* existing = frm.find<ui::Control>(QString::fromLatin1(name)))
            return dynamic_cast<T&>(*existing);
        return *ui::placeControl<T>(frm, name, parent, place, text);
    }

}  // namespace

BatchPanelControls buildBatchPanel(app::TFrmPrin& frm)
{
    auto* tab = frm.find<ui::WinControl>(QStringLiteral("TabSheet7"));
    auto& panel = ensure<ui::Panel>(frm, "Panel20", tab, QRect(300, 270, 420, 150));
    BatchPanelControls controls{
        panel,
        ensure<ui::Label>(frm, "Label159", &panel, QRect(16, 16, 130, 16), QStringLiteral("Commencer au  N° ?")),
        ensure<ui::Edit>(frm, "Edit98", &panel, QRect(150, 12, 80, 22), QStringLiteral("1")),
        ensure<ui::Button>(frm, "Button91", &panel, QRect(16, 48, 250, 28),
                           QStringLiteral("Commencer la recherche images")),
        ensure<ui::SpeedButton>(frm, "SpeedButton51", &panel, QRect(16, 48, 250, 28),
                                QStringLiteral("Commencer la recherche résumé")),
        ensure<ui::SpeedButton>(frm, "SpeedButton9", &panel, QRect(276, 48, 108, 28), QStringLiteral("Annuler")),
        ensure<ui::Gauge>(frm, "Gauge3", &panel, QRect(16, 100, 384, 20)),
    };
    ensure<ui::Memo>(frm, "Memo6", frm.find<ui::WinControl>(QStringLiteral("Panel4")), QRect(800, 380, 250, 120))
        .hide();
    panel.hide();
    return controls;
}

}  // namespace sharedbase
