#include "platform/text/Windows1252.h"

#include <array>

namespace text {

namespace {

// 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QChar windows1252Char(uchar byte)
{
    return QChar(byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte));
}

int windows1252Byte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == u)
            return 0x80 + i;
    return -1;
}

QString decodeWindows1252(const QByteArray& bytes)
{
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* out = s.data();
    for (const char b : bytes)
        *out++ = windows1252Char(uchar(b));
    return s;
}

QByteArray encodeWindows1252(const QString& s)
{
    QByteArray bytes(s.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : s) {
        const int b = windows1252Byte(c);
        *out++ = char(b < 0 ? '?' : b);
    }
    return bytes;
}

bool isInWindows1252(QChar c) { return windows1252Byte(c) >= 0; }

}  // namespace text
