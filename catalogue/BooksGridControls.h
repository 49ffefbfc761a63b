#pragma once
// The books grid's controls on the tab "Tableau", made once by buildBooksGridControls.
#include "platform/ui/ControlClasses.h"

namespace catalogue {

// A search in one field of the grid: this tab's two panels and the label screen's.
struct GridSearchControls {
    ui::ComboBox& field;
    ui::ComboBox& comparison;
    ui::Edit& value;
    // The number of copies found or changed.
    ui::Label& count;
};

struct BooksGridControls {
    ui::DBGrid& grid;                    // DBGrid1
    ui::DBNavigator& navigator;          // DBNavigator6
    ui::Button& erase;                   // Button59 "Effacer"
    ui::Button& openReplace;             // Button89 "Chercher/Remplacer"
    ui::SpeedButton& thousandBack;       // SpeedButton49
    ui::SpeedButton& thousandForward;    // SpeedButton48
    GridSearchControls fieldSearch;      // ComboBox15, ComboBox19, Edit160, Label245
    ui::Button& searchInField;           // Button38 "Chercher dans le champ"
    ui::Edit& directAccess;              // Edit67
    ui::Button& directAccessButton;      // Button96
    // The search-and-replace panel.
    ui::Panel& replacePanel;             // RelativePanel1
    GridSearchControls replaceSearch;    // ComboBox18, ComboBox20, Edit157, Label242
    ui::Edit& replacement;               // Edit159
    ui::Button& search;                  // Button47 "Chercher"
    ui::Button& replace;                 // Button36 "Remplacer"
    ui::Button& cancel;                  // Button98 "Annuler"
};

}  // namespace catalogue
