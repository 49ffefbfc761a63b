#pragma once
// Time for the message loop, Delay and every wait: the system's clock in the program, a virtual
// one in tests, which moves only when told or when the message loop has nothing to do.
#include <QDateTime>
#include <QElapsedTimer>

namespace ui {

class Clock {
public:
    virtual ~Clock() = default;

    // A monotonic millisecond counter (the tick counter of waits).
    virtual qint64 milliseconds() const = 0;
    // Local date and time ("today" for due dates and file names).
    virtual QDateTime currentDateTime() const = 0;
    // Returns once milliseconds() has reached the deadline; at once when it already has.
    virtual void sleepUntil(qint64 deadline) = 0;
};

class SystemClock : public Clock {
public:
    SystemClock();
    qint64 milliseconds() const override;
    QDateTime currentDateTime() const override;
    void sleepUntil(qint64 deadline) override;

private:
    QElapsedTimer m_timer;
};

// Starts at a fixed date and time; sleeping jumps straight to the deadline.
class VirtualClock : public Clock {
public:
    explicit VirtualClock(const QDateTime& start = QDateTime(QDate(2024, 9, 2), QTime(8, 30)));

    qint64 milliseconds() const override { return m_ms; }
    QDateTime currentDateTime() const override { return m_start.addMSecs(m_ms); }
    void sleepUntil(qint64 deadline) override;

    void advance(qint64 ms);
    // Moves the date and time; the millisecond counter goes on unchanged.
    void setCurrentDateTime(const QDateTime& now);

private:
    QDateTime m_start;
    qint64 m_ms = 0;
};

}  // namespace ui
