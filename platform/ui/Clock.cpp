#include "platform/ui/Clock.h"

#include <QThread>

namespace ui {

SystemClock::SystemClock() { m_timer.start(); }

qint64 SystemClock::milliseconds() const { return m_timer.elapsed(); }

QDateTime SystemClock::currentDateTime() const { return QDateTime::currentDateTime(); }

void SystemClock::sleepUntil(qint64 deadline)
{
    const qint64 remaining = deadline - milliseconds();
    if (remaining > 0)
        QThread::msleep(static_cast<unsigned long>(remaining));
}

VirtualClock::VirtualClock(const QDateTime& start) : m_start(start) {}

void VirtualClock::sleepUntil(qint64 deadline)
{
    if (deadline > m_ms)
        m_ms = deadline;
}

void VirtualClock::advance(qint64 ms)
{
    if (ms > 0)
        m_ms += ms;
}

void VirtualClock::setCurrentDateTime(const QDateTime& now) { m_start = now.addMSecs(-m_ms); }

}  // namespace ui
