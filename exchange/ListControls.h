#pragma once
// The list screen's controls, made once by buildListScreen.
namespace app {
class TFrmPrin;
}
#include "platform/ui/ControlClasses.h"

namespace exchange {

struct ListControls {
    ui::Panel& screen;           // Liste
    ui::Button& bookList;        // Button53
    ui::Button& borrowerList;    // Button54
    ui::Button& otherMediaList;  // BitBtn8
    ui::Button& print;           // Button83
    ui::Image& printPicture;     // Image15
    ui::WebBrowser& page;        // WebBrowser8
};

// Lays the screen's controls out on its panel.
ListControls buildListScreen(app::TFrmPrin& frm);

}  // namespace exchange
