#include "exchange/labels/BarcodeFace.h"

#include "platform/text/PascalText.h"

namespace labels {

bool isEan13FontText(const QString& codeBarres)
{
    constexpr int kEan13FontTextLength = 15;
    if (codeBarres.size() != kEan13FontTextLength)
        return false;
    const QString trimmed = text::Trim(codeBarres);
    const bool code39 = trimmed.size() >= 2 && trimmed.startsWith(u'*') && trimmed.endsWith(u'*');
    return !code39;
}

}  // namespace labels
