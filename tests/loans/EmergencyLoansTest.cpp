#include "tests/loans/LoanScreenFixture.h"

#include "loans/EmergencyLoans.h"
#include "platform/ui/Keys.h"

namespace {

TEST(EmergencyLoanEntriesTest, EntriesFollowTheFirstSeparatorLine)
{
    struct Case {
        QStringList lines;
        std::optional<QStringList> entries;
    };
    const Case cases[] = {
        {{"Emprunts", "*****", "9782070612758", "E12", "", "13"}, QStringList{"9782070612758", "E12", "", "13"}},
        {{"a ****", "b ****", "x"}, QStringList{"b ****", "x"}},
        {{"entete", "****"}, QStringList{QString()}},
        {{"9782070612758", "E12"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loans::emergencyLoanEntries(c.lines), c.entries) << c.lines.join(u'/').toStdString();
}

class EmergencyLoansTest : public LoanScreenTest {
protected:
    void SetUp() override
    {
        LoanScreenTest::SetUp();
        addCopy(QStringLiteral("9782070612758"), QStringLiteral("Le Petit Prince"));
        addCopy(QStringLiteral("9782070584628"), QStringLiteral("Harry Potter"));
        addBorrower(12, QStringLiteral("DUPONT"), QStringLiteral("Jean"), QStringLiteral("CM1"));
        addBorrower(7, QStringLiteral("MARTIN"), QStringLiteral("Marie"), QStringLiteral("CE2"));
    }
    // The message, the file dialog, then whatever the import shows.
    void import(const QByteArray& content, const QStringList& laterAnswers = {})
    {
        program.write(QStringLiteral("Emprunts_Urgence.csv"), content);
        dialogs.answer(QStringLiteral("OK"));
        dialogs.answer(frm().AppDir + QStringLiteral("Emprunts_Urgence.csv"));
        for (const QString& answer : laterAnswers)
            dialogs.answer(answer);
        input.menu(QStringLiteral("Outils > Import Emprunts_Urgence.csv"));
    }
};

TEST_F(EmergencyLoansTest, EachPairIsSearchedAndLentThenTheButtonGoes)
{
    import("Emprunts du 8 decembre\r\n*****\r\n9782070612758\r\nE12\r\n\r\n9782070584628\r\nE007\r\n");
    EXPECT_EQ(edit("Edit43").text(), QStringLiteral("DUPONT"));
    ASSERT_TRUE(focused("Button40"));
    input.key(ui::vk::Return);
    EXPECT_TRUE(control("SpeedButton54").visible());

    // The blank line between the pairs is passed over.
    input.click(QStringLiteral("SpeedButton54"));
    EXPECT_EQ(edit("Edit43").text(), QStringLiteral("MARTIN"));
    ASSERT_TRUE(focused("Button40"));
    input.key(ui::vk::Return);

    input.click(QStringLiteral("SpeedButton54"));
    EXPECT_FALSE(control("SpeedButton54").visible());
    EXPECT_EQ(rows(QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"), {"EmpNom"}),
              (QStringList{"DUPONT", "MARTIN"}));
}

TEST_F(EmergencyLoansTest, AnOddFileIsNeverPairedWithAnEarlierImport)
{
    import("*****\r\n9782070612758\r\nE12\r\n9782070584628\r\nE7\r\n");
    import("*****\r\n9782070584628\r\n", {QStringLiteral("OK")});
    // The book alone: no borrower, so no "Emprunter".
    EXPECT_EQ(dialogTexts().last(), message(139));
    EXPECT_EQ(edit("Edit40").text(), QStringLiteral("Harry Potter"));
    EXPECT_TRUE(edit("Edit41").text().isEmpty());
    EXPECT_FALSE(control("Button40").visible());
    input.click(QStringLiteral("SpeedButton54"));
    EXPECT_FALSE(control("SpeedButton54").visible());
}

TEST_F(EmergencyLoansTest, FileWithoutSeparatorImportsNothing)
{
    import("9782070612758\r\nE12\r\n", {QStringLiteral("OK")});
    EXPECT_TRUE(dialogTexts().last().startsWith(QStringLiteral("Aucune ligne ****")));
    EXPECT_FALSE(control("SpeedButton54").visible());
    EXPECT_TRUE(edit("Edit39").text().isEmpty());
}

}  // namespace
