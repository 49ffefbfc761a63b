#pragma once
// The controls the imports add to the book screen's "Essentiel" page: the memo showing the
// line being imported, and the floating panel of the other program's import with its two code
// choices, its start button and its gauge. Made once by buildImportControls.
namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
}
#include "platform/ui/ControlClasses.h"

namespace exchange {

struct ImportControls {
    ui::Memo& importedLine;             // Memo6
    ui::Panel& bcdiPanel;               // Panel20
    ui::Panel& bcdiCodes;               // RadioGroup2
    ui::RadioButton& keepCopyNumbers;   // RadioButton3
    ui::RadioButton& keepIsbn13;        // RadioButton4
    ui::Button& bcdiStart;              // Button1 "Démarrer l'importation"
    ui::Gauge& bcdiGauge;               // Gauge3
};

ImportControls buildImportControls(app::TFrmPrin& frm, const catalogue::BookEntryControls& book);

}  // namespace exchange
