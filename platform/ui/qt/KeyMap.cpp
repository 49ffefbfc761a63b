#include "platform/ui/qt/KeyMap.h"

#include <QKeyEvent>

namespace uiqt {

namespace {
constexpr quint16 kPrior = 0x21;
constexpr quint16 kNext = 0x22;
constexpr quint16 kInsert = 0x2D;
constexpr quint16 kF1 = 0x70;
}  // namespace

std::optional<VirtualKey> commandKey(const QKeyEvent& event)
{
    // Caret keys outside the numeric keypad are extended keys.
    const bool extended = !(event.modifiers() & Qt::KeypadModifier);
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return: return VirtualKey{ui::vk::Return, false};
    case Qt::Key_Enter: return VirtualKey{ui::vk::Return, true};
    case Qt::Key_Backspace: return VirtualKey{ui::vk::Back, false};
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VirtualKey{ui::vk::Tab, false};
    case Qt::Key_Escape: return VirtualKey{ui::vk::Escape, false};
    case Qt::Key_Space: return VirtualKey{ui::vk::Space, false};
    case Qt::Key_Left: return VirtualKey{ui::vk::Left, extended};
    case Qt::Key_Right: return VirtualKey{ui::vk::Right, extended};
    case Qt::Key_Up: return VirtualKey{ui::vk::Up, extended};
    case Qt::Key_Down: return VirtualKey{ui::vk::Down, extended};
    case Qt::Key_Home: return VirtualKey{ui::vk::Home, extended};
    case Qt::Key_End: return VirtualKey{ui::vk::End, extended};
    case Qt::Key_PageUp: return VirtualKey{kPrior, extended};
    case Qt::Key_PageDown: return VirtualKey{kNext, extended};
    case Qt::Key_Insert: return VirtualKey{kInsert, extended};
    case Qt::Key_Delete: return VirtualKey{ui::vk::Delete, extended};
    case Qt::Key_Shift: return VirtualKey{ui::vk::Shift, false};
    case Qt::Key_Control: return VirtualKey{ui::vk::Control, false};
    case Qt::Key_Alt: return VirtualKey{ui::vk::Menu, false};
    case Qt::Key_CapsLock: return VirtualKey{ui::vk::Capital, false};
    default: break;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return VirtualKey{quint16(kF1 + (key - Qt::Key_F1)), false};
    return std::nullopt;
}

quint16 characterKey(int qtKey, QChar ch)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return quint16(qtKey);
    const char16_t c = ch.toUpper().unicode();
    if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
        return quint16(c);
    return ui::vk::Packet;
}

ui::ShiftState shiftState(Qt::KeyboardModifiers modifiers)
{
    ui::ShiftState state = ui::shift::None;
    if (modifiers & Qt::ShiftModifier)
        state |= ui::shift::Shift;
    if (modifiers & Qt::ControlModifier)
        state |= ui::shift::Ctrl;
    if (modifiers & Qt::AltModifier)
        state |= ui::shift::Alt;
    return state;
}

}  // namespace uiqt
