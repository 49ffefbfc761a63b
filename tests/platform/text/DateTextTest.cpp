#include "platform/text/DateText.h"

#include <gtest/gtest.h>

using namespace text;

TEST(DateText, TextForms)
{
    EXPECT_EQ(shortDateText(QDate(2024, 3, 5)), "05/03/2024");
    EXPECT_EQ(dateTimeText(QDateTime(QDate(2024, 3, 5), QTime(0, 0))), "05/03/2024");
    EXPECT_EQ(dateTimeText(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), "05/03/2024 14:07:09");
}

TEST(DateText, Parsing)
{
    struct Case { QString s; QDateTime expected; };
    const Case cases[] = {
        {"05/03/2024", QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {" 5/3/2024 ", QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {"5/3/24", QDateTime(QDate(2024, 3, 5), QTime(0, 0))},
        {"5/3/99", QDateTime(QDate(1999, 3, 5), QTime(0, 0))},
        {"05/03/2024 14:07", QDateTime(QDate(2024, 3, 5), QTime(14, 7))},
        {"05/03/2024 14:07:09", QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))},
        {"31/02/2024", {}}, {"2024-03-05", {}}, {"", {}}, {"05/03/2024 25:00", {}},
    };
    for (const Case& c : cases) {
        const auto parsed = parseDateTimeText(c.s);
        if (c.expected.isValid()) {
            ASSERT_TRUE(parsed) << c.s.toStdString();
            EXPECT_EQ(*parsed, c.expected);
        } else {
            EXPECT_FALSE(parsed) << c.s.toStdString();
        }
    }
}

TEST(DateText, JetSerials)
{
    EXPECT_EQ(fromJetSerial(0).date(), QDate(1899, 12, 30));
    EXPECT_EQ(shortDateText(fromJetSerial(0).date()), "30/12/1899");
    EXPECT_EQ(toJetSerial(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(toJetSerial(QDate(2024, 3, 5)), 45356.0);
    const QDateTime noon(QDate(2024, 3, 5), QTime(12, 0));
    EXPECT_EQ(toJetSerial(noon), 45356.5);
    EXPECT_EQ(fromJetSerial(45356.5), noon);
    // Before the epoch the fraction still counts forward from midnight.
    const QDateTime before(QDate(1899, 12, 29), QTime(6, 0));
    EXPECT_EQ(toJetSerial(before), -1.25);
    EXPECT_EQ(fromJetSerial(-1.25), before);
    const QDateTime t(QDate(2023, 11, 30), QTime(23, 59, 59));
    EXPECT_EQ(fromJetSerial(toJetSerial(t)), t);
}
