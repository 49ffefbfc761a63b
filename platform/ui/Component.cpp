#include "platform/ui/Component.h"

namespace ui {

Component::Component(Application& application, Form* form, const QString& name)
    : m_application(&application), m_form(form), m_name(name)
{
}

Component::~Component() = default;

void Component::notify(Property property) { m_application->notifications().notify(*this, property); }

}  // namespace ui
