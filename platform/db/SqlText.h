#pragma once
// Helpers for code that writes statement text: values that go in unquoted must be checked,
// so that no second statement or added condition can ride in with them.
#include <QString>

namespace db {

// A whole number as it goes into a statement: " 12" -> "12". Anything else is an Error of
// kind Conversion.
QString sqlInteger(const QString& text);

}  // namespace db
