#include "app/CsvValue.h"

#include <gtest/gtest.h>

TEST(CsvValue, EachFileKeepsItsOwnCleaning)
{
    using app::CsvRule;
    struct Case { CsvRule rule; QString value, expected; };
    const Case cases[] = {
        {CsvRule::Lists, "a;b\r\nc\td~e,\"f\"", "a/b  c d~e,\"f\""},
        {CsvRule::MissingCopies, "a;b\r\nc\td~e,\"f\"", "a/b  c d e,\"f\""},
        {CsvRule::Backup, "a;b\r\nc\td~e,\"f\"", "ab_c\td~e,\"f\""},
        {CsvRule::Backup, "a\r\r\nb\n\rc", "a__b__c"},
        {CsvRule::RenumberingCopy, "a;b\r\nc\td~e,\"f\"", "a bc d~e,f"},
        {CsvRule::RepairedField, "a;b\r\nc\td~e,\"f\"", "a b  c d~e  f "},
        {CsvRule::Lists, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::csvValue(c.value, c.rule), c.expected) << c.value.toStdString();
}
