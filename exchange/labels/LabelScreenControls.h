#pragma once
// The label screen's controls (Panel8 and its three tabs), made once by buildLabelScreen.
#include "catalogue/BooksGridControls.h"
#include "platform/ui/ControlClasses.h"

#include <array>

namespace labels {

// A tab's order buttons, in the order of LabelOrder: titles, storage place, ISBN-13, entry.
using OrderButtons = std::array<ui::RadioButton*, 4>;

struct LabelScreenControls {
    ui::WinControl& screen;            // Panel8
    ui::PageControl& pages;            // PageControl4
    ui::TabSheet& sheetTab;            // TabSheet9

    // The choice tab's search panel.
    catalogue::GridSearchControls search;  // ComboBox21, ComboBox22, Edit158, Label250
    ui::Button& find;                  // Button56 "Chercher"
    ui::Button& cancelSearch;          // Button57 "Annuler"

    // The label sheet's tab.
    ui::Edit& columns;                 // Edit76
    ui::Edit& columnGap;               // Edit77
    ui::Edit& rowGap;                  // Edit78
    ui::Button& moreColumns;           // Button23 "+"
    ui::Button& fewerColumns;          // Button20 "-"
    ui::Button& widerColumnGap;        // Button22 "+"
    ui::Button& narrowerColumnGap;     // Button21 "-"
    ui::Button& widerRowGap;           // Button18 "+"
    ui::Button& narrowerRowGap;        // Button19 "-"
    ui::SpeedButton& widerColumnGap5;  // SpeedButton39 "+ X5"
    ui::SpeedButton& narrowerColumnGap5;  // SpeedButton40 "- X5"
    ui::CheckBox& isbn13Labels;        // CheckBox11
    ui::CheckBox& code39Labels;        // CheckBox12
    ui::CheckBox& copyLabels;          // CheckBox40
    ui::CheckBox& books;               // CheckBox22
    ui::CheckBox& otherMedia;          // CheckBox24
    OrderButtons sheetOrder;           // RadioButton6–RadioButton9
    ui::SpeedButton& updateSheet;      // SpeedButton35 "Mise à jour affichage"
    ui::Button& printSheet;            // Button17 "Impression"
    ui::Image& printSheetPicture;      // Image102
    ui::SpeedButton& preview;          // SpeedButton38 "Aperçu avant impression"
    ui::Button& help;                  // Button25
    ui::RichEdit& sheet;               // Richedit1

    // The HTML label page's tab.
    ui::Edit& labelsPerPage;           // Edit19
    ui::CheckBox& copyCodes;           // CheckBox43
    OrderButtons pageOrder;            // RadioButton10, RadioButton13, RadioButton12, RadioButton11
    ui::SpeedButton& updatePage;       // SpeedButton36 "Réactualiser l'affichage"
    ui::SpeedButton& printPage;        // SpeedButton37 "Impression"
    ui::Image& printPagePicture;       // Image85
    ui::WebBrowser& page;              // WebBrowser10
};

}  // namespace labels
