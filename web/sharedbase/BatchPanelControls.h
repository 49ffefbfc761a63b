#pragma once
// The batch panel's controls, made once by buildBatchPanel inside the library import's panel,
// whose gauge the passes share.
#include "platform/ui/ControlClasses.h"

namespace sharedbase {

struct BatchPanelControls {
    ui::Panel& panel;                 // Panel20, the import's
    ui::Label& startCaption;          // Label159 "Commencer au  N° ?"
    ui::Edit& startNumber;            // Edit98
    ui::Button& coversStart;          // Button91 "Commencer la recherche images"
    ui::SpeedButton& summariesStart;  // SpeedButton51 "Commencer la recherche résumé"
    ui::SpeedButton& cancel;          // SpeedButton9 "Annuler"
    ui::Gauge& progress;              // Gauge3, the import's
};

}  // namespace sharedbase
