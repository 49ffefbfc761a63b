// Copies scanned during the stock-take: one copy of the title marked per scan, the copy on the
// shelf before one out on loan, copy labels taken only as numbers, periodical issues by their
// issue number, and each copy found counted and written to the journal.
#include "StockTakeFixture.h"

#include "platform/ui/ComboBox.h"

#include <QRegularExpression>

namespace {

const QString kPrince = QStringLiteral("9782070612758");
const QString kJournalCode = QStringLiteral("3791234567892");

class StockTakeScanTest : public StockTakeTest {
protected:
    QStringList inventoryLines()
    {
        return fileText(QStringLiteral("Journal.csv")).split(QStringLiteral("\r\n")).filter(QRegularExpression("^Inventaire;"));
    }
};

}  // namespace

TEST_F(StockTakeScanTest, EachScanMarksOneCopyTheOnesOnTheShelfBeforeTheOneOutOnLoan)
{
    addCopy(kPrince, QStringLiteral("Le Petit Prince"), 1, {}, QStringLiteral("DUPONT"));
    addCopy(kPrince, QStringLiteral("Le Petit Prince"), 2);
    addCopy(kPrince, QStringLiteral("Le Petit Prince"), 3);
    addCopy(QStringLiteral("9782070000001"), QStringLiteral("Autre"), 1);
    openStockTake();
    startStockTake();
    EXPECT_EQ(edit("Edit147").text(), "0");
    EXPECT_EQ(edit("Edit148").text(), "4");
    fill("ComboBox11", QStringLiteral("Etagère A"));
    fill("Edit25", QStringLiteral("BCD"));

    const QStringList expected[] = {
        {"", "08/12/2025", "", ""},
        {"", "08/12/2025", "08/12/2025", ""},
        {"08/12/2025", "08/12/2025", "08/12/2025", ""},
    };
    for (const QStringList& marked : expected) {
        input.click(QStringLiteral("Edit1"));
        input.scan(kPrince);
        EXPECT_EQ(marks(), marked);
    }
    EXPECT_EQ(edit("Edit4").text(), "Le Petit Prince");
    EXPECT_EQ(control("Label183").caption(), "3");
    EXPECT_EQ(edit("Edit147").text(), "3");
    EXPECT_EQ(edit("Edit148").text(), "1");
    // What the screen holds completes the copies whose rows said nothing.
    EXPECT_EQ(booksColumn("LieuRangement"), (QStringList{"Etagère A", "Etagère A", "Etagère A", ""}));
    EXPECT_EQ(booksColumn("Proprio"), (QStringList{"BCD", "BCD", "BCD", ""}));
    const QStringList lines = inventoryLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("Inventaire;08/12/2025;9782070612758;Le Petit Prince;")) << lines[0].toStdString();

    // Every copy marked: nothing more is counted.
    answer({"OK"});
    input.scan(kPrince);
    EXPECT_EQ(lastDialogText(), frm().tables.message(21));
    EXPECT_EQ(edit("Edit147").text(), "3");
    EXPECT_EQ(inventoryLines().size(), 3);
}

TEST_F(StockTakeScanTest, ACopyStillDueBackIsReportedWithItsBorrower)
{
    addCopy(kPrince, QStringLiteral("Le Petit Prince"), 1, {}, QStringLiteral("DUPONT"));
    frm().db.ADOConnection1.execute(QStringLiteral("UPDATE table1 SET DateRetour = '22/12/2025'"));
    openStockTake();
    input.scan(kPrince);
    EXPECT_EQ(marks(), QStringList{"08/12/2025"});
    answer({"OK"});
    input.scan(kPrince);
    EXPECT_EQ(lastDialogText(), "Ce livre est encore en pret :\rDUPONT\rLéa\rCM1");
}

TEST_F(StockTakeScanTest, CodesAreTakenAsTheScannerSendsThemAndCopyNumbersOnlyAsDigits)
{
    addCopy(kPrince, QStringLiteral("Le Petit Prince"), 1);
    addCopy(QStringLiteral("12345"), QStringLiteral("Cahier de la classe"), 1);
    addCopy(QStringLiteral("9782070000002"), QStringLiteral("Contes"), 1);
    addCopy(QStringLiteral("9782070000002"), QStringLiteral("Contes"), 2);
    openStockTake();
    const QString notHere = QStringLiteral("Ce livre n'est pas dans la base !");
    struct Case {
        const char* scanned;
        QStringList marked;
        QString message;  // empty: none
    };
    const QString d = QStringLiteral("08/12/2025");
    const Case cases[] = {
        {"I&", {d, "", "", ""}, {}},       // a copy label with an unshifted French-keyboard digit
        {"012345", {d, d, "", ""}, {}},    // an internal code read with a zero in front
        {"i4", {d, d, "", d}, {}},
        {"I3 OR 1=1", {d, d, "", d}, notHere},
        {"I12a", {d, d, "", d}, notHere},
        {"I99", {d, d, "", d}, notHere},
        {"9782070612710", {d, d, "", d}, notHere},
        {"", {d, d, "", d}, {}},          // Enter on an empty field
    };
    for (const Case& c : cases) {
        const size_t shown = dialogs.log().size();
        if (!c.message.isEmpty())
            answer({"OK"});
        input.click(QStringLiteral("Edit1"));
        input.scan(QString::fromUtf8(c.scanned));
        EXPECT_EQ(marks(), c.marked) << c.scanned;
        ASSERT_EQ(dialogs.log().size(), shown + (c.message.isEmpty() ? 0 : 1)) << c.scanned;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(lastDialogText(), c.message) << c.scanned;
        }
        EXPECT_TRUE(dialogs.errors().isEmpty()) << c.scanned;
    }
    EXPECT_EQ(edit("Edit1").text(), "");
}

TEST_F(StockTakeScanTest, ACopyWhoseCoverCannotBeReadIsMarkedAllTheSame)
{
    addCopy(kPrince, QStringLiteral("Le Petit Prince"), 1, {}, {}, QStringLiteral("abime.jpg"));
    program.write(QStringLiteral("livres/Jaquettes/abime.jpg"), QByteArray("no picture here"));
    openStockTake();
    input.scan(kPrince);
    EXPECT_EQ(marks(), QStringList{"08/12/2025"});
    EXPECT_FALSE(image("Image99").picture() == nullptr);
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

TEST_F(StockTakeScanTest, APeriodicalIssueIsMarkedByTheNumberItWasSavedUnder)
{
    addCopy(kJournalCode, QStringLiteral("Le Journal des enfants"), 1, {}, QStringLiteral("DUPONT"));
    addCopy(kJournalCode, QStringLiteral("Le Journal des enfants"), 2);
    addCopy(kJournalCode, QStringLiteral("Le Journal des enfants"), 1);
    frm().db.ADOConnection1.execute(QStringLiteral("UPDATE table1 SET Isbn10 = '*00012*' WHERE NumLivre < 3"));
    frm().db.ADOConnection1.execute(QStringLiteral("UPDATE table1 SET Isbn10 = '*00007*' WHERE NumLivre = 3"));
    openStockTake();
    startStockTake(QStringLiteral("Presse"));
    const QString d = QStringLiteral("08/12/2025");
    const QStringList expected[] = {{"", d, ""}, {d, d, ""}};
    for (const QStringList& marked : expected) {
        input.click(QStringLiteral("Edit1"));
        input.scan(kJournalCode);
        ASSERT_TRUE(control("NumJourno").visible());
        EXPECT_TRUE(edit("Edit97").focused());
        input.type(QStringLiteral("12a"));  // stored as the issue's entry stores it: *00012*
        input.click(QStringLiteral("Button90"));
        EXPECT_EQ(marks(), marked);
        EXPECT_FALSE(control("NumJourno").visible());
        EXPECT_TRUE(edit("Edit1").focused());
    }
    EXPECT_EQ(booksColumn("Genre"), (QStringList{"Presse", "Presse", ""}));
    EXPECT_EQ(edit("Edit147").text(), "2");
    EXPECT_EQ(inventoryLines().size(), 2);

    input.click(QStringLiteral("Edit1"));
    input.scan(kJournalCode);
    input.type(QStringLiteral("12"));
    answer({"OK"});
    input.click(QStringLiteral("Button90"));
    EXPECT_EQ(lastDialogText(), frm().tables.message(21));
    EXPECT_TRUE(control("NumJourno").visible());
}

TEST_F(StockTakeScanTest, TheAutomaticSaveClickLeavesTheScansInTheCodeField)
{
    // With the automatic save on, each key of a scan clicks at the save button's place, which
    // the stock-take panel covers.
    frm().settings.ValideBool = true;
    for (int copy = 1; copy <= 3; ++copy)
        addCopy(kPrince, QStringLiteral("Le Petit Prince"), copy);
    openStockTake();
    input.click(QStringLiteral("Edit1"));
    for (int scan = 0; scan < 3; ++scan)
        input.scan(kPrince);
    EXPECT_EQ(marks(), QStringList(3, QStringLiteral("08/12/2025")));
    EXPECT_TRUE(edit("Edit1").focused());
    EXPECT_EQ(edit("Edit148").text(), "-3");
}
