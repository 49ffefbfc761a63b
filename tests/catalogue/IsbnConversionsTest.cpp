#include "QtPrinters.h"

#include "catalogue/IsbnConversions.h"
#include "platform/text/PascalText.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(IsbnConversions, KnownCodesBothWays)
{
    struct Case { const char* isbn13; const char* isbn10; };
    const Case cases[] = {
        {"9782070612758", "2070612759"},
        {"9780804429573", "080442957X"},  // remainder 1: the check character X
        {"9782000000013", "2000000010"},  // remainder 0: "0", never "11"
        {"9782070000050", "2070000052"},  // EAN-13 check digit 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Isbn13To10(c.isbn13), c.isbn10) << c.isbn13;
        EXPECT_EQ(Isbn10To13(c.isbn10), c.isbn13) << c.isbn10;
    }
}

TEST(IsbnConversions, CheckCharactersFollowThePublishedRulesForAnyDigits)
{
    quint32 seed = 12345;
    for (int n = 0; n < 500; ++n) {
        QString digits;
        for (int i = 0; i < 13; ++i) {
            seed = seed * 1103515245u + 12345u;
            digits += QChar(u'0' + (seed >> 16) % 10);
        }
        const QString isbn10 = Isbn13To10(digits);
        ASSERT_EQ(isbn10.size(), 10);
        EXPECT_EQ(isbn10.left(9), digits.mid(3, 9));
        int sum10 = 0;
        for (int i = 0; i < 10; ++i)
            sum10 += (10 - i) * (isbn10[i] == u'X' ? 10 : isbn10[i].digitValue());
        EXPECT_EQ(sum10 % 11, 0) << digits.toStdString();

        const QString isbn13 = Isbn10To13(digits.left(10));
        ASSERT_EQ(isbn13.size(), 13);
        EXPECT_EQ(isbn13.left(12), "978" + digits.left(9));
        int sum13 = 0;
        for (int i = 0; i < 13; ++i)
            sum13 += isbn13[i].digitValue() * (i % 2 == 0 ? 1 : 3);
        EXPECT_EQ(sum13 % 10, 0) << digits.toStdString();
    }
}

TEST(IsbnConversions, NeitherPrefixNorCheckCharacterIsRead)
{
    // A 979 code has no ISBN-10, yet converts the same way; so does a periodical's press code.
    EXPECT_EQ(Isbn13To10("9791032705452"), "1032705450");
    EXPECT_EQ(Isbn13To10("3781234567893"), "123456789X");
    EXPECT_EQ(Isbn13To10("ABC207061275?"), "2070612759");
    // The tenth character, X or wrong or missing, is never read.
    EXPECT_EQ(Isbn10To13("080442957X"), "9780804429573");
    EXPECT_EQ(Isbn10To13("0804429571"), "9780804429573");
    EXPECT_EQ(Isbn10To13("080442957"), "9780804429573");
}

TEST(IsbnConversions, ANonDigitOrAShortCodeThrowsTheConversionError)
{
    const char* bad13[] = {"978-2-07-061275-8", "97820706127", "9782070X12758", "978 2070612758", ""};
    for (const char* code : bad13)
        EXPECT_THROW(Isbn13To10(code), text::ConversionError) << code;
    // 12 characters are enough: the 13th is never read.
    EXPECT_EQ(Isbn13To10("978207061275"), "2070612759");
    const char* bad10[] = {"2-07-061275-9", "20706127", "X070612759", " 207061275", ""};
    for (const char* code : bad10)
        EXPECT_THROW(Isbn10To13(code), text::ConversionError) << code;
}
