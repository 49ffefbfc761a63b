#pragma once
// The pupil import screen's controls, made once by buildPupilImportControls.
#include "platform/ui/ControlClasses.h"

namespace pupils {

struct PupilImportControls {
    ui::Panel& screen;             // Panel1
    ui::RadioButton& continuing;   // RadioButton1 "Les N° se suivent d'une année à l'autre "
    ui::RadioButton& restarting;   // RadioButton2 "Les N° redémarrent avec 1"
    ui::RadioButton& updating;     // RadioButton5 "Ajouter les nouveaux et modifier les classes…"
    ui::Button& import;            // Button14 "Importer les élèves (CSVExtraction.csv) "
    ui::Button& help;              // Button78 "Comment choisir l'importation ?"
    ui::WebBrowser& page;          // WebBrowser2
};

}  // namespace pupils
