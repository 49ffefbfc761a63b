#pragma once
// Mirrors the control model into Qt widgets: every form becomes a window, every control a widget
// at its designed place, kept in step with each property change the model reports. Real mouse
// and keyboard input on those windows goes back into the model's queue (InputBridge.h).
//
// Needs a QApplication. Forms and controls created after the renderer are mirrored as they
// appear. The renderer must end before the forms it shows.
#include "platform/ui/qt/ViewFactory.h"

#include <QHash>
#include <QImage>
#include <memory>
#include <unordered_map>

class QWidget;

namespace ui {
class Application;
class Component;
class Control;
class Form;
class WinControl;
struct Notification;
enum class Property;
}  // namespace ui

namespace uiqt {

class ControlView;
class FormView;
class FormWindow;
class InputBridge;

class Renderer {
public:
    explicit Renderer(ui::Application& application);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    ui::Application& application() const { return m_application; }

    // The window of a form.
    FormWindow* windowFor(const ui::Form& form);
    // The widget of a control (of a form: its window), showing the control as it is now.
    QWidget* widgetFor(const ui::Control& control);
    // The form as it is on the screen: its whole outer rectangle with frame, caption bar, menu
    // bar and the client area at the form's scroll position, every control shown as it is now.
    QImage grab(const ui::Form& form);

    // The view of the control whose widget is receiver or holds it; nullptr outside every form.
    ControlView* viewHolding(const QWidget* receiver) const;
    FormView* formViewOf(const ui::Control& control);
    ControlView& viewOf(const ui::Control& control);

    // How views are made for each control class; add views for new classes here.
    ViewFactory& factory() { return m_factory; }

private:
    void notified(const ui::Notification& notification);
    bool stillBeingBuilt(const ui::Control& control) const;
    FormView& ensureFormView(ui::Form& form);
    // Puts the view's widget on its parent's widget (or aside while the control has none).
    void place(ControlView& view);
    // Stacks the children's widgets in the model's z-order: graphic controls below windowed ones.
    void restack(const ui::WinControl& parent);
    // A colour, font or hint reaches the children that follow their parent's.
    void applyDown(ui::Control& control, ui::Property property);

    ui::Application& m_application;
    ViewFactory m_factory;
    std::unique_ptr<QWidget> m_aside;
    std::unordered_map<const ui::Control*, std::unique_ptr<ControlView>> m_views;
    std::unordered_map<const ui::Form*, std::unique_ptr<FormView>> m_formViews;
    QHash<const QWidget*, ControlView*> m_byWidget;
    std::unique_ptr<InputBridge> m_input;
    int m_subscription = 0;
};

}  // namespace uiqt
