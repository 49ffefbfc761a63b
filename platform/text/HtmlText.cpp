#include "platform/text/HtmlText.h"

#include "platform/text/Windows1252.h"

namespace text {

QString htmlText(const QString& value)
{
    QString r;
    r.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        switch (c.unicode()) {
        case u'<': r += QStringLiteral("&lt;"); break;
        case u'>': r += QStringLiteral("&gt;"); break;
        case u'&': r += QStringLiteral("&amp;"); break;
        case u'"': r += QStringLiteral("&quot;"); break;
        default:
            if (text::isInWindows1252(c)) {
                r += c;
            } else if (c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
                r += QStringLiteral("&#%1;").arg(QChar::surrogateToUcs4(c, value[i + 1]));
                ++i;
            } else {
                r += QStringLiteral("&#%1;").arg(c.unicode());
            }
        }
    }
    return r;
}

QString pageTitleHead(const QString& title)
{
    return QStringLiteral("<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                          "<TITLE>") +
           htmlText(title) + QStringLiteral("</TITLE>");
}

}  // namespace text
