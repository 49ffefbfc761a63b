#pragma once
// The book catalogue screen's controls, made once by buildBookCatalogueScreen.
#include <array>

namespace app {
class TFrmPrin;
}
#include "platform/ui/ControlClasses.h"

namespace exchange {

struct BookCatalogueControls {
    ui::Panel& screen;            // Panel5
    ui::Edit& title;              // Edit59
    ui::Edit& coverWidth;         // Edit17
    ui::Edit& coverHeight;        // Edit8
    ui::Panel& coverPreview;      // Panel6
    ui::Button& resizeCovers;     // Button13
    ui::Edit& rowsPerSheet;       // Edit115
    ui::RadioButton& byTitle;     // RadioButton14
    ui::RadioButton& byPlace;     // RadioButton15
    ui::RadioButton& byIsbn13;    // RadioButton16
    ui::RadioButton& byEntry;     // RadioButton17
    ui::Edit& from;               // Edit93
    ui::Edit& to;                 // Edit94
    ui::Edit& theme;              // Edit62
    ui::Edit& owner;              // Edit64
    ui::CheckBox& summary;        // CheckBox2
    ui::CheckBox& publisher;      // CheckBox3
    ui::CheckBox& type;           // CheckBox4
    ui::CheckBox& descriptors;    // CheckBox5
    ui::CheckBox& storagePlace;   // CheckBox27
    ui::CheckBox& uniqueTitle;    // CheckBox35
    ui::Button& build;            // Button12 "Réactualiser l'affichage"
    ui::SpeedButton& stop;        // SpeedButton34 "Stop"
    ui::Gauge& gauge;             // Gauge1
    ui::Edit& bookCount;          // Edit16
    ui::Edit& saveName;           // Edit63
    ui::Button& saveAs;           // Button60 "Sauvegarder sous"
    ui::Button& print;            // Button84
    ui::Image& printPicture;      // Image57
    ui::WebBrowser& page;         // WebBrowser4
    ui::Panel& waiting;           // Panel24, the main window's wait message
};

// Lays the screen's controls out on its panel.
BookCatalogueControls buildBookCatalogueScreen(app::TFrmPrin& frm);

}  // namespace exchange
