#pragma once
// A colour as the designed layout gives it: a red-green-blue value, or one of the system's window
// colours, which the renderer resolves from its own palette.
#include <QtGlobal>

namespace ui {

class Color {
public:
    enum class System : quint8 {
        Window,          // background of edit fields and lists
        WindowText,
        ButtonFace,      // background of buttons, panels and forms
        ButtonText,
        Highlight,
        HighlightText,
        InfoBackground,  // hint windows
        GrayText,
    };

    constexpr Color() : Color(System::ButtonFace) {}
    constexpr Color(System system) : m_isSystem(true), m_value(quint32(system)) {}

    // 0xRRGGBB.
    static constexpr Color fromRgb(quint32 rgb) { return Color(false, rgb & 0xFFFFFF); }
    static constexpr Color rgb(int red, int green, int blue)
    {
        return fromRgb(quint32(red & 0xFF) << 16 | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF));
    }
    // A colour literal written the Windows way, $00BBGGRR (the loan screen's yellow is $00FFFF).
    static constexpr Color fromBgr(quint32 bgr)
    {
        return rgb(int(bgr & 0xFF), int(bgr >> 8 & 0xFF), int(bgr >> 16 & 0xFF));
    }

    constexpr bool isSystem() const { return m_isSystem; }
    constexpr System system() const { return System(m_value); }
    // Meaningful only when !isSystem().
    constexpr quint32 rgbValue() const { return m_value; }
    constexpr int red() const { return int(m_value >> 16 & 0xFF); }
    constexpr int green() const { return int(m_value >> 8 & 0xFF); }
    constexpr int blue() const { return int(m_value & 0xFF); }

    friend constexpr bool operator==(Color a, Color b)
    {
        return a.m_isSystem == b.m_isSystem && a.m_value == b.m_value;
    }

private:
    constexpr Color(bool isSystem, quint32 value) : m_isSystem(isSystem), m_value(value) {}

    bool m_isSystem;
    quint32 m_value;
};

// The named colours of the designed layout.
namespace colors {
constexpr Color window = Color::System::Window;
constexpr Color windowText = Color::System::WindowText;
constexpr Color buttonFace = Color::System::ButtonFace;
constexpr Color black = Color::rgb(0, 0, 0);
constexpr Color white = Color::rgb(255, 255, 255);
constexpr Color red = Color::rgb(255, 0, 0);
constexpr Color yellow = Color::rgb(255, 255, 0);
constexpr Color green = Color::rgb(0, 128, 0);
constexpr Color navy = Color::rgb(0, 0, 128);
constexpr Color teal = Color::rgb(0, 128, 128);
constexpr Color olive = Color::rgb(128, 128, 0);
constexpr Color silver = Color::rgb(192, 192, 192);
constexpr Color gray = Color::rgb(128, 128, 128);
constexpr Color skyBlue = Color::fromBgr(0xF0CAA6);
constexpr Color cream = Color::fromBgr(0xF0FBFF);
}  // namespace colors

}  // namespace ui
