#include "platform/ui/testing/InputDriver.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/Errors.h"
#include "platform/ui/Form.h"
#include "platform/ui/HitTest.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PageControl.h"

namespace ui::testing {

void InputDriver::type(const QString& text)
{
    for (QChar ch : text) {
        m_application.input().typeChar(ch);
        process();
    }
}

void InputDriver::queueScan(const QString& code)
{
    for (QChar ch : code)
        m_application.input().typeChar(ch);
    m_application.input().typeChar(QChar(u'\r'));
}

void InputDriver::scan(const QString& code)
{
    queueScan(code);
    process();
}

void InputDriver::key(quint16 vk)
{
    m_application.input().keyDown(vk);
    m_application.input().keyUp(vk);
    process();
}

Control& InputDriver::control(const QString& name) const
{
    if (Form* active = m_application.activeForm())
        if (auto* found = active->find<Control>(name))
            return *found;
    for (Form* form : m_application.forms()) {
        if (form->name().compare(name, Qt::CaseInsensitive) == 0)
            return *form;
        if (auto* found = form->find<Control>(name))
            return *found;
    }
    throw ScriptFailure("no control named " + name);
}

QPoint InputDriver::clickablePoint(Control& control) const
{
    const QPoint point = Input::centreOf(control);
    Control* there = controlAt(m_application, point);
    if (there != &control)
        throw ScriptFailure(control.name() + " cannot be clicked: under its middle lies "
                            + (there ? there->name() : QStringLiteral("nothing")));
    return point;
}

void InputDriver::queueClick(Control& control)
{
    m_application.input().setCursorPos(clickablePoint(control));
    m_application.input().leftClick();
}

void InputDriver::click(Control& control)
{
    queueClick(control);
    process();
}

void InputDriver::click(const QString& name) { click(control(name)); }

QPoint InputDriver::offsetPoint(QPoint offset) const
{
    const Form* active = m_application.activeForm();
    return (active ? active->bounds().topLeft() : QPoint()) + offset;
}

void InputDriver::queueClickAt(QPoint offset)
{
    m_application.input().setCursorPos(offsetPoint(offset));
    m_application.input().leftClick();
}

void InputDriver::clickAt(QPoint offset)
{
    queueClickAt(offset);
    process();
}

void InputDriver::rightClickAt(QPoint offset)
{
    m_application.input().setCursorPos(offsetPoint(offset));
    m_application.input().rightClick();
    process();
}

void InputDriver::doubleClick(Control& control)
{
    m_application.input().setCursorPos(clickablePoint(control));
    m_application.input().leftDoubleClick();
    process();
}

void InputDriver::hover(Control& control)
{
    m_application.input().setCursorPos(clickablePoint(control));
    process();
}

void InputDriver::selectTab(TabSheet& page)
{
    PageControl* pages = page.pageControl();
    if (!pages || !pages->showing() || !pages->enabled())
        throw ScriptFailure("the tab " + page.name() + " cannot be chosen");
    m_application.post([pages, &page] { pages->userSelectPage(&page); });
    process();
}

void InputDriver::selectItem(ComboBox& combo, int index)
{
    if (!combo.showing() || !combo.enabled())
        throw ScriptFailure("the list " + combo.name() + " cannot be opened");
    m_application.post([&combo, index] { combo.userSelectItem(index); });
    process();
}

void InputDriver::menu(const QString& path)
{
    const QStringList captions = path.split(u'>');
    for (Form* form : m_application.forms()) {
        if (!form->menu())
            continue;
        if (MenuItem* item = form->menu()->findByCaptions(captions)) {
            if (!item->reachable() || !form->active())
                throw ScriptFailure("the menu entry " + path + " cannot be reached");
            m_application.input().menuCommand(*item);
            process();
            return;
        }
    }
    throw ScriptFailure("no menu entry " + path);
}

}  // namespace ui::testing
