#include "platform/db/TextForm.h"

#include "platform/text/DateText.h"

#include <cmath>

namespace db::textform {

QString decimalText(double value, int decimals)
{
    QString s = QString::number(value, 'f', decimals);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == u"-0")
        s = QStringLiteral("0");
    return s.replace(u'.', u',');
}

QString format(const Value& value, FieldType type)
{
    if (value.isNull())
        return {};
    if (value.kind() == Value::Kind::Text)
        return value.text();
    switch (type) {
    case FieldType::Boolean:
        return value.number() != 0 ? QStringLiteral("Vrai") : QStringLiteral("Faux");
    case FieldType::DateTime:
        return text::dateTimeText(text::fromJetSerial(value.number()));
    case FieldType::Currency:
        return decimalText(value.number(), 4);
    case FieldType::Float:
        return decimalText(value.number(), 15);
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
        break;
    }
    if (value.kind() == Value::Kind::Integer)
        return QString::number(value.integer());
    return decimalText(value.number(), 15);
}

}  // namespace db::textform
