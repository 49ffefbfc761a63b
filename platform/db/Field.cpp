#include "platform/db/Field.h"

#include "platform/db/Coercion.h"
#include "platform/db/DataSet.h"
#include "platform/db/TextForm.h"
#include "platform/text/DateText.h"

#include <cmath>

namespace db {

namespace {

// A stored text read as another type, parsed the way an assignment of it would be.
Value readAs(const Value& value, const Column& column, FieldType type)
{
    if (value.kind() != Value::Kind::Text)
        return value;
    return coerce(value, Column{column.name, type, 0});
}

}  // namespace

const Column& Field::column() const { return dataSet_->table().column(index_); }

Value Field::value() const { return dataSet_->fieldValue(index_); }

QString Field::asString() const { return textform::format(value(), type()); }

qint64 Field::asInteger() const
{
    const Value v = readAs(value(), column(), FieldType::Integer);
    return v.kind() == Value::Kind::Real ? std::llround(v.number()) : v.integer();
}

bool Field::asBoolean() const { return readAs(value(), column(), FieldType::Boolean).number() != 0; }

QDateTime Field::asDateTime() const
{
    return text::fromJetSerial(readAs(value(), column(), FieldType::DateTime).number());
}

double Field::asFloat() const { return readAs(value(), column(), FieldType::Float).number(); }

void Field::setValue(const Value& value) { dataSet_->setFieldValue(index_, value); }

void Field::setAsString(const QString& text) { setValue(Value(text)); }

void Field::setAsInteger(qint64 value) { setValue(Value(value)); }

void Field::setAsBoolean(bool value) { setValue(Value::boolean(value)); }

void Field::setAsDateTime(const QDateTime& value)
{
    if (!value.isValid())
        setValue(Value());
    else if (column().isText())
        setValue(Value(text::dateTimeText(value)));
    else
        setValue(Value(text::toJetSerial(value)));
}

void Field::setAsFloat(double value) { setValue(Value(value)); }

}  // namespace db
