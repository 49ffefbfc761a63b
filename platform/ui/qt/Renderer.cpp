#include "platform/ui/qt/Renderer.h"

#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "platform/ui/qt/ControlView.h"
#include "platform/ui/qt/FormView.h"
#include "platform/ui/qt/InputBridge.h"

#include <QApplication>
#include <QClipboard>

namespace uiqt {

Renderer::Renderer(ui::Application& application)
    : m_application(application), m_aside(std::make_unique<QWidget>()), m_input(std::make_unique<InputBridge>(*this))
{
    Q_ASSERT_X(qApp, "uiqt::Renderer", "needs a QApplication");
    m_subscription = application.notifications().subscribe([this](const ui::Notification& n) { notified(n); });
    for (ui::Form* form : application.forms())
        ensureFormView(*form);
    qApp->installEventFilter(m_input.get());
    ui::clipboard().onWritten = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
}

Renderer::~Renderer()
{
    qApp->removeEventFilter(m_input.get());
    ui::clipboard().onWritten = nullptr;
    m_application.notifications().unsubscribe(m_subscription);
    m_byWidget.clear();
    m_views.clear();
    m_formViews.clear();
}

FormView& Renderer::ensureFormView(ui::Form& form)
{
    if (auto found = m_formViews.find(&form); found != m_formViews.end())
        return *found->second;
    auto owned = std::make_unique<FormView>(*this, form);
    FormView& view = *owned;
    m_formViews.emplace(&form, std::move(owned));
    m_byWidget.insert(view.widget(), &view);
    m_byWidget.insert(view.childArea(), &view);
    view.applyAll();
    // The controls the form already has.
    for (ui::Component* component : form.components())
        if (auto* control = dynamic_cast<ui::Control*>(component))
            viewOf(*control);
    view.menu().rebuild();
    return view;
}

ControlView& Renderer::viewOf(const ui::Control& constControl)
{
    auto& control = const_cast<ui::Control&>(constControl);
    if (auto* form = dynamic_cast<ui::Form*>(&control))
        return ensureFormView(*form);
    if (auto found = m_views.find(&control); found != m_views.end())
        return *found->second;
    ensureFormView(control.form());
    if (auto found = m_views.find(&control); found != m_views.end())
        return *found->second;
    std::unique_ptr<ControlView> owned = m_factory.make(*this, control);
    ControlView& view = *owned;
    m_views.emplace(&control, std::move(owned));
    m_byWidget.insert(view.widget(), &view);
    // Parts of the widget follow the model's focus and report the pointer too.
    for (QWidget* part : view.widget()->findChildren<QWidget*>()) {
        part->setFocusPolicy(Qt::NoFocus);
        part->setMouseTracking(true);
    }
    place(view);
    view.applyAll();
    return view;
}

FormView* Renderer::formViewOf(const ui::Control& control)
{
    return &ensureFormView(control.form());
}

FormWindow* Renderer::windowFor(const ui::Form& form) { return ensureFormView(const_cast<ui::Form&>(form)).window(); }

QWidget* Renderer::widgetFor(const ui::Control& control)
{
    ControlView& view = viewOf(control);
    view.showPending();
    return view.widget();
}

QImage Renderer::grab(const ui::Form& form)
{
    FormWindow* window = windowFor(form);
    for (const auto& [control, view] : m_views)
        if (view->formAddress() == &form)
            view->showPending();
    return window->renderImage();
}

ControlView* Renderer::viewHolding(const QWidget* receiver) const
{
    for (const QWidget* w = receiver; w; w = w->parentWidget())
        if (ControlView* view = m_byWidget.value(w))
            return view;
    return nullptr;
}

void Renderer::place(ControlView& view)
{
    ui::WinControl* parent = view.control().parent();
    QWidget* area = parent ? viewOf(*parent).childArea() : m_aside.get();
    if (view.widget()->parentWidget() != area)
        view.widget()->setParent(area);
    view.widget()->setVisible(view.control().visible());
    if (parent) {
        restack(*parent);
        viewOf(*parent).childChanged(view.control(), ui::Property::Parent);
    }
}

void Renderer::restack(const ui::WinControl& parent)
{
    for (bool windowed : {false, true})
        for (ui::Control* child : parent.controls())
            if (child->isWindowed() == windowed)
                if (auto found = m_views.find(child); found != m_views.end())
                    found->second->widget()->raise();
}

void Renderer::applyDown(ui::Control& control, ui::Property property)
{
    viewOf(control).apply(property);
    auto* windowed = dynamic_cast<ui::WinControl*>(&control);
    if (!windowed)
        return;
    for (ui::Control* child : windowed->controls()) {
        const bool follows = property == ui::Property::Hint
                             || (property == ui::Property::Color && child->parentColor())
                             || (property == ui::Property::Font && child->parentFont());
        if (follows)
            applyDown(*child, property);
    }
}

bool Renderer::stillBeingBuilt(const ui::Control& control) const
{
    // A control's constructor may already set properties; its view is made once the form has
    // adopted it (Created), when its class is complete.
    if (dynamic_cast<const ui::Form*>(&control) || m_views.contains(&control))
        return false;
    return control.form().findComponent(control.name()) != &control;
}

void Renderer::notified(const ui::Notification& notification)
{
    ui::Component* component = notification.component;
    if (auto* item = dynamic_cast<ui::MenuItem*>(component)) {
        if (notification.property == ui::Property::Menu)
            ensureFormView(item->form()).menu().changed(item);
        return;
    }
    if (auto* menu = dynamic_cast<ui::MainMenu*>(component)) {
        ensureFormView(menu->form()).menu().changed(nullptr);
        return;
    }
    auto* control = dynamic_cast<ui::Control*>(component);
    if (!control || stillBeingBuilt(*control))
        return;
    ControlView& view = viewOf(*control);
    switch (notification.property) {
    case ui::Property::Created: return;
    case ui::Property::Parent: place(view); return;
    case ui::Property::ZOrder:
        if (control->parent())
            restack(*control->parent());
        return;
    case ui::Property::Color:
    case ui::Property::Font:
    case ui::Property::Hint: applyDown(*control, notification.property); break;
    default: view.apply(notification.property); break;
    }
    if (ui::WinControl* parent = control->parent())
        viewOf(*parent).childChanged(*control, notification.property);
}

}  // namespace uiqt
