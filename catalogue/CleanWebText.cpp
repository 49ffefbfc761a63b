#include "catalogue/CleanWebText.h"

#include "app/TextRoutines.h"

#include <utility>

namespace catalogue {

QString CleanWebText(const QString& text)
{
    // Each pair works on what the pairs before it left, so their order is part of the result.
    static const std::pair<const char16_t*, const char16_t*> replacements[] = {
        {u"productDescriptionWrapper >", u" "}, {u"<div class=", u" "}, {u"</h3>", u" "},
        {u"</em>", u""},
        {u"<em>", u" "}, {u"<br>", u" "}, {u"<br/>", u" "}, {u"<b>", u" "}, {u"</b>", u" "}, {u"<p>", u" "},
        {u"</p>", u" "},
        {u"Ã©", u"é"}, {u"Ã¨", u"è"}, {u"Ã«", u"ë"}, {u"Ãª", u"ê"}, {u"Ã§", u"ç"}, {u"Ã\u00A0", u"à"},
        {u"Ã¤", u"ä"}, {u"Ã®", u"î"}, {u"Ã\u017D", u"Î"}, {u"Ã¹", u"ù"}, {u"Ã´", u"ô"}, {u"Ã¶", u"ö"},
        {u"Ã¢", u"â"}, {u"Ã»", u"û"}, {u"Ã¯", u"ï"}, {u"Ã¼", u"ü"},
        {u"Ã\u2030", u"E"}, {u"Ã\u20AC", u"A"},
        {u"Ã%A0", u"à"},
        {u"\"", u" "},
    };
    QString result = text;
    for (const auto& [from, to] : replacements)
        result = ReplaceAll(result, QString::fromUtf16(from), QString::fromUtf16(to));
    return result;
}

}  // namespace catalogue
