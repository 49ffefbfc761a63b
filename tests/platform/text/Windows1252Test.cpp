#include "platform/text/Windows1252.h"

#include <gtest/gtest.h>

using namespace text;

TEST(Windows1252, AllBytesRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString decoded = decodeWindows1252(all);
    ASSERT_EQ(decoded.size(), 256);
    EXPECT_EQ(encodeWindows1252(decoded), all);
}

TEST(Windows1252, KnownMappings)
{
    struct Case { unsigned char byte; char16_t ch; };
    const Case cases[] = {
        {0x80, 0x20AC}, {0x8C, 0x0152}, {0x9C, 0x0153}, {0x92, 0x2019}, {0x9F, 0x0178},
        {0x81, 0x0081}, {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D},
        {0xE9, 0x00E9}, {0xB0, 0x00B0}, {0x41, 0x0041},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeWindows1252(QByteArray(1, char(c.byte)))[0].unicode(), c.ch) << int(c.byte);
        EXPECT_EQ(encodeWindows1252(QString(QChar(c.ch))), QByteArray(1, char(c.byte)));
        EXPECT_EQ(windows1252Char(c.byte).unicode(), c.ch) << int(c.byte);
        EXPECT_EQ(windows1252Byte(QChar(c.ch)), int(c.byte)) << int(c.byte);
    }
}

TEST(Windows1252, CharactersOutsideBecomeQuestionMarks)
{
    EXPECT_EQ(encodeWindows1252(QString::fromUtf8("a\u4E2Dé\u2603")), QByteArray("a?\xE9?"));
    EXPECT_FALSE(isInWindows1252(QChar(0x0100)));
    EXPECT_EQ(windows1252Byte(QChar(0x0100)), -1);
}
