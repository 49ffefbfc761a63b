#include "app/CsvValue.h"

namespace app {

QString csvValue(const QString& value, CsvRule rule)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const bool control = c.unicode() < 32;
        const bool lineBreak = c == u'\r' || c == u'\n';
        switch (rule) {
        case CsvRule::Lists:
        case CsvRule::MissingCopies:
            if (control || (rule == CsvRule::MissingCopies && c == u'~'))
                out += u' ';
            else
                out += c == u';' ? QChar(u'/') : c;
            break;
        case CsvRule::Backup:
            if (lineBreak) {
                out += u'_';
                if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n')
                    ++i;
            } else if (c != u';') {
                out += c;
            }
            break;
        case CsvRule::RenumberingCopy:
            if (!lineBreak && c != u'"')
                out += control || c == u';' ? QChar(u' ') : c;
            break;
        case CsvRule::RepairedField:
            out += control || c == u';' || c == u'"' || c == u',' ? QChar(u' ') : c;
            break;
        }
    }
    return out;
}

}  // namespace app
