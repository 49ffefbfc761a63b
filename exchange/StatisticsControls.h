#pragma once
// The statistics screen's controls, made once by buildStatisticsScreen.
#include <array>

namespace app {
class TFrmPrin;
}
#include "platform/ui/ControlClasses.h"

namespace exchange {

struct StatisticsControls {
    ui::Panel& screen;                     // Panel26
    ui::Edit& bookCount;                   // Edit123
    std::array<ui::Edit*, 4> genres;       // Edit124–Edit127
    std::array<ui::ComboBox*, 4> classes;  // ComboBox5, ComboBox13, ComboBox14, ComboBox16
    ui::SpeedButton& generalFigures;       // SpeedButton45
    ui::SpeedButton& classFigures;         // SpeedButton46
    ui::WebBrowser& page;                  // WebBrowser12
};

// Lays the screen's controls out on its panel.
StatisticsControls buildStatisticsScreen(app::TFrmPrin& frm);

}  // namespace exchange
