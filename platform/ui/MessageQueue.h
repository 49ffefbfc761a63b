#pragma once
// The one message queue of the program: keys, mouse input, menu commands and posted work in
// arrival order, plus work that becomes due at a later time and then joins the queue.
#include "platform/ui/Keys.h"

#include <QChar>

#include <QPoint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <variant>

namespace ui {

class MenuItem;

struct KeyMessage {
    quint16 vk = 0;
    QChar ch;  // the character the key types; null for keys that type none
    bool down = true;
    bool extended = false;
    ShiftState shift = shift::None;
};

// LeftDoubleDown is the second press of a double click.
enum class MouseAction { Move, LeftDown, LeftUp, LeftDoubleDown, RightDown, RightUp };

// pos is the screen point the pointer had when the input was queued; the control under it is
// found when the message is handled.
struct MouseMessage {
    MouseAction action = MouseAction::Move;
    QPoint pos;
    ShiftState shift = shift::None;
};

struct MenuMessage {
    MenuItem* item = nullptr;
};

struct WorkMessage {
    std::function<void()> work;
};

using Message = std::variant<KeyMessage, MouseMessage, MenuMessage, WorkMessage>;

class MessageQueue {
public:
    void push(Message message);
    // Joins the queue once the clock reaches due; equal times keep their posting order.
    void pushAt(qint64 due, std::function<void()> work);

    // The next message, once every piece of work due by now has joined the queue.
    std::optional<Message> take(qint64 now);
    bool hasReady(qint64 now) const;
    // When the earliest timed work becomes due.
    std::optional<qint64> nextDue() const;
    bool empty() const { return m_ready.empty() && m_timed.empty(); }

    // Drops queued key messages only.
    void removeKeyMessages();

private:
    std::deque<Message> m_ready;
    std::map<std::pair<qint64, quint64>, std::function<void()>> m_timed;
    quint64 m_sequence = 0;
};

}  // namespace ui
