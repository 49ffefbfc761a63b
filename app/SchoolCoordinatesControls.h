#pragma once
// The "Coordonnées" screen's controls, made once by buildSchoolCoordinatesControls.
namespace ui {
class Button;
class Edit;
class Panel;
}  // namespace ui

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
