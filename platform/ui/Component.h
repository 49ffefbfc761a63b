#pragma once
// The base of everything a form owns: controls, menus and menu items. A component has a name,
// unique in its form (looked up without regard to case), and lives as long as its form.
#include "platform/ui/NotificationBus.h"

#include <QString>

namespace ui {

class Application;
class Form;

class Component {
public:
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const QString& name() const { return m_name; }
    // The form that owns this component (a form owns itself).
    Form& form() const { return *m_form; }
    Application& application() const { return *m_application; }

protected:
    Component(Application& application, Form* form, const QString& name);

    void notify(Property property);
    // Runs a handler the way the library runs one that a notification message reaches: an
    // exception leaving it shows in the standard error box and ends only that handler.
    template <class F>
    void guarded(F&& handler);

private:
    Application* m_application;
    Form* m_form;
    QString m_name;
};

}  // namespace ui

#include "platform/ui/Application.h"

template <class F>
void ui::Component::guarded(F&& handler)
{
    m_application->guard(std::forward<F>(handler));
}
