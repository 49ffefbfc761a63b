#include "tests/loans/LoanScreenFixture.h"

#include "loans/Lending.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Keys.h"
#include "pupils/PupilsInstaller.h"

namespace {

const QString kPrince = QStringLiteral("9782070612758");

class DeskTest : public LoanScreenTest {
protected:
    void SetUp() override
    {
        LoanScreenTest::SetUp();
        addCopy(kPrince, QStringLiteral("Le Petit Prince"));
        addCopy(kPrince, QStringLiteral("Le Petit Prince"));
        addBorrower(12, QStringLiteral("DUPONT"), QStringLiteral("Jean"), QStringLiteral("CM1"));
        addBorrower(13, QStringLiteral("MARTIN"), QStringLiteral("Marie-Charlotte"), QStringLiteral("CE2"));
        openLoanScreen();
        input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox7")), 1);
    }
    // A borrower card, then a book label, as the scanner sends them: the search runs by itself.
    void scanCardAndBook(const QString& card, const QString& book)
    {
        input.scan(card);
        input.scan(book);
    }
    QString journalText() { return text::decodeWindows1252(journal()); }
};

TEST_F(DeskTest, CardAndLabelLeadToEmprunterAndEnterLends)
{
    input.scan(QStringLiteral("E12"));
    EXPECT_EQ(edit("Edit41").text(), QStringLiteral("12"));
    EXPECT_TRUE(edit("Edit39").text().isEmpty());
    EXPECT_TRUE(focused("Edit39"));
    input.scan(kPrince);
    EXPECT_EQ(edit("Edit43").text(), QStringLiteral("DUPONT"));
    EXPECT_EQ(edit("Edit40").text(), QStringLiteral("Le Petit Prince"));
    EXPECT_EQ(edit("Edit46").text(), QStringLiteral("22/12/2025"));
    EXPECT_TRUE(control("Button40").visible());
    EXPECT_FALSE(control("Button41").visible());
    ASSERT_TRUE(focused("Button40"));
    const QByteArray before = journal();
    const size_t shown = dialogs.log().size();

    // The same label scanned again: its digits are swallowed by the button, its Enter lends.
    input.scan(kPrince);

    EXPECT_EQ(copies(), (QStringList{"1|DUPONT|Jean|CM1|12|08/12/2025|22/12/2025|famille@example.org|00001",
                                     "2||||0||||"}));
    EXPECT_EQ(borrowers(), (QStringList{"12|1|1|08/12/2025", "13|||"}));
    EXPECT_EQ(journal(), before + text::encodeWindows1252(QStringLiteral(
                                      "Sortie;08/12/2025;9782070612758;Le Petit Prince [];Saint-Exupéry;DUPONT;Jean;CM1;12;"
                                      "Roman\r\n")));
    EXPECT_FALSE(control("Button40").visible());
    EXPECT_TRUE(control("Button41").visible());
    EXPECT_TRUE(focused("Edit39"));
    EXPECT_EQ(edit("Edit111").text(), QStringLiteral("1"));
    EXPECT_EQ(dialogs.log().size(), shown) << dialogTexts().join(u'\n').toStdString();
}

// The desk with the lists screen built after it, as the program builds them.
class DeskWithListsTest : public DeskTest {
protected:
    std::vector<app::ScreenInstaller> screens() const override
    {
        auto screens = DeskTest::screens();
        screens.push_back([](app::TFrmPrin& frm) { pupils::installPupilScreens(frm); });
        return screens;
    }
};

TEST_F(DeskWithListsTest, ALoanLeavesTheBorrowersClassChosenOnTheListsScreen)
{
    scanCardAndBook(QStringLiteral("E12"), kPrince);
    input.key(ui::vk::Return);
    ASSERT_EQ(edit("Edit111").text(), QStringLiteral("1"));
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("ComboBox10")).text(), QStringLiteral("CM1"));
}

TEST_F(DeskTest, CopiesAreLentInOrderUntilAllAreOut)
{
    scanCardAndBook(QStringLiteral("E12"), kPrince);
    input.key(ui::vk::Return);
    scanCardAndBook(QStringLiteral("e13"), kPrince);
    input.key(ui::vk::Return);
    // A first name is cut to 12 characters.
    EXPECT_EQ(copies()[1], QStringLiteral("2|MARTIN|Marie-Charlo|CE2|13|08/12/2025|22/12/2025|famille@example.org|00001"));
    const QStringList written = copies();
    const QByteArray logged = journal();

    scanCardAndBook(QStringLiteral("E12"), kPrince);
    dialogs.answer(QStringLiteral("OK"));
    input.key(ui::vk::Return);

    EXPECT_EQ(copies(), written);
    EXPECT_EQ(journal(), logged);
    ASSERT_FALSE(dialogTexts().isEmpty());
    EXPECT_EQ(dialogTexts().last(), message(130) + "\r\n" + message(131) + "\r\n" + message(132) +
                                        "\r\nJean DUPONT CM1 N°: 12\r\nMarie-Charlo MARTIN CE2 N°: 13\r\n");
}

TEST_F(DeskTest, LoanByCopyLabelMarksTheFirstNameWithTheNumber)
{
    input.scan(QStringLiteral("E12"));
    input.scan(QStringLiteral("I2"));
    input.scan(QString());  // Enter in the borrower field
    ASSERT_TRUE(focused("Button40"));
    input.key(ui::vk::Return);
    EXPECT_EQ(copies()[1], QStringLiteral("2|DUPONT|Jean *2*|CM1|12|08/12/2025|22/12/2025|famille@example.org|00001"));
    // The journal keeps the blank after the mark.
    EXPECT_TRUE(journalText().endsWith(QStringLiteral(";Le Petit Prince [];Saint-Exupéry;DUPONT;Jean *2* ;CM1;12;Roman\r\n")))
        << journalText().toStdString();

    // The copy now out: the search still finds it, the loan is refused with its holder.
    input.scan(QStringLiteral("E13"));
    input.scan(QStringLiteral("I2"));
    input.scan(QString());
    dialogs.answer(QStringLiteral("OK"));
    input.key(ui::vk::Return);
    EXPECT_EQ(dialogTexts().last(), message(128) + QStringLiteral("12 DUPONT Jean *2*"));
    EXPECT_EQ(borrowers(), (QStringList{"12|1|1|08/12/2025", "13|||"}));
}

TEST_F(DeskTest, ScansThatFindNothingChangeNothing)
{
    const QStringList stored = copies();
    const QStringList people = borrowers();
    const QByteArray logged = journal();
    // A code not in the catalogue: the question, answered Cancel.
    dialogs.answer(QStringLiteral("Cancel"));
    scanCardAndBook(QStringLiteral("E12"), QStringLiteral("9780000000002"));
    EXPECT_EQ(dialogTexts().last(), frm().tables.dialog(21));
    EXPECT_FALSE(control("Button40").visible());
    EXPECT_TRUE(edit("Edit39").text().isEmpty());
    // A burst of garbage into the code field: its thirteenth character sends the rest to the
    // borrower field, which refuses it; then a search of what stayed in the code field.
    input.click(QStringLiteral("Edit39"));
    dialogs.answer(QStringLiteral("OK"));
    input.scan(QStringLiteral("x'; DELETE FROM Table1 --"));
    EXPECT_EQ(dialogTexts().last(), QStringLiteral("Vous venez de doucher 2 livres de suite OM Table1 --"));
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("Button41"));
    EXPECT_EQ(dialogTexts().last(), frm().tables.dialog(21));
    // A copy label that is no number, and a borrower that does not exist.
    input.click(QStringLiteral("Edit39"));
    input.scan(QStringLiteral("Iab'c"));
    EXPECT_TRUE(edit("Edit133").text().isEmpty());
    input.click(QStringLiteral("Edit39"));
    dialogs.answer(QStringLiteral("OK"));
    scanCardAndBook(QStringLiteral("E99"), kPrince);
    EXPECT_EQ(dialogTexts().last(), message(138));
    EXPECT_FALSE(control("Button40").visible());
    input.key(ui::vk::Return);

    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
    EXPECT_EQ(copies(), stored);
    EXPECT_EQ(borrowers(), people);
    EXPECT_EQ(journal(), logged);
}

TEST_F(DeskTest, BookLabelInTheBorrowerFieldIsRefused)
{
    input.click(QStringLiteral("Edit41"));
    dialogs.answer(QStringLiteral("OK"));
    input.scan(QStringLiteral("E00042"));
    EXPECT_EQ(dialogTexts().last(), QStringLiteral("Vous venez de doucher 2 livres de suite 00042"));
    EXPECT_TRUE(edit("Edit41").text().isEmpty());
}

TEST_F(DeskTest, PupilFoundByTheFirstLettersOfTheSurname)
{
    input.click(QStringLiteral("Edit41"));
    input.type(QStringLiteral("MAR"));
    input.click(QStringLiteral("Edit39"));
    input.scan(kPrince);
    EXPECT_EQ(edit("Edit43").text(), QStringLiteral("MARTIN"));
    ASSERT_TRUE(focused("Button40"));
    input.key(ui::vk::Return);
    EXPECT_EQ(borrowers()[1], QStringLiteral("13|1|1|08/12/2025"));
}

TEST_F(DeskTest, NamesWithQuotesDashesAndSemicolonsAreFoundAndLentAsTheyAre)
{
    addBorrower(14, QStringLiteral("D'ARC -- ;"), QStringLiteral("Jo');--"), QStringLiteral("CM1;"));
    input.click(QStringLiteral("Button42"));
    input.type(QStringLiteral("d'arc -- ;"));
    input.click(QStringLiteral("Button43"));
    EXPECT_EQ(edit("Edit41").text(), QStringLiteral("14"));
    input.click(QStringLiteral("Edit39"));
    input.scan(kPrince);
    ASSERT_TRUE(focused("Button40"));
    input.key(ui::vk::Return);
    EXPECT_EQ(copies(), (QStringList{"1|D'ARC -- ;|Jo');--|CM1;|14|08/12/2025|22/12/2025|famille@example.org|00001",
                                     "2||||0||||"}));
    EXPECT_EQ(borrowers(), (QStringList{"12|||", "13|||", "14|1|1|08/12/2025"}));
}

TEST_F(DeskTest, ForgottenNumberFillsTheBorrowerButASearchMustFollow)
{
    input.click(QStringLiteral("Button42"));
    EXPECT_TRUE(focused("Edit43"));
    input.type(QStringLiteral("mart"));
    input.click(QStringLiteral("Button43"));
    EXPECT_EQ(edit("Edit41").text(), QStringLiteral("13"));
    EXPECT_EQ(edit("Edit43").text(), QStringLiteral("MARTIN"));
    EXPECT_EQ(edit("Edit44").text(), QStringLiteral("CE2"));
    EXPECT_FALSE(control("Button40").visible());
    input.click(QStringLiteral("Edit39"));
    input.scan(kPrince);
    ASSERT_TRUE(focused("Button40"));
    input.key(ui::vk::Return);
    EXPECT_EQ(borrowers()[1], QStringLiteral("13|1|1|08/12/2025"));
}

TEST_F(DeskTest, BorrowerDeletedAfterTheSearchGetsNoLoan)
{
    scanCardAndBook(QStringLiteral("E12"), kPrince);
    run(QStringLiteral("DELETE FROM Emprunteurs WHERE NumEmprunteur = 12"));
    const QByteArray logged = journal();
    dialogs.answer(QStringLiteral("OK"));
    input.key(ui::vk::Return);
    EXPECT_EQ(copies()[0], QStringLiteral("1||||0||||"));
    EXPECT_EQ(journal(), logged);
    EXPECT_EQ(dialogTexts().last(), message(138));
}

TEST_F(DeskTest, JournalThatCannotBeWrittenKeepsTheLoanAndSaysSo)
{
    QFile::remove(program.folder(QStringLiteral("Journal.csv")));
    scanCardAndBook(QStringLiteral("E12"), kPrince);
    dialogs.answer(QStringLiteral("OK"));
    input.key(ui::vk::Return);
    EXPECT_EQ(borrowers()[0], QStringLiteral("12|1|1|08/12/2025"));
    EXPECT_EQ(copies()[0].section(u'|', 1, 1), QStringLiteral("DUPONT"));
    EXPECT_TRUE(dialogTexts().last().endsWith(QStringLiteral("Journal.csv"))) << dialogTexts().last().toStdString();
}

TEST(LoanCountTest, FiveDigitsOfOneMore)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "00001"}, {"00003", "00004"}, {"99999", "00000"}, {"  7 ", "00008"}};
    for (const auto& [previous, next] : cases)
        EXPECT_EQ(loans::nextLoanCount(QString::fromLatin1(previous)), QString::fromLatin1(next)) << previous;
}

}  // namespace
