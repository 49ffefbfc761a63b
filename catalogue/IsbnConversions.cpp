#include "catalogue/IsbnConversions.h"

#include "platform/text/PascalText.h"

namespace catalogue {

int codeDigit(const QString& code, int position) { return text::StrToInt(text::Copy(code, position, 1)); }

int ean13CheckDigit(const QString& code)
{
    int sum = 0;
    for (int position = 1; position <= 12; ++position)
        sum += codeDigit(code, position) * (position % 2 == 1 ? 1 : 3);
    return (10 - sum % 10) % 10;
}

QString Isbn13To10(const QString& code)
{
    int sum = 0;
    for (int position = 4; position <= 12; ++position)
        sum += (14 - position) * codeDigit(code, position);
    const int remainder = sum % 11;
    const QString check = remainder == 0   ? QStringLiteral("0")
                          : remainder == 1 ? QStringLiteral("X")
                                           : QString::number(11 - remainder);
    return text::Copy(code, 4, 9) + check;
}

QString Isbn10To13(const QString& code)
{
    const QString twelve = QStringLiteral("978") + text::Copy(code, 1, 9);
    return twelve + QString::number(ean13CheckDigit(twelve));
}

}  // namespace catalogue
