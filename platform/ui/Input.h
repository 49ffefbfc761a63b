#pragma once
// Input as the program simulates it and as the renderer feeds the user's: the pointer position,
// mouse buttons, keys, Caps Lock and menu commands. Everything is queued and handled in arrival
// order by the message loop; the pointer position and the Caps Lock state change at once.
#include "platform/ui/MessageQueue.h"

#include <QPoint>
#include <QString>
#include <set>

namespace ui {

class Application;
class Control;
class MenuItem;

class Input {
public:
    Input(Application& application, MessageQueue& queue);

    // Pointer, in screen coordinates.
    QPoint cursorPos() const { return m_cursorPos; }
    // Moves the pointer at once and queues the move (hover events follow when it is handled).
    void setCursorPos(QPoint screenPos);
    // Queues a left click (press and release) at the pointer's current position.
    void leftClick();
    void rightClick();
    // A left click, then the second press of a double click and its release.
    void leftDoubleClick();
    void leftDown();
    // The second press of a double click (the release comes with leftUp()): OnDblClick, and
    // for buttons and check boxes one more press that clicks on release.
    void leftDoubleDown();
    void leftUp();
    // The pointer's display counter; shown while it is 0 or more. Returns the new counter.
    int showCursor(bool show);
    int cursorDisplayCount() const { return m_cursorCount; }

    // Keys. keyDown queues a key press (its character, when it types one, follows the library's
    // translation: Enter types CR, Backspace BS, letters follow Caps Lock). Pressing Caps Lock
    // toggles its state at once.
    void keyDown(quint16 vk, bool extended = false, ShiftState shift = shift::None);
    void keyUp(quint16 vk, bool extended = false);
    // A key press that types the given character (the renderer's real keys); the release
    // comes with keyUp.
    void typedKeyDown(quint16 vk, QChar typed, ShiftState shift = shift::None);
    // A key press that types the given character, then its release (what a keyboard wedge such
    // as a barcode scanner sends).
    void typeChar(QChar ch);
    bool capsLock() const { return m_capsLock; }
    // GetKeyState: bit 0 is the toggle state (Caps Lock), bit 15 set while the key is down.
    qint16 keyState(quint16 vk) const;
    // Drops every queued key message, and nothing else.
    void flushKeyboardInput();

    // Queues the command of a menu entry, as choosing it with the mouse does.
    void menuCommand(MenuItem& item);

    // The screen point at the middle of the part of the control that can be seen.
    static QPoint centreOf(const Control& control);

private:
    void queueMouse(MouseAction action);
    // Key state at the press (Caps Lock toggles at once).
    void press(quint16 vk);

    Application& m_application;
    MessageQueue& m_queue;
    QPoint m_cursorPos;
    int m_cursorCount = 0;
    bool m_capsLock = false;
    std::set<quint16> m_keysDown;
};

}  // namespace ui
