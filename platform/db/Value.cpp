#include "platform/db/Value.h"

#include "platform/text/DateText.h"

namespace db {

Value Value::date(const QDate& d) { return d.isValid() ? Value(text::toJetSerial(d)) : Value(); }

qint64 Value::integer() const
{
    if (const auto* i = std::get_if<qint64>(&data_))
        return *i;
    return 0;
}

double Value::number() const
{
    if (const auto* i = std::get_if<qint64>(&data_))
        return double(*i);
    if (const auto* d = std::get_if<double>(&data_))
        return *d;
    return 0.0;
}

QString Value::text() const
{
    if (const auto* s = std::get_if<QString>(&data_))
        return *s;
    return {};
}

}  // namespace db
