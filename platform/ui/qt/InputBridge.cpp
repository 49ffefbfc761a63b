#include "platform/ui/qt/InputBridge.h"

#include "platform/ui/Application.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/qt/BalloonTip.h"
#include "platform/ui/qt/ControlView.h"
#include "platform/ui/qt/FormWindow.h"
#include "platform/ui/qt/KeyMap.h"
#include "platform/ui/qt/Renderer.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <algorithm>

namespace uiqt {

namespace {

ui::CustomEdit* focusedEdit(ui::Application& application)
{
    ui::Form* form = application.activeForm();
    return form ? dynamic_cast<ui::CustomEdit*>(form->activeControl()) : nullptr;
}

// Clipboard text as the field takes it: CR LF line ends in a multi-line field, the first line in
// a single-line one.
QString pastedText(const ui::CustomEdit& edit, QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (dynamic_cast<const ui::Memo*>(&edit) || dynamic_cast<const ui::RichEdit*>(&edit))
        return text.replace(u'\n', QStringLiteral("\r\n"));
    return text.section(u'\n', 0, 0);
}

}  // namespace

bool InputBridge::eventFilter(QObject* watched, QEvent* event)
{
    // The event's type is looked at before the object: this filter also sees the posted events
    // of the web engine's internal objects, whose type information the engine does not export.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::ToolTip:
    case QEvent::Leave: break;
    default: return false;
    }
    if (m_passing || !watched->isWidgetType())
        return false;
    auto* receiver = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return mouse(receiver, static_cast<QMouseEvent*>(event));
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return key(receiver, static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod: return inputMethod(receiver, static_cast<QInputMethodEvent*>(event));
    case QEvent::ToolTip: return toolTip(receiver, static_cast<QHelpEvent*>(event)->globalPos());
    case QEvent::Leave:
        balloon::hide(receiver);
        if (auto* window = dynamic_cast<FormWindow*>(receiver); window && modelView(window)) {
            // The pointer left the window: the model's pointer goes where the real one is.
            const QPoint outside = window->form().bounds().topLeft() + window->mapFromGlobal(QCursor::pos());
            m_renderer.application().input().setCursorPos(outside);
        }
        return false;
    default: return false;
    }
}

ControlView* InputBridge::modelView(const QWidget* receiver) const
{
    if (!dynamic_cast<const FormWindow*>(receiver->window()))
        return nullptr;
    ControlView* view = m_renderer.viewHolding(receiver);
    if (!view)
        return nullptr;
    const auto& forms = m_renderer.application().forms();
    const bool alive = std::find(forms.begin(), forms.end(), view->formAddress()) != forms.end();
    return alive ? view : nullptr;
}

QPoint InputBridge::screenPoint(const ControlView& view, const QWidget* receiver, QPointF pos) const
{
    const QWidget* window = receiver->window();
    return view.control().form().bounds().topLeft() + receiver->mapTo(window, pos.toPoint());
}

bool InputBridge::mouse(QWidget* receiver, QMouseEvent* event)
{
    ControlView* view = modelView(receiver);
    if (!view)
        return false;
    ui::Input& input = m_renderer.application().input();
    input.setCursorPos(screenPoint(*view, receiver, event->position()));
    const QPoint local = event->position().toPoint();
    const MouseRouting routing = view->mouseRouting(receiver);
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        balloon::hide();
        if (routing != MouseRouting::WidgetOnly && event->button() == Qt::LeftButton) {
            m_pressedView = view;
            m_pressedWidget = receiver;
            if (type == QEvent::MouseButtonDblClick) {
                input.leftDoubleDown();
                view->userDoublePressed(receiver, local);
            } else {
                input.leftDown();
                view->userPressed(receiver, local);
            }
        }
        if (routing != MouseRouting::WidgetOnly && event->button() == Qt::RightButton)
            m_rightPressed = true;
    } else if (type == QEvent::MouseButtonRelease) {
        if (event->button() == Qt::LeftButton && m_pressedView) {
            input.leftUp();
            if (m_pressedWidget)
                m_pressedView->userReleased();
            m_pressedView = nullptr;
        }
        if (event->button() == Qt::RightButton && m_rightPressed) {
            m_rightPressed = false;
            input.rightClick();
        }
    }
    // Moves always reach the widget (hover looks, selecting by dragging); presses where it acts.
    if (routing != MouseRouting::ModelOnly || type == QEvent::MouseMove) {
        m_passing = true;
        QCoreApplication::sendEvent(receiver, event);
        m_passing = false;
    }
    return true;
}

bool InputBridge::takesKey(const QWidget* receiver, const QKeyEvent* event) const
{
    ControlView* view = modelView(receiver);
    if (!view || view->keyToWidget(receiver, event))
        return false;
    auto* window = static_cast<const FormWindow*>(receiver->window());
    // The menu bar handles its own keys once the user opened it from the keyboard.
    return !window->menuBar()->isAncestorOf(receiver) && receiver != window->menuBar();
}

bool InputBridge::key(QWidget* receiver, QKeyEvent* event)
{
    ui::Input& input = m_renderer.application().input();
    const int qtKey = event->key();
    if (event->type() == QEvent::KeyRelease) {
        // A key the model had pressed is released there, wherever Qt's focus went meanwhile.
        const auto down = m_keysDown.find(qtKey);
        if (down == m_keysDown.end())
            return takesKey(receiver, event);
        if (!event->isAutoRepeat()) {
            input.keyUp(down->vk, down->extended);
            m_keysDown.erase(down);
        }
        return true;
    }
    if (!takesKey(receiver, event))
        return false;
    const ui::ShiftState shift = shiftState(event->modifiers());
    if (const auto command = commandKey(*event)) {
        input.keyDown(command->vk, command->extended, shift);
        m_keysDown.insert(qtKey, *command);
        return true;
    }
    const bool ctrl = shift & ui::shift::Ctrl;
    const bool alt = shift & ui::shift::Alt;
    if (ctrl && !alt) {
        clipboardShortcut(qtKey);
        return true;
    }
    const QString text = event->text();
    // Alt with a letter is an accelerator (the menu bar takes its own); Ctrl+Alt is AltGr.
    if ((alt && !ctrl) || text.isEmpty() || !text.front().isPrint())
        return true;
    VirtualKey typed{characterKey(qtKey, text.front()), false};
    for (QChar ch : text)
        input.typedKeyDown(typed.vk, ch, shift & ui::shift::Shift);
    m_keysDown.insert(qtKey, typed);
    return true;
}

bool InputBridge::inputMethod(QWidget* receiver, QInputMethodEvent* event)
{
    if (!takesKey(receiver, nullptr))
        return false;
    // Characters composed by an input method (dead keys) come as typed keys.
    ui::Input& input = m_renderer.application().input();
    for (QChar ch : event->commitString()) {
        const quint16 vk = characterKey(0, ch);
        input.typedKeyDown(vk, ch);
        input.keyUp(vk);
    }
    return true;
}

void InputBridge::clipboardShortcut(int key)
{
    ui::Application& application = m_renderer.application();
    switch (key) {
    case Qt::Key_C:
        application.post([&application] {
            if (ui::CustomEdit* edit = focusedEdit(application); edit && edit->selLength() > 0)
                QGuiApplication::clipboard()->setText(edit->selText());
        });
        break;
    case Qt::Key_X:
        application.post([&application] {
            if (ui::CustomEdit* edit = focusedEdit(application); edit && edit->selLength() > 0) {
                QGuiApplication::clipboard()->setText(edit->selText());
                edit->setSelText(QString());
            }
        });
        break;
    case Qt::Key_V:
        application.post([&application] {
            if (ui::CustomEdit* edit = focusedEdit(application))
                if (const QString text = pastedText(*edit, QGuiApplication::clipboard()->text()); !text.isEmpty())
                    edit->setSelText(text);
        });
        break;
    case Qt::Key_A:
        application.post([&application] {
            if (ui::CustomEdit* edit = focusedEdit(application))
                edit->selectAll();
        });
        break;
    default: break;
    }
}

bool InputBridge::toolTip(QWidget* receiver, const QPoint& globalPos)
{
    ControlView* view = modelView(receiver);
    const auto* windowed = view ? dynamic_cast<const ui::WinControl*>(&view->control()) : nullptr;
    if (!windowed || !windowed->balloonHint())
        return false;
    balloon::show(view->widget(), *windowed->balloonHint());
    return true;
}

}  // namespace uiqt
