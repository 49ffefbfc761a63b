#pragma once
// The designed layout of the main window: its screens, toolbar and menu tree. Simulated clicks
// elsewhere in the program land on controls by position, so these places are behaviour.
#include "platform/ui/Color.h"

#include <QRect>
#include <QString>
#include <vector>

namespace layout {

// Colours of the designed layout that the control model does not name.
namespace colour {
constexpr ui::Color kWindow = ui::Color::rgb(0, 0, 45);  // dark blue of the main window
constexpr ui::Color kLightGreen = ui::Color::fromBgr(0xC0DCC0);
}  // namespace colour

struct ScreenPanel {
    const char* name;
    QRect place;
    ui::Color colour;
    const char* caption = "";
    const char* hint = "";
};

struct ToolbarButton {
    const char* name;
    const char* hint;     // also its text; replaced from the caption table at start
    const char* handler;  // empty for the separator
    int width;
};

struct MenuEntry {
    const char* name;
    const char* caption;
    int languageLine;     // 0: keeps its designed caption
    const char* handler;
};

struct Menu {
    const char* name;
    const char* caption;
    int languageLine;
    std::vector<MenuEntry> entries;
};

const std::vector<ScreenPanel>& screenPanels();
const std::vector<ToolbarButton>& toolbarButtons();
const std::vector<Menu>& mainMenu();

constexpr QRect kMainWindow(0, 0, 1378, 1080);
constexpr QRect kCoolBar(0, 0, 1362, 43);
constexpr int kToolButtonSize = 39;
// The program picture on the home panel, inside Panel13.
constexpr QRect kHomePicture(8, 8, 1059, 802);

}  // namespace layout
