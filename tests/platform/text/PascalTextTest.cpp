#include "platform/text/PascalText.h"

#include <gtest/gtest.h>

using namespace text;

TEST(PascalText, PosIsOneBasedAndZeroWhenAbsent)
{
    EXPECT_EQ(Pos("b", "abc"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("a", "aXa", 2), 3);
    EXPECT_EQ(Pos("A", "abc"), 0);  // case-sensitive
}

TEST(PascalText, CopyAndDeleteClipOutOfRange)
{
    struct Case { QString s; int index, count; QString copy, del; };
    const Case cases[] = {
        {"abcdef", 2, 3, "bcd", "aef"},
        {"abcdef", 0, 2, "ab", "abcdef"},   // index below 1 copies from 1, deletes nothing
        {"abcdef", 5, 99, "ef", "abcd"},
        {"abcdef", 7, 1, "", "abcdef"},
        {"abcdef", 1, 0, "", "abcdef"},
        {"abcdef", 1, -3, "", "abcdef"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Copy(c.s, c.index, c.count), c.copy) << c.index << "," << c.count;
        EXPECT_EQ(Delete(c.s, c.index, c.count), c.del) << c.index << "," << c.count;
    }
}

TEST(PascalText, TrimDropsEveryControlCharacterButNotNonBreakingSpace)
{
    EXPECT_EQ(Trim(QString("\t\r\n  a b \x01 ")), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim(QString(QChar(0xA0)) + "a"), QString(QChar(0xA0)) + "a");
    EXPECT_EQ(Trim(""), "");
}

TEST(PascalText, CaseMappingTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(UpperCase("école été z"), "éCOLE éTé Z");
    EXPECT_EQ(LowerCase("ÉCOLE A"), "École a");
    EXPECT_TRUE(SameText("Fichier.INI", "fichier.ini"));
    EXPECT_FALSE(SameText("É", "é"));
}

TEST(PascalText, IntegerParsing)
{
    struct Case { QString s; std::optional<int> v; };
    const Case cases[] = {
        {"42", 42}, {"  -7", -7}, {"+3", 3}, {"0x1F", 31}, {"$ff", 255}, {"0X10", 16},
        {"", std::nullopt}, {"true", std::nullopt}, {"12 ", std::nullopt}, {"1.5", std::nullopt},
        {"-", std::nullopt}, {"0x", std::nullopt}, {"2147483648", std::nullopt}, {"-2147483648", -2147483647 - 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInt(c.s), c.v) << c.s.toStdString();
    EXPECT_EQ(StrToIntDef("abc", 9), 9);
}

TEST(PascalText, StrToIntRefusesWhatParseIntRefusesWithTheLibraryMessage)
{
    EXPECT_EQ(StrToInt("7"), 7);
    EXPECT_EQ(StrToInt(" -12"), -12);
    EXPECT_EQ(StrToInt("$1F"), 31);
    for (const QString s : {"", " ", "X", "1 ", "1.5", "2147483648", "-"}) {
        try {
            StrToInt(s);
            ADD_FAILURE() << "no error for '" << s.toStdString() << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(QString::fromStdString(e.what()), "'" + s + "' is not a valid integer value");
        }
    }
}

