#pragma once
// The "Coordonnées" screen's controls, made once by buildSchoolCoordinatesControls.
#include "platform/ui/ControlClasses.h"

namespace app {

struct SchoolCoordinatesControls {
    ui::Panel& screen;      // Identification
    ui::Edit& id;           // Edit70
    ui::Button& lookUp;     // Button67 "Chercher"
    ui::Edit& name;         // Edit72
    ui::Edit& town;         // Edit73
    ui::Edit& mail;         // Edit74
    ui::Edit& academie;     // Edit75
    ui::Button& ok;         // Button69 "OK"
    ui::Button& cancel;     // Button70 "Annuler"
};

}  // namespace app
