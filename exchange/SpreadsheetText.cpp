#include "exchange/SpreadsheetText.h"

namespace exchange {

QString csvValue(const QString& value)
{
    QString v = value;
    for (QChar& c : v) {
        if (c.unicode() < 32)
            c = u' ';
        else if (c == u';')
            c = u'/';
    }
    return v;
}

QString spreadsheetValue(const QString& value)
{
    const QString v = csvValue(value);
    if (!v.isEmpty() && QStringLiteral("=+-@").contains(v.front()))
        return u'\'' + v;
    return v;
}

QString csvLine(const QStringList& values)
{
    QStringList cleaned;
    for (const QString& v : values)
        cleaned << csvValue(v);
    return cleaned.join(u';');
}

QString spreadsheetLine(const QStringList& values)
{
    QStringList cleaned;
    for (const QString& v : values)
        cleaned << spreadsheetValue(v);
    return cleaned.join(u';');
}

}  // namespace exchange
