#pragma once
// The model's message loop inside Qt's event loop. While the model waits (Delay, network calls,
// page loads, modal forms), it calls processEvents(), so windows repaint and the user's input
// becomes queued model input meanwhile. Between handlers, input queued by the user is handled
// at the next turn of Qt's loop, and timed work when it falls due.
//
// The model's queue is not handled from inside Qt's event handling while the model itself is
// waiting (its own loop handles it), nor while a Qt dialog of the dialog service is open (the
// program is inside the call that asked for it); the queue is then looked at again a little
// later.
#include "platform/ui/PlatformPump.h"

#include <QTimer>
#include <exception>
#include <memory>

namespace ui {
class Application;
}

namespace uiqt {

class QtPump : public ui::PlatformPump {
public:
    // Becomes the application's platform pump until destroyed.
    explicit QtPump(ui::Application& application);
    ~QtPump() override;
    QtPump(const QtPump&) = delete;
    QtPump& operator=(const QtPump&) = delete;

    void processEvents() override;

    // Runs Qt's event loop until the program ends (the main form closed); returns the loop's exit
    // code. An exception that ends the whole run (ui::Unguarded) leaves here.
    int exec();

private:
    void schedule();
    void handleMessages();
    // Wakes the loop when the next timed work falls due.
    void wakeForDueWork();

    ui::Application& m_application;
    std::unique_ptr<QObject> m_context;
    QTimer m_dueWork;
    int m_pumping = 0;
    bool m_running = false;  // inside exec()
    bool m_scheduled = false;
    std::exception_ptr m_failure;
};

}  // namespace uiqt
