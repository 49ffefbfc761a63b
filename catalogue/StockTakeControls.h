#pragma once
// The stock-take panel's controls, made once by buildStockTakeControls.
#include "platform/ui/ControlClasses.h"

namespace catalogue {

class StockTakePanel;

struct StockTakeControls {
    // Shown, it switches the stock-take mode on.
    StockTakePanel& panel;          // Panel25
    ui::ComboBox& genre;            // DBComboBox1
    ui::Edit& kind;                 // Edit146
    ui::Edit& foundCount;           // Edit147
    ui::Edit& missingCount;         // Edit148
    ui::CheckBox& lentCountAsThere;  // CheckBox41
    ui::SpeedButton& start;         // SpeedButton52 "Nouvel inventaire"
    ui::SpeedButton& suspend;       // SpeedButton32 "Suspendre et continuer plus tard"
    ui::SpeedButton& finish;        // SpeedButton31 "Inventaire terminé"
    ui::SpeedButton& zeroMissing;   // SpeedButton50 "Mettre à 0 les exemplaires absents"
    ui::SpeedButton& erase;         // SpeedButton53 "Effacement définitif"
};

}  // namespace catalogue
