#pragma once
// The text forms of stored values, as the program reads and writes them: Booleans "Vrai" /
// "Faux", dates dd/mm/yyyy (with " hh:mm:ss" only when not midnight), numbers in decimal,
// currency and reals with a decimal comma, and "" for no value.
#include "platform/db/Schema.h"
#include "platform/db/Value.h"

#include <QString>

namespace db::textform {

QString format(const Value& value, FieldType type);

// Shortest decimal form with a comma, at most `decimals` digits after it: 12.5 -> "12,5".
QString decimalText(double value, int decimals);

}  // namespace db::textform
