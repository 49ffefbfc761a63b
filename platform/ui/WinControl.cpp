#include "platform/ui/WinControl.h"

#include "platform/ui/Errors.h"
#include "platform/ui/Form.h"

namespace ui {

WinControl::WinControl(Form& form, const QString& name) : Control(form, name) {}

WinControl::WinControl(Application& application, Form& self, const QString& name)
    : Control(application, self, name)
{
}

bool WinControl::canFocus() const
{
    for (const Control* c = this; c && c != &form(); c = c->parent())
        if (!c->visible() || !c->enabled())
            return false;
    return true;
}

bool WinControl::focused() const { return form().activeControl() == this && form().active(); }

void WinControl::setFocus()
{
    if (!canFocus() || !form().visible())
        throw InvalidOperation(kCannotFocus);
    form().changeFocus(this == &form() ? nullptr : this);
}

void WinControl::setBalloonHint(const BalloonHint& hint)
{
    m_balloonHint = hint;
    notify(Property::BalloonHint);
}

}  // namespace ui
