#include "platform/db/SqlText.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Error.h"
#include "platform/text/PascalText.h"

#include <QRegularExpression>

namespace db {

QString sqlInteger(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral(R"(^[+-]?\d+$)"));
    const QString trimmed = text::Trim(text);
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok);
    if (!ok || !digits.match(trimmed).hasMatch())
        throw Error(Error::Kind::Conversion, errorTexts().invalidInteger.arg(text));
    return QString::number(value);
}

}  // namespace db
