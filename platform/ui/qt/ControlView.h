#pragma once
// The widget that shows one control of the model. It follows the control's properties as the
// model reports their changes, and tells how mouse input on it is shared between the model and
// the widget. Program logic never reaches a widget: everything the user does goes back to the
// model as queued input or as the user action it is.
#include "platform/ui/Control.h"
#include "platform/ui/NotificationBus.h"

#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <functional>

class QKeyEvent;

namespace uiqt {

class Renderer;

// Who handles a mouse press on a widget. The model always gets the press as queued input (so it
// is hit-tested like a simulated click); the widget handles it too where it does something the
// model cannot see.
enum class MouseRouting {
    ModelOnly,  // buttons, boxes, panels, pictures
    Shared,     // caret and selection of text fields, the drop-down list of combo boxes, web pages
    WidgetOnly, // scroll bars: scrolling a list is none of the model's business
};

// Whether receiver is a scroll bar or part of one.
bool isScrollBarPart(const QWidget* receiver);

class ControlView {
public:
    ControlView(Renderer& renderer, ui::Control& control, QWidget* widget);
    virtual ~ControlView() = default;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    ui::Control& control() const { return m_control; }
    // The control's form, known even after the form has gone (its address, not to be used then).
    const ui::Form* formAddress() const { return m_form; }
    // The widget placed at the control's bounds.
    QWidget* widget() const { return m_widget; }
    // Where the widgets of the control's children lie.
    virtual QWidget* childArea() const { return m_widget; }

    // Every property, for a new view.
    void applyAll();
    // One property changed in the model.
    virtual void apply(ui::Property property);
    // A property of a child control changed (page controls name their tabs after their sheets).
    virtual void childChanged(ui::Control& child, ui::Property property) {}
    // Shows now the changes that the view gathers until the next turn of the event loop.
    virtual void showPending() {}

    // receiver is the widget the press reached: this view's widget or one of its parts.
    virtual MouseRouting mouseRouting(const QWidget* receiver) const { return MouseRouting::ModelOnly; }
    // A left press that went to the model, at pos of receiver: buttons look pressed, tab rows
    // and lists report the choice the press makes.
    virtual void userPressed(QWidget* receiver, QPoint pos) {}
    virtual void userReleased() {}
    // The second press of a double click: a press again, unless the view says otherwise.
    virtual void userDoublePressed(QWidget* receiver, QPoint pos) { userPressed(receiver, pos); }
    // Whether a key typed while receiver has Qt's focus stays with the widget instead of going
    // to the model (a grid's cell navigation and editors); event is null for text composed by
    // an input method.
    virtual bool keyToWidget(const QWidget* receiver, const QKeyEvent* event) const { return false; }

    // The tooltip of the control's hint, empty when no hint shows.
    QString toolTip() const;

protected:
    Renderer& renderer() const { return m_renderer; }
    // Queues a user action that the model sees only through this widget (an item chosen in a
    // drop-down list, a tab, a cell): it runs in arrival order with the input.
    void postUserAction(std::function<void()> action) const;

    virtual void applyText() {}
    virtual void applyColors();
    // The palette role painted with the control's colour; NoRole when the widget keeps the look
    // of the platform (push buttons) or draws nothing behind itself (pictures).
    virtual QPalette::ColorRole backgroundRole() const { return QPalette::Window; }
    // Whether the background is painted at all (labels that follow their parent's colour let it
    // show through).
    virtual bool fillsBackground() const { return true; }

private:
    Renderer& m_renderer;
    ui::Control& m_control;
    const ui::Form* m_form;
    QPointer<QWidget> m_widget;
};

}  // namespace uiqt
