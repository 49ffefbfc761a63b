#include "platform/db/Value.h"

namespace db {

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
