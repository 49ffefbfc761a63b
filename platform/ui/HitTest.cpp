#include "platform/ui/HitTest.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

#include <ranges>

namespace ui {

static bool takesMouse(const Control& control, QPoint pos)
{
    return control.visible() && control.enabled() && control.bounds().contains(pos);
}

Control* childAt(WinControl& parent, QPoint clientPos)
{
    const auto& children = parent.controls();
    for (Control* child : std::views::reverse(children))
        if (child->isWindowed() && takesMouse(*child, clientPos)) {
            auto* windowed = static_cast<WinControl*>(child);
            return childAt(*windowed, windowed->screenToClient(parent.clientToScreen(clientPos)));
        }
    for (Control* child : std::views::reverse(children))
        if (!child->isWindowed() && takesMouse(*child, clientPos))
            return child;
    return &parent;
}

static Control* hitInForm(Form& form, QPoint screenPos)
{
    if (!form.visible() || !form.bounds().contains(screenPos))
        return nullptr;
    const QRect client(form.bounds().topLeft() + QPoint(form.nonClient().left(), form.nonClient().top()),
                       form.clientSize());
    if (!client.contains(screenPos))
        return nullptr;
    return childAt(form, form.screenToClient(screenPos));
}

Control* controlAt(const Application& application, QPoint screenPos)
{
    Form* active = application.activeForm();
    if (active && active->visible() && active->bounds().contains(screenPos))
        return hitInForm(*active, screenPos);
    for (Form* form : std::views::reverse(application.forms()))
        if (form != active && form->visible() && form->bounds().contains(screenPos))
            return hitInForm(*form, screenPos);
    return nullptr;
}

}  // namespace ui
