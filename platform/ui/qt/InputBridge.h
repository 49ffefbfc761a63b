#pragma once
// The user's real input on the form windows, fed into the model's queue through ui::Input, the
// same path as simulated input: mouse input at the screen point the model hit-tests (window
// point + the form's outer corner), keys to whatever control has the model's focus when they
// are handled. Widgets see the mouse only where they do something the model cannot (caret
// placement, drop-down lists, scroll bars, web pages); keys only where their view keeps them (a
// grid's editors, a web page that has the model's focus).
#include "platform/ui/qt/KeyMap.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace uiqt {

class ControlView;
class Renderer;

class InputBridge : public QObject {
public:
    explicit InputBridge(Renderer& renderer) : m_renderer(renderer) {}

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mouse(QWidget* receiver, QMouseEvent* event);
    bool key(QWidget* receiver, QKeyEvent* event);
    bool inputMethod(QWidget* receiver, QInputMethodEvent* event);
    bool toolTip(QWidget* receiver, const QPoint& globalPos);
    // Ctrl+C, Ctrl+X, Ctrl+V and Ctrl+A on the focused text field, as the user actions they are.
    void clipboardShortcut(int key);
    // The view under which input to receiver goes to the model; nullptr for widgets of no form
    // (dialogs, drop-down lists) and for forms the model no longer has.
    ControlView* modelView(const QWidget* receiver) const;
    // Whether a key typed while receiver has Qt's focus belongs to the model.
    bool takesKey(const QWidget* receiver, const QKeyEvent* event) const;
    QPoint screenPoint(const ControlView& view, const QWidget* receiver, QPointF pos) const;

    Renderer& m_renderer;
    // Set while an event the model has already seen goes on to its widget.
    bool m_passing = false;
    // The view that took the left press the model has, and the widget it reached.
    ControlView* m_pressedView = nullptr;
    QPointer<QWidget> m_pressedWidget;
    bool m_rightPressed = false;
    // Keys pressed, by Qt key, with the virtual key their release reports.
    QHash<int, VirtualKey> m_keysDown;
};

}  // namespace uiqt
