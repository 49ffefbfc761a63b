#include "platform/ui/InputRouter.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/HitTest.h"
#include "platform/ui/Menu.h"

#include <algorithm>

namespace ui {

Control* InputRouter::target(QPoint screenPos) const
{
    Control* hit = controlAt(m_application, screenPos);
    // While a modal form runs, the other windows are disabled.
    if (hit && m_application.activeForm() && m_application.activeForm()->modal()
        && &hit->form() != m_application.activeForm())
        return nullptr;
    return hit;
}

void InputRouter::beginMoveDrag(Control& control)
{
    m_drag = MoveDrag{&control, m_pointer, control.bounds().topLeft()};
    m_captured = nullptr;
}

void InputRouter::mouse(const MouseMessage& message)
{
    m_pointer = message.pos;
    if (m_drag) {
        Control& control = *m_drag->control;
        QPoint pos = message.pos;
        if (const WinControl* parent = control.parent()) {
            const QRect area(parent->clientToScreen(QPoint(0, 0)), parent->bounds().size());
            pos = QPoint(std::clamp(pos.x(), area.left(), area.right()), std::clamp(pos.y(), area.top(), area.bottom()));
        }
        control.setBounds(QRect(m_drag->controlStart + pos - m_drag->pointerStart, control.bounds().size()));
        if (message.action == MouseAction::LeftUp || message.action == MouseAction::RightUp)
            m_drag.reset();
        return;
    }
    Control* hit = target(message.pos);
    switch (message.action) {
    case MouseAction::Move: {
        hover(hit);
        Control* receiver = m_captured ? m_captured : hit;
        if (receiver && receiver->onMouseMove) {
            const QPoint local = message.pos - receiver->screenRect().topLeft();
            receiver->onMouseMove(message.shift, local.x(), local.y());
        }
        break;
    }
    case MouseAction::LeftDown: press(hit, message, MouseButton::Left, false); break;
    case MouseAction::LeftDoubleDown: press(hit, message, MouseButton::Left, true); break;
    case MouseAction::RightDown: press(hit, message, MouseButton::Right, false); break;
    case MouseAction::LeftUp: release(message, MouseButton::Left); break;
    case MouseAction::RightUp: release(message, MouseButton::Right); break;
    }
}

void InputRouter::hover(Control* control)
{
    if (control == m_hovered)
        return;
    Control* left = m_hovered;
    m_hovered = control;
    if (left && left->onMouseLeave)
        m_application.guard(left->onMouseLeave);
    if (control && control->onMouseEnter)
        m_application.guard(control->onMouseEnter);
}

void InputRouter::press(Control* control, const MouseMessage& message, MouseButton button, bool doubleClick)
{
    hover(control);
    if (!control || control == &control->form())
        return;
    m_captured = control;
    m_clickOnRelease = !doubleClick || control->clicksOnDoublePress();
    if (control->isWindowed()) {
        auto* windowed = static_cast<WinControl*>(control);
        if (button == MouseButton::Left && windowed->takesFocusOnClick() && windowed->canFocus() && !windowed->focused())
            windowed->setFocus();
    }
    if (doubleClick && control->onDblClick)
        control->onDblClick();
    if (control->onMouseDown) {
        const QPoint local = message.pos - control->screenRect().topLeft();
        control->onMouseDown(button, message.shift, local.x(), local.y());
    }
}

void InputRouter::release(const MouseMessage& message, MouseButton button)
{
    Control* control = m_captured ? m_captured : target(message.pos);
    const bool pressed = m_captured != nullptr;
    const bool clicks = pressed && m_clickOnRelease;
    m_captured = nullptr;
    if (!control || control == &control->form())
        return;
    const QPoint local = message.pos - control->screenRect().topLeft();
    if (control->onMouseUp)
        control->onMouseUp(button, message.shift, local.x(), local.y());
    if (button == MouseButton::Right && pressed && control->showing() && control->enabled()
        && control->screenRect().contains(message.pos))
        control->contextMenu(message.pos);
    if (button == MouseButton::Left && clicks && control->showing() && control->enabled()
        && control->screenRect().contains(message.pos))
        control->userClickAt(local);
}

void InputRouter::menu(const MenuMessage& message)
{
    if (message.item && message.item->reachable() && message.item->form().active())
        message.item->click();
}

void InputRouter::forget(const Form& form)
{
    if (m_hovered && &m_hovered->form() == &form)
        m_hovered = nullptr;
    if (m_captured && &m_captured->form() == &form)
        m_captured = nullptr;
    if (m_drag && &m_drag->control->form() == &form)
        m_drag.reset();
}

}  // namespace ui
