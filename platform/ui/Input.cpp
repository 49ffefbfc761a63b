#include "platform/ui/Input.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

namespace ui {

Input::Input(Application& application, MessageQueue& queue) : m_application(application), m_queue(queue) {}

void Input::setCursorPos(QPoint screenPos)
{
    m_cursorPos = screenPos;
    queueMouse(MouseAction::Move);
}

void Input::leftClick()
{
    queueMouse(MouseAction::LeftDown);
    queueMouse(MouseAction::LeftUp);
}

void Input::rightClick()
{
    queueMouse(MouseAction::RightDown);
    queueMouse(MouseAction::RightUp);
}

void Input::leftDoubleClick()
{
    leftClick();
    leftDoubleDown();
    leftUp();
}

void Input::leftDown() { queueMouse(MouseAction::LeftDown); }

void Input::leftDoubleDown() { queueMouse(MouseAction::LeftDoubleDown); }

void Input::leftUp() { queueMouse(MouseAction::LeftUp); }

void Input::queueMouse(MouseAction action)
{
    m_queue.push(MouseMessage{action, m_cursorPos, shift::None});
    m_application.queued();
}

int Input::showCursor(bool show)
{
    m_cursorCount += show ? 1 : -1;
    return m_cursorCount;
}

// The character a key types, as the library's translation gives it.
static QChar translate(quint16 vk, ShiftState shift, bool capsLock)
{
    switch (vk) {
    case vk::Return: return QChar(u'\r');
    case vk::Back: return QChar(u'\b');
    case vk::Tab: return QChar(u'\t');
    case vk::Escape: return QChar(0x1B);
    case vk::Space: return QChar(u' ');
    default: break;
    }
    if (vk >= '0' && vk <= '9')
        return QChar(vk);
    if (vk >= 'A' && vk <= 'Z') {
        const bool upper = capsLock != ((shift & shift::Shift) != 0);
        return QChar(upper ? vk : vk - 'A' + 'a');
    }
    return {};
}

static quint16 keyOf(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'a' && c <= u'z')
        return quint16(c - u'a' + u'A');
    if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
        return quint16(c);
    switch (c) {
    case u'\r': return vk::Return;
    case u'\b': return vk::Back;
    case u'\t': return vk::Tab;
    case u' ': return vk::Space;
    case 0x1B: return vk::Escape;
    default: return vk::Packet;
    }
}

void Input::press(quint16 vk)
{
    if (vk == vk::Capital && !m_keysDown.contains(vk))
        m_capsLock = !m_capsLock;
    m_keysDown.insert(vk);
}

void Input::keyDown(quint16 vk, bool extended, ShiftState shift)
{
    press(vk);
    m_queue.push(KeyMessage{vk, translate(vk, shift, m_capsLock), true, extended, shift});
    m_application.queued();
}

void Input::keyUp(quint16 vk, bool extended)
{
    m_keysDown.erase(vk);
    m_queue.push(KeyMessage{vk, QChar(), false, extended, shift::None});
    m_application.queued();
}

void Input::typedKeyDown(quint16 vk, QChar typed, ShiftState shift)
{
    press(vk);
    m_queue.push(KeyMessage{vk, typed, true, false, shift});
    m_application.queued();
}

void Input::typeChar(QChar ch)
{
    const quint16 vk = keyOf(ch);
    const bool upper = ch.unicode() >= u'A' && ch.unicode() <= u'Z';
    typedKeyDown(vk, ch, upper ? shift::Shift : shift::None);
    keyUp(vk);
}

qint16 Input::keyState(quint16 vk) const
{
    quint16 state = 0;
    if (vk == vk::Capital && m_capsLock)
        state |= 1;
    if (m_keysDown.contains(vk))
        state |= 0x8000;
    return qint16(state);
}

void Input::flushKeyboardInput() { m_queue.removeKeyMessages(); }

void Input::menuCommand(MenuItem& item)
{
    m_queue.push(MenuMessage{&item});
    m_application.queued();
}

QPoint Input::centreOf(const Control& control)
{
    QRect seen = control.screenRect();
    for (const WinControl* parent = control.parent(); parent; parent = parent->parent()) {
        if (auto* form = dynamic_cast<const Form*>(parent))
            seen &= QRect(form->clientOrigin() + form->scrollPosition(), form->clientSize());
        else
            seen &= parent->screenRect();
    }
    return seen.center();
}

}  // namespace ui
