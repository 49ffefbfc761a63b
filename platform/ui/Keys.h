#pragma once
// Keyboard and mouse vocabulary shared by the input queue, the controls and their events.
#include <QtGlobal>

namespace ui {

// Virtual-key codes, with the values the program sends and reads.
namespace vk {
constexpr quint16 Back = 0x08;
constexpr quint16 Tab = 0x09;
constexpr quint16 Return = 0x0D;
constexpr quint16 Shift = 0x10;
constexpr quint16 Control = 0x11;
constexpr quint16 Menu = 0x12;
constexpr quint16 Capital = 0x14;  // Caps Lock
constexpr quint16 Escape = 0x1B;
constexpr quint16 Space = 0x20;
constexpr quint16 End = 0x23;
constexpr quint16 Home = 0x24;
constexpr quint16 Left = 0x25;
constexpr quint16 Up = 0x26;
constexpr quint16 Right = 0x27;
constexpr quint16 Down = 0x28;
constexpr quint16 Delete = 0x2E;
// A character that has no key of its own (what a keyboard wedge types for é or &).
constexpr quint16 Packet = 0xE7;
}  // namespace vk

// Modifier keys held during a key or mouse event; combine with |.
using ShiftState = quint8;
namespace shift {
constexpr ShiftState None = 0;
constexpr ShiftState Shift = 1;
constexpr ShiftState Ctrl = 2;
constexpr ShiftState Alt = 4;
}  // namespace shift

enum class MouseButton { Left, Right };

// The shape of the mouse pointer over a control.
enum class Cursor { Default, Cross, HourGlass, HandPoint, IBeam };

}  // namespace ui
