#pragma once
// The search screen's controls, made once by buildSearchScreenControls.
#include "platform/ui/ControlClasses.h"

#include <vector>

namespace catalogue {

struct SearchScreenControls {
    ui::Panel& screen;  // Recherche
    // Each search's terms, in the order of its row, and its "Chercher".
    std::vector<ui::Edit*> titleTerms;       // Edit55, Edit118
    ui::Button& titleSearch;                 // Button50
    std::vector<ui::Edit*> descriptorTerms;  // Edit56, Edit113, Edit114
    ui::Button& descriptorSearch;            // Button51
    std::vector<ui::Edit*> summaryTerms;     // Edit57
    ui::Button& summarySearch;               // Button52
    std::vector<ui::Edit*> authorTerms;      // Edit85
    ui::Button& authorSearch;                // Button75
    std::vector<ui::Edit*> themeTerms;       // Edit103
    ui::SpeedButton& themeSearch;            // SpeedButton7
    std::vector<ui::Edit*> genreTerms;       // Edit104
    ui::SpeedButton& genreSearch;            // SpeedButton8
    // The page's settings.
    ui::Edit& coverWidth;          // Edit107
    ui::Edit& coverHeight;         // Edit108
    ui::Edit& answersPerPage;      // Edit86
    ui::CheckBox& showSummary;     // CheckBox6
    ui::CheckBox& showDescriptors;  // CheckBox28
    ui::CheckBox& showPlace;       // CheckBox9
    ui::CheckBox& oneCopyPerBook;  // CheckBox10
    ui::WebBrowser& page;          // WebBrowser7
    ui::Image& print;              // Image100
};

}  // namespace catalogue
