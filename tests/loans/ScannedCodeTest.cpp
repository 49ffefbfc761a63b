#include "loans/ScannedCode.h"

#include "platform/text/PascalText.h"
#include "tests/platform/db/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* in;
    const char* out;
};

TEST(ScannedCodeTest, IssueNumbersTakeTheStoredForm)
{
    const TextCase cases[] = {
        {"12", "*00012*"},     {"012345", "*01234*"}, {"*00012*", "*00012*"}, {"123456", "*123456*"},
        {"&é", "*00012*"},     {"0", ""},             {"01", ""},             {"", ""},
        {"007", "*00000*"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loans::NormaliseIssueNumber(QString::fromUtf8(c.in), true), QString::fromUtf8(c.out)) << c.in;
    // Without the fix, AZERTY characters are kept as they came.
    EXPECT_EQ(loans::NormaliseIssueNumber(QString::fromUtf8("&é"), false), QString::fromUtf8("*000&é*"));
}

TEST(ScannedCodeTest, PrefixesAreReadInBothCases)
{
    for (const char* card : {"E12", "e007"})
        EXPECT_TRUE(loans::isBorrowerCard(QString::fromLatin1(card))) << card;
    for (const char* label : {"I57", "i57"})
        EXPECT_TRUE(loans::isCopyLabel(QString::fromLatin1(label))) << label;
    for (const char* other : {"9782070612758", "", "B012345678"}) {
        EXPECT_FALSE(loans::isBorrowerCard(QString::fromLatin1(other))) << other;
        EXPECT_FALSE(loans::isCopyLabel(QString::fromLatin1(other))) << other;
    }
    EXPECT_EQ(loans::withoutPrefix(QStringLiteral("I57")), QStringLiteral("57"));
}

TEST(ScannedCodeTest, BorrowerNumbersHaveAtMostFourCharacters)
{
    struct Case {
        const char* field;
        bool refused;
        int number;
    };
    const Case cases[] = {{"E042", false, 42}, {"e7", false, 7}, {"12", false, 12}, {"0007", false, 7},
                          {"E00042", true, 0}, {"97820", true, 0}};
    for (const auto& c : cases) {
        const QString text = loans::withoutCardPrefix(QString::fromLatin1(c.field));
        EXPECT_EQ(loans::isTooLongForBorrower(text), c.refused) << c.field;
        if (!c.refused) {
            EXPECT_EQ(loans::borrowerNumber(text), c.number) << c.field;
        }
    }
    EXPECT_THROW(loans::borrowerNumber(QStringLiteral("AB")), text::ConversionError);
    EXPECT_THROW(loans::borrowerNumber(QString()), text::ConversionError);
}

TEST(ScannedCodeTest, ShortAndForeignCodeForms)
{
    EXPECT_TRUE(loans::isAsin(QStringLiteral("B012345678")));
    EXPECT_FALSE(loans::isIsbn10Form(QStringLiteral("B012345678")));
    EXPECT_TRUE(loans::isIsbn10Form(QStringLiteral("207061275X")));
    EXPECT_FALSE(loans::isAsin(QStringLiteral("207061275X")));
    EXPECT_FALSE(loans::isIsbn10Form(QStringLiteral("20706127")));

    const TextCase sixes[] = {{"012345", "12345"}, {"112345", "112345"}, {"01234", "01234"}, {"0123456", "0123456"}};
    for (const auto& c : sixes)
        EXPECT_EQ(loans::withoutLeadingZeroOfSix(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
    const TextCase upcs[] = {{"036000291452", "0036000291452"}, {"9782070612758", "9782070612758"}};
    for (const auto& c : upcs)
        EXPECT_EQ(loans::upcToEan13(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
    const TextCase pads[] = {{"12", "00012"}, {"1234", "01234"}, {"12345", "12345"}, {"", "00000"}};
    for (const auto& c : pads)
        EXPECT_EQ(loans::padInternalCode(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
}

TEST(ScannedCodeTest, CopyLabelsGoToTheCopyNumberField)
{
    struct Case {
        const char *code, *copyNumber, *codeAfter, *copyNumberAfter;
    };
    const Case cases[] = {
        {"I57", "", "", "57"},         {"9782070612758", "i12", "", "12"}, {"I57", "I12", "", "12"},
        {"9782070612758", "", "9782070612758", ""}, {"", "57", "", "57"},
    };
    for (const auto& c : cases) {
        QString code = QString::fromLatin1(c.code);
        QString copyNumber = QString::fromLatin1(c.copyNumber);
        loans::moveCopyLabel(code, copyNumber);
        EXPECT_EQ(code, QString::fromLatin1(c.codeAfter)) << c.code << " " << c.copyNumber;
        EXPECT_EQ(copyNumber, QString::fromLatin1(c.copyNumberAfter)) << c.code << " " << c.copyNumber;
    }
}

class CopyLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base.run({"Insert into table1 (numlivre, Titre, Isbn13) Values (57, 'Copie 57', '9782070612758')",
                  "Insert into table1 (numlivre, Titre, Isbn13) Values (60, 'Titre 58', '58')",
                  "Insert into table1 (numlivre, Titre, Isbn13) Values (70, 'Relabel', 'I59')",
                  "Insert into table1 (numlivre, Titre, Isbn13) Values (71, 'Relabel', 'I59')",
                  "Insert into table1 (numlivre, Titre, Isbn13) Values (80, 'Quote', 'Iab''c')"});
    }
    dbtest::TestDatabase base;
};

TEST_F(CopyLabelTest, ResolvesByNumberThenCodeThenRelabelledCode)
{
    struct Case {
        const char* rest;
        const char* copyNumber;
        bool reLabelled;
    };
    const Case cases[] = {
        {"57", "57", false},  // a copy's number
        {"58", "58", false},  // a title's code
        {"59", "70", true},   // the first copy labelled I59
        {"61", "", true},     // nothing
        {" 57 ", " 57 ", false},
        // Not a number: never a copy's number, and quoted in the code look-ups.
        {"ab'c", "80", true},
        {"1 OR 1=1", "", true},
    };
    for (const auto& c : cases) {
        const auto found = loans::ResolveCopyLabel(base.connection(), QString::fromLatin1(c.rest));
        EXPECT_EQ(found.copyNumber, QString::fromLatin1(c.copyNumber)) << c.rest;
        EXPECT_EQ(found.reLabelled, c.reLabelled) << c.rest;
    }
}

}  // namespace
