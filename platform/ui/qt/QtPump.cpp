#include "platform/ui/qt/QtPump.h"

#include "platform/ui/Application.h"
#include "platform/ui/qt/FormWindow.h"

#include <QApplication>
#include <QThread>
#include <algorithm>
#include <limits>

namespace uiqt {

namespace {
// How soon the queue is looked at again when it could not be handled.
constexpr int kRetryMs = 20;
}  // namespace

QtPump::QtPump(ui::Application& application) : m_application(application), m_context(std::make_unique<QObject>())
{
    m_application.setPlatformPump(this);
    m_application.onMessageQueued = [this] { schedule(); };
    m_dueWork.setSingleShot(true);
    QObject::connect(&m_dueWork, &QTimer::timeout, m_context.get(), [this] { handleMessages(); });
    wakeForDueWork();
}

QtPump::~QtPump()
{
    m_application.onMessageQueued = nullptr;
    m_application.setPlatformPump(nullptr);
}

void QtPump::processEvents()
{
    ++m_pumping;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    --m_pumping;
}

void QtPump::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QMetaObject::invokeMethod(m_context.get(), [this] { handleMessages(); }, Qt::QueuedConnection);
}

void QtPump::handleMessages()
{
    m_scheduled = false;
    if (m_failure)
        return;
    const QWidget* modal = QApplication::activeModalWidget();
    // A Qt dialog runs an event loop of its own: until it returns, the program is still inside
    // the call that asked for the dialog, even once the dialog has closed.
    const bool insideADialog = QThread::currentThread()->loopLevel() > (m_running ? 1 : 0);
    if (m_pumping > 0 || insideADialog || (modal && !dynamic_cast<const FormWindow*>(modal))) {
        m_dueWork.start(kRetryMs);
        return;
    }
    try {
        m_application.processMessages();
    } catch (...) {
        m_failure = std::current_exception();
        QCoreApplication::exit(1);
        return;
    }
    if (m_application.terminated())
        QCoreApplication::exit(0);
    else
        wakeForDueWork();
}

void QtPump::wakeForDueWork()
{
    const std::optional<qint64> due = m_application.nextDue();
    if (!due) {
        m_dueWork.stop();
        return;
    }
    const qint64 wait = std::max<qint64>(*due - m_application.clock().milliseconds(), 0);
    m_dueWork.start(int(std::min<qint64>(wait, std::numeric_limits<int>::max())));
}

int QtPump::exec()
{
    if (m_application.terminated())
        return 0;
    m_running = true;
    const int code = QCoreApplication::exec();
    m_running = false;
    if (m_failure)
        std::rethrow_exception(std::exchange(m_failure, nullptr));
    return code;
}

}  // namespace uiqt
