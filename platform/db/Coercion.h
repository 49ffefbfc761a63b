#pragma once
// Turning a value into what a column stores, in one place for field assignments and for the
// literals of statements and filters: texts are parsed as the column's type ("12,50" for
// currency, "08/12/2025" for a date, "Vrai"/"True" for a Boolean, "" = no value), numbers
// checked against the column's range, texts against its size.
#include "platform/db/Schema.h"
#include "platform/db/SqlAst.h"
#include "platform/db/Value.h"

namespace db {

// Throws Error of kind Conversion (wrong type or range) or TooLong.
Value coerce(const Value& value, const Column& column);
// A number written unquoted stays the text as written for a text column ("00012"); a bound
// parameter's value converts as a field assignment does. A parameter not yet bound is none.
Value coerceLiteral(const Literal& literal, const Column& column);
// As coerceLiteral, for the value a column is compared with: a text longer than the column
// holds is no error there, it just matches nothing the column can hold.
Value coerceComparand(const Literal& literal, const Column& column);

}  // namespace db
