#include "exchange/SpreadsheetText.h"

#include "app/CsvValue.h"

namespace exchange {

QString spreadsheetValue(const QString& value)
{
    const QString v = app::csvValue(value, app::CsvRule::Lists);
    if (!v.isEmpty() && QStringLiteral("=+-@").contains(v.front()))
        return u'\'' + v;
    return v;
}

QString csvLine(const QStringList& values)
{
    QStringList cleaned;
    for (const QString& v : values)
        cleaned << app::csvValue(v, app::CsvRule::Lists);
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
