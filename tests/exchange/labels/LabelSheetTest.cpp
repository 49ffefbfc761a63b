// The label sheet as the librarian builds, lays out and prints it.
#include "LabelScreenFixture.h"

#include "exchange/labels/LabelPrinting.h"
#include "tests/exchange/labels/BarcodeDecoder.h"
#include "platform/richtext/PreviewEngine.h"
#include "platform/ui/Keys.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/PrintPreviewEngine.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kAlice = QStringLiteral("9HSKAKA*aaaaac+");  // 9780000000002
const QString kBabar = QStringLiteral("9HSKAKB*aaaaab+");
const QString kPair = QStringLiteral("\n\r");

QString cell(const QString& title) { return (title + QString(21, u' ')).left(21); }
QString blanks(int n) { return QString(qMax(n, 0), u' '); }

class LabelSheetTest : public LabelScreenTest {
protected:
    void addAliceAndBabar()
    {
        addCopy({kAlice, QStringLiteral("Alice")});
        addCopy({kBabar, QStringLiteral("Babar")});
    }
    void onlyEan13Section()
    {
        openLabels();
        setChecked("CheckBox12", false);
        setChecked("CheckBox40", false);
    }
};

TEST_F(LabelSheetTest, ThreeSectionsInTitleOrderWithTheirGapsAndEnds)
{
    addCopy({QStringLiteral("*00012*"), QStringLiteral("Zoé")});
    addCopy({kAlice, QStringLiteral("Alice")});
    addCopy({QStringLiteral("9HSKAKB*aaaaab+"), QStringLiteral("Caillou au pays des merveilles")});
    addCopy({kBabar, QStringLiteral("Babar")});
    addCopy({kBabar, QStringLiteral("Pas coché"), false});
    openLabels();
    rebuildWith(2, 1, 1);

    const QString ean = kAlice + u' ' + kBabar + u' ' + kPair + cell("Alice") + blanks(2) + cell("Babar") + blanks(2) +
                        kPair + u'\r' + QStringLiteral("9HSKAKB*aaaaab+ ") + kPair +
                        cell("Caillou au pays des merveilles") + blanks(2) + kPair + QStringLiteral("FIN") + kPair;
    const QString code39 = QStringLiteral("*00012* ") + kPair + cell("Zoé") + blanks(2) + kPair + QStringLiteral("FIN") +
                           kPair + kPair + kPair;
    // Copy numbers follow the entry: Zoé 1, Alice 2, Caillou 3, Babar 4; the rows come in title order.
    const QString numbers = QStringLiteral("*I2* *I4* ") + kPair + cell("Alice") + blanks(3) + cell("Babar") + blanks(3) +
                            kPair + u'\r' + QStringLiteral("*I3* *I1* ") + kPair +
                            cell("Caillou au pays des merveilles") + blanks(3) + cell("Zoé") + blanks(3) + kPair + u'\r' +
                            kPair + kPair + QStringLiteral("FIN") + kPair + kPair + kPair;
    EXPECT_EQ(sheetText(), ean + code39 + numbers);

    // Bar codes in their faces, titles in Courier New 8, all black.
    for (const ui::TextRun& run : sheet().runs()) {
        // EAN-13 texts end with their guard "+", Code 39 texts with "*".
        const QString face = run.text.contains(u'+')   ? QStringLiteral("Code EAN13")
                             : run.text.contains(u'*') ? QStringLiteral("c39hrp36dltt")
                                                       : QStringLiteral("Courier New");
        EXPECT_EQ(run.font.name, face) << run.text.toStdString();
        EXPECT_EQ(run.font.size, face == QLatin1String("Code EAN13") ? 40 : face == QLatin1String("Courier New") ? 8 : 30);
        EXPECT_EQ(run.font.color, ui::colors::black);
    }

    // The rebuilt sheet takes the librarian's Tab as text instead of passing the focus on.
    input.click(sheet());
    sheet().setSelStart(0);
    input.key(ui::vk::Tab);
    EXPECT_EQ(sheetText(), u'\t' + ean + code39 + numbers);
    EXPECT_TRUE(sheet().focused());
}

struct LayoutCase {
    const char* what;
    int columns, gap, rowGap;
    QString expected;  // the EAN-13 section of Alice and Babar
};

TEST_F(LabelSheetTest, LayoutValuesWithoutBounds)
{
    const QString titles0 = cell("Alice") + cell("Babar");
    const LayoutCase cases[] = {
        {"no columns: one row, written at the end", 0, 1, 3,
         kAlice + u' ' + kBabar + u' ' + kPair + cell("Alice") + blanks(2) + cell("Babar") + blanks(2) + kPair +
             QStringLiteral("FIN") + kPair},
        {"one column: each label its row and row gap", 1, 0, 2,
         kAlice + kPair + cell("Alice") + kPair + QStringLiteral("\r\r") + kBabar + kPair + cell("Babar") + kPair +
             QStringLiteral("\r\r") + kPair + kPair + QStringLiteral("FIN") + kPair},
        {"negative gap: nothing between labels", 2, -5, -1,
         kAlice + kBabar + kPair + titles0 + kPair + kPair + kPair + QStringLiteral("FIN") + kPair},
    };
    addAliceAndBabar();
    onlyEan13Section();
    for (const LayoutCase& c : cases) {
        rebuildWith(c.columns, c.gap, c.rowGap);
        EXPECT_EQ(sheetText(), c.expected) << c.what;
    }
}

TEST_F(LabelSheetTest, NoFlaggedCopyLeavesTheSectionEnds)
{
    addCopy({kAlice, QStringLiteral("Alice"), false});
    openLabels();
    rebuildWith(3, 1, 1);
    EXPECT_EQ(sheetText(), kPair + kPair + QStringLiteral("FIN") + kPair + (kPair + kPair + QStringLiteral("FIN") + kPair + kPair + kPair).repeated(2));
}

TEST_F(LabelSheetTest, Code39LabelsOfCodesOtherThanTheEan13Text)
{
    // 13 digits between blanks make 15 characters: an EAN-13 label, drawn without the blanks.
    addCopy({QStringLiteral(" 9HSKAKA*aaaaac+").left(15), QStringLiteral("A")});
    addCopy({QStringLiteral("   "), QStringLiteral("B"), true, QStringLiteral("LIVRE"), QStringLiteral(" 9782070612758 ")});
    openLabels();
    setChecked("CheckBox40", false);
    rebuildWith(5, 1, 0);
    const QString text = sheetText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("9HSKAKA*aaaaac ") + kPair)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("*9782070612758* ") + kPair)) << text.toStdString();
}

TEST_F(LabelSheetTest, CodesBetweenAsterisksAreCode39LabelsWhateverTheirLength)
{
    // A 979 ISBN is saved as its Code 39 text, 15 characters like the EAN-13 font text.
    const QString isbn979 = QStringLiteral("*9791034724525*");
    addCopy({isbn979, QStringLiteral("Neuf cent soixante-dix-neuf")});
    addCopy({QStringLiteral(" *00012* ").leftJustified(15, u' '), QStringLiteral("Code interne")});
    addCopy({kAlice, QStringLiteral("Alice")});
    openLabels();
    setChecked("CheckBox40", false);
    rebuildWith(5, 1, 0);
    const QString text = sheetText();
    const qsizetype ean13End = text.indexOf(QStringLiteral("FIN"));
    EXPECT_EQ(text.indexOf(kAlice), 0) << text.toStdString();
    EXPECT_GT(text.indexOf(isbn979 + u' '), ean13End) << text.toStdString();
    EXPECT_GT(text.indexOf(QStringLiteral("*00012* ")), ean13End) << text.toStdString();
    for (const ui::TextRun& run : sheet().runs()) {
        if (run.text.contains(u'*') && !run.text.contains(u'+')) {
            EXPECT_EQ(run.font.name, QStringLiteral("c39hrp36dltt")) << run.text.toStdString();
        }
    }
}

// A million blanks between labels once wrote a 105 MB label file: a value past what a page holds
// is taken as the most it holds, shown in its box, and the layout buttons go no further.
TEST_F(LabelSheetTest, ValuesPastWhatAPageHoldsAreTakenAsTheMost)
{
    addAliceAndBabar();
    openLabels();
    rebuildWith(1000000, 1000000, 1000000);
    const app::Settings& s = frm().settings;
    for (const auto& [box, value] : {std::pair{"Edit76", s.NbreColCB}, std::pair{"Edit77", s.EspaceInterCol},
                                     std::pair{"Edit78", s.EspaceInterLigne}}) {
        EXPECT_GT(value, 10) << box;
        EXPECT_LT(value, 200) << box;
        EXPECT_EQ(edit(box).text(), QString::number(value)) << box;
    }
    EXPECT_LT(program.read(QStringLiteral("Etiquettes.RTF")).size(), 20000);

    const int most = s.EspaceInterCol;
    input.click(QStringLiteral("SpeedButton39"));
    EXPECT_EQ(s.EspaceInterCol, most);
    input.click(QStringLiteral("SpeedButton40"));
    EXPECT_EQ(s.EspaceInterCol, most - 5);
    // Below 1 the values stay as typed: the sheet takes them as none.
    rebuildWith(-3, -1000000, 0);
    EXPECT_EQ(s.NbreColCB, -3);
    EXPECT_EQ(s.EspaceInterCol, -1000000);
    EXPECT_EQ(edit("Edit77").text(), QStringLiteral("-1000000"));
}

TEST_F(LabelSheetTest, RebuildButtonFillsEmptyBoxesAndSavesTheSheet)
{
    addAliceAndBabar();
    openLabels();
    for (const char* box : {"Edit76", "Edit77", "Edit78"})
        frm().get<ui::CustomEdit>(QString::fromLatin1(box)).clear();
    input.click(QStringLiteral("SpeedButton35"));
    EXPECT_EQ(frm().get<ui::CustomEdit>(QStringLiteral("Edit76")).text(), QStringLiteral("1"));
    EXPECT_EQ(frm().settings.NbreColCB, 1);
    EXPECT_EQ(frm().settings.EspaceInterLigne, 1);
    const QByteArray rtf = program.read(QStringLiteral("Etiquettes.RTF"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("Code EAN13") && rtf.contains(kAlice.toLatin1()) && rtf.contains("Babar"));
}

TEST_F(LabelSheetTest, ABoxThatIsNoNumberStopsBeforeTheRebuild)
{
    addAliceAndBabar();
    openLabels();
    fill("Edit76", QStringLiteral("4"));
    fill("Edit77", QStringLiteral("deux"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton35"));
    EXPECT_EQ(frm().settings.NbreColCB, 4);
    EXPECT_EQ(frm().settings.EspaceInterCol, 0);
    EXPECT_FALSE(program.read(QStringLiteral("Etiquettes.RTF")).size() > 0);
}

TEST_F(LabelSheetTest, LayoutButtonsStepTheValuesAndSaveEachTime)
{
    addAliceAndBabar();
    openLabels();
    rebuildWith(2, 1, 1);
    for (const char* button : {"Button23", "Button22", "SpeedButton39", "Button18", "Button19", "SpeedButton40", "Button20"})
        input.click(QString::fromLatin1(button));
    input.click(QStringLiteral("Button21"));
    EXPECT_EQ(frm().get<ui::CustomEdit>(QStringLiteral("Edit76")).text(), QStringLiteral("2"));
    EXPECT_EQ(frm().get<ui::CustomEdit>(QStringLiteral("Edit77")).text(), QStringLiteral("1"));
    EXPECT_EQ(frm().get<ui::CustomEdit>(QStringLiteral("Edit78")).text(), QStringLiteral("1"));
    // Below zero too: "- X5" from 0.
    input.click(QStringLiteral("Button21"));
    input.click(QStringLiteral("SpeedButton40"));
    EXPECT_EQ(frm().get<ui::CustomEdit>(QStringLiteral("Edit77")).text(), QStringLiteral("-5"));
    EXPECT_TRUE(program.read(QStringLiteral("Etiquettes.RTF")).contains("Babar"));
}

TEST_F(LabelSheetTest, AConfirmedPrintClearsOnlyTheCopiesOnTheSheet)
{
    addAliceAndBabar();
    addCopy({QStringLiteral("*00012*"), QStringLiteral("Cédérom"), true, QStringLiteral("CD")});
    openLabels();
    setChecked("CheckBox24", false);  // books only: the CD is not on the sheet
    rebuildWith(3, 1, 0);
    addCopy({kAlice, QStringLiteral("Flagged after the rebuild")});

    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button17"));
    ASSERT_EQ(printed.size(), 1);
    EXPECT_TRUE(printed[0].contains(kAlice));
    EXPECT_EQ(flags(), (QStringList{"Faux", "Faux", "Vrai", "Vrai"}));
    // The sheet now shows what still waits, without copy numbers.
    EXPECT_TRUE(sheetText().contains(QStringLiteral("Flagged after")));
    EXPECT_FALSE(sheetText().contains(QStringLiteral("*I")));
    // Printing some labels leaves the others flagged for the next sheet.
    setChecked("CheckBox24", true);
    rebuildWith(3, 1, 0);
    EXPECT_TRUE(sheetText().contains(QStringLiteral("Cédérom")));
}

TEST_F(LabelSheetTest, NoPrintOrNoConfirmationKeepsEveryFlag)
{
    addAliceAndBabar();
    openLabels();
    rebuildWith(2, 1, 0);
    const QString before = sheetText();

    printerReady = false;
    input.click(QStringLiteral("Button17"));
    EXPECT_EQ(dialogs.errors(), QStringList{QStringLiteral("Aucune imprimante n'est installée.")});

    printerReady = true;
    dialogs.answer(QStringLiteral("Cancel"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button17"));
    EXPECT_EQ(flags(), (QStringList{"Vrai", "Vrai"}));
    EXPECT_EQ(sheetText(), before);
}

TEST_F(LabelSheetTest, ThePreviewStartsFromTheProgramFolder)
{
    openLabels();
    input.click(QStringLiteral("SpeedButton38"));
    ASSERT_FALSE(shell.records().isEmpty());
    EXPECT_EQ(shell.records().back(), QStringLiteral("start: ") + program.folder(QStringLiteral("Preview")));
}

}  // namespace

// The real printing path: the installed page formatting on a printer that writes a PDF file.
class LabelSheetPrintTest : public LabelScreenTest {
protected:
    void SetUp() override
    {
        labeltest::ensureApplication();
        LabelScreenTest::SetUp();
        sheetScreen().printSheet = labels::printOnCurrentPrinter;
        printer = std::make_unique<QPrinter>();
        richtext::setUpPdfPrinter(*printer, pdf.filePath(QStringLiteral("sheet.pdf")));
        ui::PrintPreviewEngine::install(&engine);
    }
    void TearDown() override { ui::PrintPreviewEngine::install(nullptr); }

    QTemporaryDir pdf;
    std::unique_ptr<QPrinter> printer;  // once the application exists
    richtext::PreviewEngine engine{[this] { return printer.get(); }};
};

TEST_F(LabelSheetPrintTest, ThePrintButtonPrintsTheSheetAsTheLibrarianRetouchedIt)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    addCopy({kAlice, QStringLiteral("Alice")});
    openLabels();
    rebuildWith(1, 1, 0);
    input.click(sheet());
    sheet().setSelStart(0);
    input.type(QStringLiteral("Retouche "));

    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button17"));
    ASSERT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join(u'\n').toStdString();
    QProcess text;
    text.start(pdftotext, {pdf.filePath(QStringLiteral("sheet.pdf")), QStringLiteral("-")});
    text.waitForFinished();
    const QString printedText = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printedText.contains(QStringLiteral("Retouche"))) << printedText.toStdString();
    EXPECT_TRUE(printedText.contains(QStringLiteral("Alice")));
    EXPECT_EQ(flags(), QStringList{QStringLiteral("Faux")});
}
