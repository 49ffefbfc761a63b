#include "app/SchoolCoordinatesLayout.h"

#include "app/ConfigurationPlacement.h"
#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"

namespace app {

SchoolCoordinatesControls buildSchoolCoordinatesControls(TFrmPrin& frm)
{
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Identification"));
    placeSetupLabel(frm, "Label122", screen, QRect(24, 32, 110, 18), QStringLiteral("N\u00b0 RNE"));
    auto* id = ui::placeControl<ui::Edit>(frm, "Edit70", screen, QRect(140, 30, 180, 22));
    auto* lookUp = ui::placeControl<ui::Button>(frm, "Button67", screen, QRect(336, 26, 110, 30),
                                                QStringLiteral("Chercher"));
    lookUp->setHint(QStringLiteral("Recherche les coordonn\u00e9es de votre \u00e9tablissement"));
    placeSetupLabel(frm, "Label123", screen, QRect(24, 82, 110, 18), QStringLiteral("Ecole"));
    auto* name = ui::placeControl<ui::Edit>(frm, "Edit72", screen, QRect(140, 80, 306, 22));
    placeSetupLabel(frm, "Label126", screen, QRect(24, 122, 110, 18), QStringLiteral("Ville"));
    auto* town = ui::placeControl<ui::Edit>(frm, "Edit73", screen, QRect(140, 120, 306, 22));
    placeSetupLabel(frm, "Mail", screen, QRect(24, 162, 110, 18), QStringLiteral("Mail"));
    auto* mail = ui::placeControl<ui::Edit>(frm, "Edit74", screen, QRect(140, 160, 306, 22));
    placeSetupLabel(frm, "Label129", screen, QRect(24, 202, 110, 18), QStringLiteral("Acad\u00e9mie"));
    auto* academie = ui::placeControl<ui::Edit>(frm, "Edit75", screen, QRect(140, 200, 80, 22));
    auto* ok = ui::placeControl<ui::Button>(frm, "Button69", screen, QRect(140, 300, 120, 34), QStringLiteral("OK"));
    ok->setHint(QStringLiteral("Valide les coordonn\u00e9es"));
    auto* cancel =
        ui::placeControl<ui::Button>(frm, "Button70", screen, QRect(280, 300, 120, 34), QStringLiteral("Annuler"));
    return {*screen, *id, *lookUp, *name, *town, *mail, *academie, *ok, *cancel};
}

}  // namespace app
