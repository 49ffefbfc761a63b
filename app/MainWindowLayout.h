#pragma once
// The designed layout of the main window: its screens, toolbar and menu tree. Simulated clicks
// elsewhere in the program land on controls by position, so these places are behaviour.
#include <QRect>
#include <QString>
#include <vector>

namespace layout {

// Colours as RGB values.
namespace colour {
constexpr unsigned kWindow = 0x00002D;     // dark blue of the main window
constexpr unsigned kNavy = 0x000080;
constexpr unsigned kCream = 0xFFFBF0;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kGreen = 0x008000;
constexpr unsigned kLightGreen = 0xC0DCC0;
constexpr unsigned kYellow = 0xFFFF00;
constexpr unsigned kGrey = 0x808080;
constexpr unsigned kSkyBlue = 0xA6CAF0;
constexpr unsigned kTeal = 0x008080;
constexpr unsigned kOlive = 0x808000;
constexpr unsigned kSilver = 0xC0C0C0;
constexpr unsigned kButtonFace = 0xF0F0F0;
}  // namespace colour

struct ScreenPanel {
    const char* name;
    QRect place;
    unsigned colour;
    const char* caption = "";
    const char* hint = "";
};

// A sub-panel or page control that other screens rely on from the start.
struct ScreenPart {
    const char* parent;
    const char* name;
    QRect place;
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

}  // namespace layout
