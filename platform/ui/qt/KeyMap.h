#pragma once
// Qt's keys as the model's virtual keys.
#include "platform/ui/Keys.h"

#include <QChar>
#include <optional>

class QKeyEvent;

namespace uiqt {

struct VirtualKey {
    quint16 vk = 0;
    bool extended = false;
};

// Keys that act rather than type (Enter, Backspace, Tab, Escape, Space, caret keys, function
// keys, modifiers, Caps Lock); std::nullopt for a key that types a character.
std::optional<VirtualKey> commandKey(const QKeyEvent& event);
// The virtual key of a key that typed ch: letters and digits have their own, any other
// character comes as a packet, as the keyboard's layout decides what it is.
quint16 characterKey(int qtKey, QChar ch);
ui::ShiftState shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace uiqt
