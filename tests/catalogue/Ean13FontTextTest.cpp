#include "QtPrinters.h"

#include "catalogue/Ean13FontText.h"
#include "platform/text/PascalText.h"

#include <gtest/gtest.h>

using catalogue::Ean13ToFontText;

TEST(Ean13FontText, WorkedValues)
{
    struct Case { const char* code; const char* text; };
    const Case cases[] = {
        {"9780000000002", "9HSKAKA*aaaaac+"},
        {"0000000000000", "0AAAAAA*aaaaaa+"},
        {"9782070612758", "9HSMARA*gbchfi+"},
        {"3000000000000", "3AAKKKA*aaaaah+"},  // first digit 3: A A B B B A
        {"4000000000000", "4AKAAKK*aaaaag+"},  // first digit 4: A B A A B B
        {"3781234567893", "3HILMNE*fghijd+"},  // a periodical's press code
        {"9791032705452", "9HTLANC*hafefc+"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ean13ToFontText(c.code), c.text) << c.code;
}

TEST(Ean13FontText, TheCheckDigitIsRecomputedFromTheFirstTwelve)
{
    EXPECT_EQ(Ean13ToFontText("9780000000009"), "9HSKAKA*aaaaac+");
    EXPECT_EQ(Ean13ToFontText("978000000000"), "9HSKAKA*aaaaac+");
    EXPECT_EQ(Ean13ToFontText("9780000000002 et la suite"), "9HSKAKA*aaaaac+");
}

TEST(Ean13FontText, BlanksNonDigitsAndShortCodesThrowTheConversionError)
{
    const char* bad[] = {" 978000000000", "9780 00000000", "97800000000X2", "97800000000", "", "B00ABCDEFGH12"};
    for (const char* code : bad)
        EXPECT_THROW(Ean13ToFontText(code), text::ConversionError) << code;
}
