#include "platform/ui/Form.h"

#include "platform/ui/Button.h"
#include "platform/ui/Menu.h"

namespace ui {

Form::Form(Application& application, const QString& name) : WinControl(application, *this, name)
{
    m_visible = false;
    m_parentFont = false;
    application.registerForm(*this);
}

Form::~Form() { application().unregisterForm(*this); }

void Form::adopt(std::unique_ptr<Component> component)
{
    const QString key = component->name().toLower();
    if (key.isEmpty() || key == name().toLower() || m_byName.contains(key))
        throw std::invalid_argument(("a component named " + component->name().toStdString()
                                     + " cannot be added to " + name().toStdString()));
    Component* raw = component.get();
    m_byName.insert(key, raw);
    m_order.push_back(raw);
    m_owned.push_back(std::move(component));
    application().notifications().notify(*raw, Property::Created);
}

Component* Form::findComponent(const QString& name) const { return m_byName.value(name.toLower()); }

void Form::setBorderStyle(BorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    notify(Property::Bounds);
}

QMargins Form::nonClient() const
{
    if (m_borderStyle == BorderStyle::None)
        return {};
    const int top = frame::kBorder + frame::kCaptionBar + (m_menu ? frame::kMenuBar : 0);
    return QMargins(frame::kBorder, top, frame::kBorder, frame::kBorder);
}

QSize Form::clientSize() const { return bounds().marginsRemoved(nonClient()).size(); }

void Form::setClientSize(const QSize& size)
{
    const QMargins m = nonClient();
    setBounds(QRect(bounds().topLeft(), QSize(size.width() + m.left() + m.right(), size.height() + m.top() + m.bottom())));
}

QPoint Form::clientOffset() const
{
    const QMargins m = nonClient();
    return QPoint(m.left(), m.top()) - m_scroll;
}

QPoint Form::clientOrigin() const { return bounds().topLeft() + clientOffset(); }

void Form::setScrollPosition(QPoint position)
{
    if (position == m_scroll)
        return;
    m_scroll = position;
    notify(Property::Bounds);
}

void Form::setMenu(MainMenu* menu)
{
    if (menu == m_menu)
        return;
    m_menu = menu;
    notify(Property::Menu);
}

bool Form::active() const { return application().activeForm() == this; }

void Form::visibilityChanged()
{
    if (visible()) {
        application().formShown(*this);
        if (onShow)
            guarded(onShow);
    } else {
        application().formHidden(*this);
        if (onHide)
            guarded(onHide);
    }
}

ModalResult Form::showModal() { return application().runModal(*this); }

void Form::close()
{
    if (m_modal) {
        m_modalResult = ModalResult::Cancel;
        return;
    }
    bool canClose = true;
    if (onCloseQuery)
        onCloseQuery(canClose);
    if (!canClose)
        return;
    CloseAction action = CloseAction::Hide;
    if (onClose)
        onClose(action);
    if (action == CloseAction::None)
        return;
    if (application().mainForm() == this)
        application().terminate();
    else
        hide();
}

bool Form::closeModal()
{
    bool canClose = true;
    if (onCloseQuery)
        onCloseQuery(canClose);
    CloseAction action = CloseAction::Hide;
    if (canClose && onClose)
        onClose(action);
    if (!canClose || action == CloseAction::None) {
        m_modalResult = ModalResult::None;
        return false;
    }
    return true;
}

void Form::changeFocus(WinControl* control)
{
    if (control == m_activeControl)
        return;
    WinControl* previous = m_activeControl;
    m_activeControl = control;
    notify(Property::ActiveControl);
    if (previous)
        guarded([previous] {
            previous->focusLeft();
            if (previous->onExit)
                previous->onExit();
        });
    if (control && control->onEnter)
        guarded(control->onEnter);
}

void Form::focusedControlLost(Control& control)
{
    if (&control == this)
        return;
    for (const Control* c = m_activeControl; c; c = c->parent())
        if (c == &control) {
            changeFocus(nullptr);
            return;
        }
}

Button* Form::activeButton(WinControl* target) const
{
    if (target->isButton())
        return static_cast<Button*>(target);
    for (Component* component : m_order)
        if (auto* button = dynamic_cast<Button*>(component); button && button->isDefault() && button->canFocus())
            return button;
    return nullptr;
}

void Form::dispatchKey(const KeyMessage& message)
{
    WinControl* target = m_activeControl ? m_activeControl : this;
    quint16 key = message.vk;
    if (!message.down) {
        if (target->onKeyUp)
            target->onKeyUp(key, message.shift);
        return;
    }
    if (target->onKeyDown) {
        target->onKeyDown(key, message.shift);
        if (key == 0)
            return;
    }
    if (key == vk::Return && message.shift == shift::None && !target->wantsReturn()) {
        if (Button* button = activeButton(target)) {
            button->click();
            return;
        }
    }
    target->keyDown(key, message.shift);
    QChar ch = message.ch;
    if (ch.isNull())
        return;
    if (target->onKeyPress) {
        target->onKeyPress(ch);
        if (ch.isNull())
            return;
    }
    target->keyPress(ch);
}

}  // namespace ui
