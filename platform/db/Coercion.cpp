#include "platform/db/Coercion.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Error.h"
#include "platform/db/TextForm.h"
#include "platform/text/DateText.h"
#include "platform/text/PascalText.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>
#include <optional>

namespace db {

namespace {

// The OLE date range, 1/1/100 to 31/12/9999.
constexpr double kFirstDate = -657434;
constexpr double kLastDate = 2958465.99999;

[[noreturn]] void refuse(const QString& shown, const Column& column)
{
    throw Error(Error::Kind::Conversion,
                errorTexts().invalidValue.arg(shown, column.name));
}

Value checkedText(const QString& text, const Column& column)
{
    if (column.size > 0 && text.size() > column.size) {
        throw Error(Error::Kind::TooLong,
                    errorTexts().tooLong
                        .arg(column.name)
                        .arg(column.size));
    }
    return Value(text);
}

Value checkedInteger(double number, const Column& column, const QString& shown)
{
    const bool small = column.type == FieldType::SmallInt;
    const double lowest = small ? -32768.0 : double(std::numeric_limits<qint32>::min());
    const double highest = small ? 32767.0 : double(std::numeric_limits<qint32>::max());
    if (std::floor(number) != number || number < lowest || number > highest)
        refuse(shown, column);
    return Value(qint64(number));
}

// Digits with a decimal comma or point; blanks and the euro sign are ignored.
std::optional<double> parseDecimal(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral(R"(^[+-]?(\d+([.,]\d*)?|[.,]\d+)$)"));
    QString s;
    for (const QChar c : text) {
        if (!c.isSpace() && c != u'€')
            s += c;
    }
    if (!shape.match(s).hasMatch())
        return std::nullopt;
    return s.replace(u',', u'.').toDouble();
}

Value fromNumber(double number, const Value& original, const Column& column)
{
    const QString shown = textform::format(original, FieldType::Float);
    switch (column.type) {
    case FieldType::Text:
    case FieldType::Memo:
        return checkedText(textform::format(original, FieldType::Integer), column);
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
        return checkedInteger(number, column, shown);
    case FieldType::Boolean:
        return Value::boolean(number != 0);
    case FieldType::DateTime:
        if (number < kFirstDate || number > kLastDate)
            refuse(shown, column);
        return Value(number);
    case FieldType::Currency:
        return Value(std::round(number * 10000.0) / 10000.0);
    case FieldType::Float:
        return Value(number);
    }
    return Value(number);
}

Value fromText(const QString& text, const Column& column)
{
    if (column.isText())
        return checkedText(text, column);
    const QString trimmed = text::Trim(text);
    if (trimmed.isEmpty())
        return Value();
    switch (column.type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
        if (const auto n = text::ParseInt64(trimmed))
            return checkedInteger(double(*n), column, text);
        break;
    case FieldType::Boolean:
        if (trimmed.compare(u"Vrai", Qt::CaseInsensitive) == 0 || trimmed.compare(u"True", Qt::CaseInsensitive) == 0)
            return Value::boolean(true);
        if (trimmed.compare(u"Faux", Qt::CaseInsensitive) == 0 || trimmed.compare(u"False", Qt::CaseInsensitive) == 0)
            return Value::boolean(false);
        break;
    case FieldType::DateTime:
        if (const auto dt = text::parseDateTimeText(trimmed))
            return Value(text::toJetSerial(*dt));
        break;
    case FieldType::Currency:
    case FieldType::Float:
        if (const auto d = parseDecimal(trimmed))
            return fromNumber(*d, Value(*d), column);
        break;
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    refuse(text, column);
}

}  // namespace

Value coerce(const Value& value, const Column& column)
{
    switch (value.kind()) {
    case Value::Kind::Null:
        return value;
    case Value::Kind::Text:
        return fromText(value.text(), column);
    case Value::Kind::Integer:
    case Value::Kind::Real:
        return fromNumber(value.number(), value, column);
    }
    return value;
}

Value coerceLiteral(const Literal& literal, const Column& column)
{
    switch (literal.kind) {
    case Literal::Kind::Text:
        return fromText(literal.text, column);
    case Literal::Kind::Number: {
        if (column.isText())
            return checkedText(literal.text, column);
        if (!literal.text.contains(u'.')) {
            bool ok = false;
            const qint64 n = literal.text.toLongLong(&ok);
            if (ok)
                return fromNumber(double(n), Value(n), column);
        }
        const double d = literal.text.toDouble();
        return fromNumber(d, Value(d), column);
    }
    case Literal::Kind::Boolean:
        if (column.type != FieldType::Boolean)
            refuse(literal.boolean ? QStringLiteral("True") : QStringLiteral("False"), column);
        return Value::boolean(literal.boolean);
    case Literal::Kind::Bound:
        return coerce(literal.value, column);
    case Literal::Kind::Parameter:
        break;
    }
    return Value();
}

Value coerceComparand(const Literal& literal, const Column& column)
{
    Column unbounded = column;
    unbounded.size = 0;
    return coerceLiteral(literal, unbounded);
}

}  // namespace db
