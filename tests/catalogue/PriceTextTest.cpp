#include "QtPrinters.h"

#include "catalogue/PriceText.h"

#include <gtest/gtest.h>

using catalogue::priceForStorage;

TEST(PriceText, TypedPricesAsTheCurrencyColumnTakesThem)
{
    struct Case { QString typed, stored; };
    const Case cases[] = {
        {"12,50", "12,50"},
        {"12.50", "12,50"},  // a point is the decimal separator, not dropped
        {"12", "12"},
        {"12,50 €", "12,50"},
        {"€ 7.9", "7,9"},
        {"1.234,50", "1234,50"},  // with a comma typed, points are dropped
        {"1.2.3", "1,23"},        // only the first separator counts
        {"1,2,3", "1,23"},
        {",5", ",5"},
        {"5,", "5,"},
        {"12;50", "1250"},
        {"\"12~50\"", "1250"},
        {"", "0,00"},
        {",", "0,00"},
        {".", "0,00"},
        {"gratuit", "0,00"},
        {"  ", "0,00"},
        {"99999999999999999999", "0,00"},  // beyond what the column holds
        {"922337203685477", "922337203685477"},
        {"922337203685478", "0,00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(priceForStorage(c.typed), c.stored) << c.typed.toStdString();
}
