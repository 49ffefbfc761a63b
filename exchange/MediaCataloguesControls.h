#pragma once
// The other-media and equipment catalogues' controls, made once by buildMediaCataloguesScreen.
namespace app {
class TFrmPrin;
}
#include "platform/ui/ControlClasses.h"

namespace exchange {

struct MediaCataloguesControls {
    ui::Panel& screen;              // Panel9
    ui::Label& heading;             // Label113
    ui::Memo& help;                 // Memo2
    ui::Edit& pictureWidth;         // Edit14
    ui::Edit& pictureHeight;        // Edit18
    ui::Panel& picturePreview;      // Panel10
    ui::Edit& title;                // Edit60
    ui::Button& otherMediaOk;       // Button26 "OK"
    ui::Button& equipmentOk;        // Button27 "OK"
    ui::Button& print;              // Button86
    ui::Image& printPicture;        // Image14
    ui::WebBrowser& page;           // WebBrowser3
};

// Lays the screen's controls out on its panel.
MediaCataloguesControls buildMediaCataloguesScreen(app::TFrmPrin& frm);

}  // namespace exchange
