#pragma once
// The scanning controls, made once by buildScanControls on the screens this program is built
// with (null where the screen is not built).
#include "platform/ui/ControlClasses.h"

namespace acquisition {

struct ScanControls {
    // The new-book tab "Essentiel": each icon offers its control while the pointer is on it.
    ui::Image* scannerIcon;   // Image8
    ui::Image* scan;          // Image59 "Scanner"
    ui::Image* sourceIcon;    // Image7
    ui::Image* chooseSource;  // Image58 "Choisir le scanner"
    // The book's Compléments tab.
    ui::SpeedButton* scanCover;    // SpeedButton23 "Scanner"
    ui::SpeedButton* coverSource;  // SpeedButton24 "Choix scanner"
    // The other medium's Compléments tab.
    ui::SpeedButton* scanOtherMedia;    // SpeedButton25 "Scanner"
    ui::SpeedButton* otherMediaSource;  // SpeedButton26 "Choix scanner"
};

}  // namespace acquisition
