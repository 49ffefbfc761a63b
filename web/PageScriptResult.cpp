#include "web/PageScriptResult.h"

#include <QUrl>

namespace web {

QString pageTextOfScriptResult(const QString& json)
{
    const QString text = QUrl::fromPercentEncoding(json.toUtf8());
    if (text.size() < 2 || !text.startsWith(u'"') || !text.endsWith(u'"'))
        return text;
    QString out;
    out.reserve(text.size());
    bool droppedQuote = false;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' && !droppedQuote) {
            droppedQuote = true;
            continue;
        }
        droppedQuote = false;
        out += c;
    }
    return out;
}

}  // namespace web
