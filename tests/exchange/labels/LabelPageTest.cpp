// The HTML label page as the librarian builds and prints it from its tab.
#include "LabelScreenFixture.h"

#include "app/SheetBreak.h"
#include "platform/text/Windows1252.h"
#include "tests/exchange/labels/WebPageScan.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/WebBrowser.h"

namespace {

const QString kBreak =
    app::sheetBreak() +
    QStringLiteral("<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
                   "charset=windows-1252\"><TITLE>Emprunteurs</TITLE><style type=\"text/css\"><!--.Style1 "
                   "{font-size: 36px}--></style></HEAD><BODY><p class=\"Style1\"></p><table "
                   "width=\"650\" border=\"1\" cellspacing=\"10\" >");

class LabelPageTest : public LabelScreenTest {
protected:
    void SetUp() override
    {
        LabelScreenTest::SetUp();
        frm().settings.maker.webSite = QStringLiteral("http://example.org");
        pageTab().printPage = [this](ui::WebBrowser&) {
            ++printCalls;
            return printStarts;
        };
        openLabels();
        showTab("TabSheet13");
    }
    void showTab(const char* name)
    {
        dialogs.answer(QStringLiteral("OK"));  // the tab's reminder to refresh
        input.selectTab(frm().get<ui::TabSheet>(QString::fromLatin1(name)));
    }
    labels::LabelPageTab& pageTab() { return *frm().findPart<labels::LabelPageTab>(); }
    QString build(int rowsPerPage = 10)
    {
        fill("Edit19", QString::number(rowsPerPage));
        input.click(QStringLiteral("SpeedButton36"));
        return page();
    }
    QString page() { return text::decodeWindows1252(program.read(QStringLiteral("Etiquettes.html"))); }

    bool printStarts = true;
    int printCalls = 0;
};

TEST_F(LabelPageTest, OneRowPerCopyInTheFixedFragments)
{
    addCopy({QStringLiteral("9HSKAKA*aaaaac+"), QStringLiteral("Alice & <Bob>"), true, QStringLiteral("LIVRE"),
             QStringLiteral("9780000000002"), QStringLiteral("9780000000002.jpg"), QStringLiteral("Lewis \"C\""),
             QStringLiteral("Étagère 1")});
    EXPECT_EQ(
        build(),
        QStringLiteral(
            "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=windows-1252\"><TITLE>Etiquettes</TITLE><style type=\"text/css\"><!--.Style1 {font-size: 36px} "
            ".Style2 "
            "{font-family: \"c39hrp36dltt\";font-size: 45px;} .Style3 {font-family: \"Code EAN13\";font-size: 60px;} "
            ".Style4 {font-family: \"arabtype\";font-size: 60px;--></style></HEAD><BODY><p>Page g&eacute;n&eacute;r"
            "&eacute;e par QvlZantor :<a href=\"http://example.org\" target=\"_blank\">http://example.org</a>&nbsp;"
            "</p><table width=\"650\" border=\"1\" cellspacing=\"10\"><tr><td width=\"65\"><img src=\"livres/"
            "Jaquettes/9780000000002.jpg\" width=\"50\"height=\"75\"></td><td width=\"50\"><img src=\"Photo_"
            "Rangement/Étagère 1\" width=\"60\"height=\"50\"></td><td width=\"40\"><span class=\"Style3\">"
            "9HSKAKA*aaaaac+</td></td><td width=\"250\"><p><b>Alice &amp; &lt;Bob&gt;</b></p><p>9780000000002 "
            "Lewis &quot;C&quot;</p></td></tr></table></BODY></HTML>\r\n"));
    EXPECT_EQ(frm().get<ui::WebBrowser>(QStringLiteral("WebBrowser10")).locationUrl(),
              QStringLiteral("file:") + program.folder(QStringLiteral("Etiquettes.html")));
}

struct BreakCase {
    int copies;
    int rowsPerPage;
    int breaks;
};

TEST_F(LabelPageTest, APageBreakAfterEveryChosenNumberOfRows)
{
    for (int i = 0; i < 25; ++i)
        addCopy({QStringLiteral("*%1*").arg(i), QStringLiteral("T%1").arg(i, 2, 10, QChar(u'0'))});
    for (const BreakCase c : {BreakCase{25, 10, 2}, BreakCase{25, 1, 25}, BreakCase{25, 0, 0}, BreakCase{25, -3, 0}}) {
        const QString text = build(c.rowsPerPage);
        EXPECT_EQ(text.count(kBreak), c.breaks) << c.rowsPerPage;
        EXPECT_EQ(text.count(QStringLiteral("<tr>")), c.copies);
    }
    const QString tenPerPage = build(10);
    EXPECT_EQ(tenPerPage.mid(tenPerPage.lastIndexOf(kBreak)).count(QStringLiteral("<tr>")), 5);
}

TEST_F(LabelPageTest, BarcodeClassesAndCodeTexts)
{
    addCopy({QStringLiteral("9HSKAKA*aaaaac+"), QStringLiteral("A EAN"), true, QStringLiteral("LIVRE"),
             QStringLiteral("9780000000002"), QStringLiteral("9780000000002.jpg")});
    addCopy({QStringLiteral("*9780000000002*"), QStringLiteral("B long Code 39")});
    addCopy({QStringLiteral("*9791034724525*"), QStringLiteral("B2 979 as saved")});
    addCopy({QStringLiteral("*00012*"), QStringLiteral("C short Code 39"), true, QStringLiteral("LIVRE"),
             QStringLiteral("3791234567890"), QStringLiteral("3791234567890_00012.jpg")});
    const QString text = build();
    EXPECT_TRUE(text.contains(QStringLiteral("<span class=\"Style3\">9HSKAKA*aaaaac+</td>")));
    // An ISBN between asterisks is a Code 39 text: drawn in the Code 39 face whatever its length.
    EXPECT_TRUE(text.contains(QStringLiteral("<span class=\"Style2\">*9780000000002*</td>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<span class=\"Style2\">*9791034724525*</td>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<span class=\"Style2\">*00012*</td>")));
    // A periodical issue's cover names its code and issue number: both are shown.
    EXPECT_TRUE(text.contains(QStringLiteral("<p>3791234567890_00012 </p>")));

    input.click(QStringLiteral("CheckBox43"));
    EXPECT_TRUE(build().contains(QStringLiteral("<span class=\"Style2\">*I1*</td>")));
}

TEST_F(LabelPageTest, ARowsPerPageThatIsNoNumberWritesNothing)
{
    addCopy({QStringLiteral("*1*"), QStringLiteral("A")});
    fill("Edit19", QStringLiteral("dix"));
    input.click(QStringLiteral("SpeedButton36"));
    EXPECT_EQ(dialogs.errors().size(), 1);
    EXPECT_TRUE(program.read(QStringLiteral("Etiquettes.html")).isEmpty());
}

TEST_F(LabelPageTest, AConfirmedPrintClearsTheCopiesOnThePageOnly)
{
    addCopy({QStringLiteral("*1*"), QStringLiteral("Sur la page")});
    addCopy({QStringLiteral("*2*"), QStringLiteral("Cédérom"), true, QStringLiteral("CD")});
    // The type boxes are the sheet tab's.
    showTab("TabSheet9");
    setChecked("CheckBox24", false);
    showTab("TabSheet13");
    build();
    addCopy({QStringLiteral("*3*"), QStringLiteral("Coché ensuite")});

    // Nothing printed: nothing asked.
    printStarts = false;
    input.click(QStringLiteral("SpeedButton37"));
    EXPECT_EQ(flags(), (QStringList{"Vrai", "Vrai", "Vrai"}));

    printStarts = true;
    dialogs.answer(QStringLiteral("Cancel"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton37"));
    EXPECT_EQ(flags(), (QStringList{"Vrai", "Vrai", "Vrai"}));

    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Image85"));
    EXPECT_EQ(printCalls, 3);
    EXPECT_EQ(flags(), (QStringList{"Faux", "Vrai", "Vrai"}));
    // The print form lists the books still flagged, under its heading, without page breaks.
    const QString printed = page();
    EXPECT_TRUE(printed.contains(QStringLiteral("<p class=\"Style1\">Etiquettes</p><table width=\"650\" border=\"1\">")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Coché ensuite")));
    EXPECT_FALSE(printed.contains(QStringLiteral("Cédérom")));
    EXPECT_FALSE(printed.contains(QStringLiteral(".Style4")));
}

TEST_F(LabelPageTest, ChangingTabShowsTheLastPageAndTheReminder)
{
    build();
    showTab("TabSheet8");
    EXPECT_EQ(dialogs.log().back().text, QStringLiteral("Cliquez sur le bouton 'Réactualisez l'affichage'"));
    EXPECT_EQ(frm().get<ui::WebBrowser>(QStringLiteral("WebBrowser10")).locationUrl(),
              QStringLiteral("file:") + program.folder(QStringLiteral("Etiquettes.html")));
}

}  // namespace

namespace {

// The page in the web view: both barcode classes draw labels a scanner reads, their quiet zones
// coming with the fonts' guards and start and stop characters, even against the cells' borders.
TEST_F(LabelPageTest, ThePageShownByTheWebViewScansToEveryCode)
{
    ASSERT_TRUE(labeltest::installFontsForTheWebEngine());
    addCopy({QStringLiteral("9HSKAKA*aaaaac+"), QStringLiteral("Alice")});
    addCopy({QStringLiteral("*9791034724525*"), QStringLiteral("Babar")});
    addCopy({QStringLiteral("*00012*"), QStringLiteral("Caillou")});
    build();
    auto symbols = labeltest::scanWebPage(program.folder(QStringLiteral("Etiquettes.html")));
    if (!symbols)
        GTEST_SKIP() << "zbarimg is not installed (zbar-tools)";
    symbols->sort();
    EXPECT_EQ(*symbols, (QStringList{QStringLiteral("00012"), QStringLiteral("9780000000002"), QStringLiteral("9791034724525")}));

    input.click(QStringLiteral("CheckBox43"));
    build();
    symbols = labeltest::scanWebPage(program.folder(QStringLiteral("Etiquettes.html")));
    ASSERT_TRUE(symbols);
    symbols->sort();
    EXPECT_EQ(*symbols, (QStringList{QStringLiteral("I1"), QStringLiteral("I2"), QStringLiteral("I3")}));
}

}  // namespace
