#pragma once
// The offline ISBN list screen's controls, made once by buildIsbnListScreen.
namespace app {
class TFrmPrin;
}
#include "platform/ui/ControlClasses.h"

namespace exchange {

struct IsbnListControls {
    ui::Panel& screen;  // Panel12
    ui::Memo& codes;    // Memo3
    ui::Button& save;   // Button30 "Sauvegarder"
};

// Lays the screen's controls out on its panel.
IsbnListControls buildIsbnListScreen(app::TFrmPrin& frm);

}  // namespace exchange
