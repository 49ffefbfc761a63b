#pragma once
// The hub of the control model: its forms, the one message queue and its loop, the clock,
// simulated input, dialogs, the notification bus and the standard error box.
//
// One thread. Handlers run from the message loop; a handler that waits (delay(), waitUntil(),
// a modal form or dialog) runs queued messages inside itself, so other handlers complete inside
// the waiting one. Nothing guards against that, as in the library.
#include "platform/ui/Clock.h"
#include "platform/ui/Errors.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NotificationBus.h"

#include <QSize>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

class Form;
class InputRouter;
class PlatformPump;
enum class ModalResult;

class Application {
public:
    Application(Clock& clock, DialogService& dialogs);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Clock& clock() const { return m_clock; }
    DialogService& dialogs() const { return m_dialogs; }
    NotificationBus& notifications() { return m_notifications; }
    Input& input() { return m_input; }

    // Caption of the standard boxes.
    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }

    // The screen the windows lie on (its size is what Screen.Width/Height report).
    QSize screenSize() const { return m_screenSize; }
    void setScreenSize(const QSize& size) { m_screenSize = size; }

    // Forms register themselves when constructed; the first one is the main form.
    const std::vector<Form*>& forms() const { return m_forms; }
    Form* mainForm() const { return m_mainForm; }
    void setMainForm(Form* form) { m_mainForm = form; }
    Form* findForm(const QString& name) const;
    // The window that has input: the innermost modal form, else the last form shown.
    Form* activeForm() const { return m_activeForm; }

    // Work run by the message loop in arrival order with the input.
    void post(std::function<void()> work);
    // Work that joins the queue when the clock has moved ms further.
    void postAfter(qint64 ms, std::function<void()> work);
    // When the earliest timed work falls due, on the clock's millisecond counter; none when no
    // work is timed.
    std::optional<qint64> nextDue() const { return m_queue.nextDue(); }

    // Handles every queued message, those queued meanwhile included, then returns
    // (ProcessMessages). The platform pump runs first.
    void processMessages();
    // As processMessages(), but the user's input (keys, mouse, menu commands) queued by then or
    // meanwhile is dropped unhandled, as a disabled window's is: long work that no other command
    // may disturb still lets posted and timed work run.
    void processMessagesRefusingInput();
    // Handles one message; false when none was ready.
    bool handleMessage();
    // The waiting routine of the program: processes messages at least once, then until ms
    // milliseconds have passed; an idle virtual clock jumps to the next due work or the end.
    void delay(int ms);
    // Processes messages until done() holds (true) or limitMs have passed (false).
    bool waitUntil(const std::function<bool()>& done, qint64 limitMs);
    // Processes messages and due work, moving the clock to timed work while nothing else is
    // queued, until nothing is left or limitMs have passed. For tests and the driver.
    void runUntilIdle(qint64 limitMs = 600'000);

    // Runs a modal form's loop (Form::showModal).
    ModalResult runModal(Form& form);

    // Ends the program's loop (closing the main form).
    void terminate() { m_terminated = true; }
    bool terminated() const { return m_terminated; }

    // Message boxes of the program, through the dialog service.
    // A plain box with the application's title and OK.
    void showMessage(const QString& text);
    ModalResult messageBox(const QString& text, const QString& caption, MessageButtons buttons,
                           MessageIcon icon, int defaultButton = 1);
    // Cancel gives the default text, as the library's InputBox does.
    QString inputBox(const QString& caption, const QString& prompt, const QString& defaultText,
                     bool masked = false);

    // Runs a handler so that a std::exception leaving it shows in the standard error box and
    // ends only it. Unguarded exceptions pass.
    template <class F>
    void guard(F&& handler);
    // The standard error box: the message, with a full stop added when it ends otherwise.
    void showException(const std::exception& error);

    void setPlatformPump(PlatformPump* pump) { m_pump = pump; }
    // Called after anything is queued (the renderer schedules processMessages()).
    std::function<void()> onMessageQueued;

private:
    friend class Control;
    friend class Form;
    friend class Input;

    void beginMoveDrag(Control& control);
    void registerForm(Form& form);
    void unregisterForm(Form& form);
    void formShown(Form& form);
    void formHidden(Form& form);
    void setActiveForm(Form* form);
    void queued();
    void dispatch(Message& message);
    // Waits until something is queued, the next timed work is due, or the deadline passes.
    void idleUntil(qint64 deadline);

    Clock& m_clock;
    DialogService& m_dialogs;
    NotificationBus m_notifications;
    MessageQueue m_queue;
    Input m_input;
    std::unique_ptr<InputRouter> m_router;
    PlatformPump* m_pump = nullptr;
    QString m_title;
    QSize m_screenSize{1920, 1080};
    std::vector<Form*> m_forms;
    std::vector<Form*> m_modalForms;
    Form* m_mainForm = nullptr;
    Form* m_activeForm = nullptr;
    bool m_terminated = false;
};

template <class F>
void Application::guard(F&& handler)
{
    try {
        handler();
    } catch (const Unguarded&) {
        throw;
    } catch (const std::exception& error) {
        showException(error);
    }
}

}  // namespace ui
