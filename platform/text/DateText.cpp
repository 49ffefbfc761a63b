#include "platform/text/DateText.h"

#include <QRegularExpression>
#include <cmath>

namespace text {

QDate jetEpoch() { return QDate(1899, 12, 30); }

QString shortDateText(const QDate& d)
{
    return QStringLiteral("%1/%2/%3")
        .arg(d.day(), 2, 10, QChar(u'0'))
        .arg(d.month(), 2, 10, QChar(u'0'))
        .arg(d.year(), 4, 10, QChar(u'0'));
}

QString dateTimeText(const QDateTime& dt)
{
    const QTime t = dt.time();
    if (t.hour() == 0 && t.minute() == 0 && t.second() == 0)
        return shortDateText(dt.date());
    return shortDateText(dt.date()) + u' ' + t.toString(QStringLiteral("HH:mm:ss"));
}

std::optional<QDateTime> parseDateTimeText(const QString& s)
{
    static const QRegularExpression re(QStringLiteral(
        R"(^\s*(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})(?:\s+(\d{1,2}):(\d{1,2})(?::(\d{1,2}))?)?\s*$)"));
    const auto m = re.match(s);
    if (!m.hasMatch())
        return std::nullopt;
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += year < 50 ? 2000 : 1900;
    const QDate d(year, m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    QTime t(0, 0);
    if (m.hasCaptured(4) && !m.captured(4).isEmpty()) {
        t = QTime(m.captured(4).toInt(), m.captured(5).toInt(),
                  m.captured(6).isEmpty() ? 0 : m.captured(6).toInt());
        if (!t.isValid())
            return std::nullopt;
    }
    return QDateTime(d, t);
}

std::optional<QDate> parseShortDate(const QString& s)
{
    const auto dt = parseDateTimeText(s);
    if (!dt)
        return std::nullopt;
    return dt->date();
}

double toJetSerial(const QDate& d) { return double(jetEpoch().daysTo(d)); }

double toJetSerial(const QDateTime& dt)
{
    const double days = toJetSerial(dt.date());
    const double fraction = dt.time().msecsSinceStartOfDay() / 86400000.0;
    return days < 0 ? days - fraction : days + fraction;
}

QDateTime fromJetSerial(double serial)
{
    const double whole = std::trunc(serial);
    const double fraction = std::fabs(serial - whole);
    // Round to the millisecond so that 0.5 days is exactly noon.
    qint64 ms = std::llround(fraction * 86400000.0);
    qint64 day = qint64(whole);
    if (ms >= 86400000) {
        ms -= 86400000;
        day += serial < 0 ? -1 : 1;
    }
    return QDateTime(jetEpoch().addDays(day), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

}  // namespace text
