#include "catalogue/Ean13FontText.h"

#include "catalogue/IsbnConversions.h"

namespace catalogue {

namespace {

// The EAN-13 parity of the left half's six digits, chosen by the first digit.
constexpr const char* kLeftHalfSets[10] = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB", "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",
};

QChar inSet(char set, int digit)
{
    const char16_t first = set == 'A' ? u'A' : set == 'B' ? u'K' : u'a';
    return QChar(char16_t(first + digit));
}

}  // namespace

QString Ean13ToFontText(const QString& code)
{
    const int firstDigit = codeDigit(code, 1);
    QString result = code.left(1);
    for (int position = 2; position <= 7; ++position)
        result += inSet(kLeftHalfSets[firstDigit][position - 2], codeDigit(code, position));
    result += u'*';
    for (int position = 8; position <= 12; ++position)
        result += inSet('C', codeDigit(code, position));
    result += inSet('C', ean13CheckDigit(code));
    result += u'+';
    return result;
}

}  // namespace catalogue
