// The other-media screen: its opener, the entry and accept of an item, "Annuler", the browsing of
// the stored items, the cover page, and the grid's direct access, flags and deletion.
#include "BookScreenFixture.h"

#include "app/ListFiles.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/OtherMediaGrid.h"
#include "catalogue/OtherMediaLayout.h"
#include "catalogue/OtherMediaSave.h"
#include "catalogue/OtherMediaScreen.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/WebBrowser.h"

#include <QFile>

namespace {

class OtherMediaTest : public BookScreenTest {
protected:
    void startAndOpen()
    {
        std::vector<app::ScreenInstaller> screens = bookScreens();
        screens.push_back([](app::TFrmPrin& frm) {
            auto& screen = frm.addPart<catalogue::OtherMediaScreen>(frm, catalogue::buildOtherMediaControls(frm));
            frm.addPart<catalogue::OtherMediaSave>(frm, screen);
            frm.addPart<catalogue::OtherMediaGrid>(frm, screen);
            app::bindListFiles(frm);
        });
        start({"Cancel"}, screens);
        logIn();
        open();
    }
    void open() { input.menu(QStringLiteral("Autres_supports > Nouvelle entrée")); }

    // An item row written straight into Table1.
    void addItem(const QString& code, const QString& title, int copy, const QString& cover = {},
                 const QString& borrower = {})
    {
        frm().db.ADOConnection1.execute(
            QStringLiteral("Insert into Table1 (Isbn13, Titre, Images, Type, NbrExemplaire, MaxExemplaire, EmpNom) "
                           "Values (?, ?, ?, 'DVD', ?, True, ?)"),
            {code, title, cover, copy, borrower});
    }
    QStringList itemsColumn(const char* field)
    {
        return column(QStringLiteral("SELECT * FROM Table1 WHERE Type <> 'LIVRE' ORDER BY NumLivre"), field);
    }
    void selectTab(const char* page) { input.selectTab(frm().get<ui::TabSheet>(QString::fromLatin1(page))); }
    void accept(const QString& code, const QString& title)
    {
        fill("Edit30", code);
        fill("Edit31", title);
        input.click(QStringLiteral("Button33"));
    }
    void writeCover(const QString& name)
    {
        program.write(QStringLiteral("livres/Jaquettes/") + name, program.read(QStringLiteral("Reserve/Accueil.jpg")));
    }
    db::Table& items() { return frm().db.ADOTable1; }
    void clickNavigator(ui::DBNavigator::Button button)
    {
        auto& navigator = frm().get<ui::DBNavigator>(QStringLiteral("DBNavigator5"));
        application.post([&navigator, button] { navigator.userClickButton(button); });
        input.process();
    }
};

}  // namespace

TEST_F(OtherMediaTest, TheScreenOpensOnTheEntryTabOverTheItemsOnly)
{
    startAndOpen();
    EXPECT_TRUE(control("Panel7").visible());
    EXPECT_FALSE(control("Panel4").visible());
    EXPECT_EQ(control("Panel7").top(), 44);
    EXPECT_TRUE(edit("Edit30").focused());
    EXPECT_EQ(frm().get<ui::PageControl>(QStringLiteral("PageControl3")).activePage()->name(), "TabSheet12");
    EXPECT_EQ(items().filter(), "Type<>'LIVRE'");
    EXPECT_TRUE(items().filtered());
    // The login filled the type lists from the delivered list of other media.
    EXPECT_FALSE(frm().get<ui::ComboBox>(QStringLiteral("ComboBox6")).items().isEmpty());
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("ComboBox6")).items(),
              frm().get<ui::ComboBox>(QStringLiteral("DBComboBox9")).items());
}

TEST_F(OtherMediaTest, AnItemWithoutCodeIsNumberedAndGetsItsOwnCode)
{
    startAndOpen();
    fill("Edit87", QString());
    accept(QString(), QStringLiteral("Jeu de l'oie"));
    ASSERT_EQ(itemsColumn("Titre"), QStringList{"Jeu de l'oie"});
    const QString code = itemsColumn("numlivre").first().rightJustified(5, u'0');
    EXPECT_EQ(itemsColumn("Isbn13").first(), code);
    EXPECT_EQ(itemsColumn("CodeBarres").first(), "*" + code + "*");
    EXPECT_EQ(itemsColumn("Images").first(), code + ".jpg");
    EXPECT_EQ(itemsColumn("Isbn10").first(), "00000");
    EXPECT_EQ(itemsColumn("Prix_Client").first(), "0");
    EXPECT_EQ(itemsColumn("Type").first(), "Musique");
    // Numbered from 1: 0 is the stock-take's mark of a missing copy.
    EXPECT_EQ(itemsColumn("NbrExemplaire").first(), "1");
    EXPECT_EQ(itemsColumn("MaxExemplaire").first(), "Vrai");
    // The entry is ready for the next item, the farewell picture gone.
    EXPECT_EQ(edit("Edit31").text(), "");
    EXPECT_EQ(edit("Edit30").text(), "");
    EXPECT_TRUE(edit("Edit30").focused());
    EXPECT_TRUE(control("PageControl3").visible());
    EXPECT_FALSE(control("Image26").visible());
    EXPECT_EQ(image("Image26").bounds(), QRect(600, 576, 106, 280));
}

TEST_F(OtherMediaTest, AcceptCleansTheFieldsIntoTheirColumns)
{
    startAndOpen();
    const QString code = QStringLiteral("3700000000017");
    fill("Edit32", QString(60, u'a'));
    fill("Edit87", QStringLiteral("12.50"));
    fill("Edit37", QStringLiteral("BCD"));
    input.click(QStringLiteral("CheckBox34"));
    accept(code, QStringLiteral("Chansons; pour~tous"));
    ASSERT_EQ(itemsColumn("Titre"), QStringList{"Chansons  pour tous"});
    EXPECT_EQ(itemsColumn("Auteur").first(), QString(50, u'a'));
    EXPECT_EQ(itemsColumn("Isbn13").first(), code);
    EXPECT_EQ(itemsColumn("Isbn10").first(), code);
    EXPECT_EQ(itemsColumn("CodeBarres").first(), catalogue::Ean13ToFontText(code));
    EXPECT_EQ(itemsColumn("Images").first(), code + ".jpg");
    EXPECT_EQ(itemsColumn("Prix_Client").first(), "12,5");
    EXPECT_EQ(itemsColumn("Proprio").first(), "BCD");
    EXPECT_EQ(itemsColumn("IMP_CodeBarres").first(), "Vrai");
    // The owner, the type and the label choice stay for the next item.
    EXPECT_EQ(edit("Edit37").text(), "BCD");
    EXPECT_TRUE(frm().get<ui::CheckBox>(QStringLiteral("CheckBox34")).checked());
}

TEST_F(OtherMediaTest, AFurtherCopyIsListedWithTheStoredOnesAndNumberedAfterThem)
{
    startAndOpen();
    addItem(QStringLiteral("ABC"), QStringLiteral("Le film"), 1);
    addItem(QStringLiteral("ABC"), QStringLiteral("Le film"), 2);
    accept(QStringLiteral("ABC"), QStringLiteral("Le film"));
    EXPECT_EQ(edit("RichEdit5").text(), "Le film 1\r\nLe film 2\r\n");
    EXPECT_EQ(itemsColumn("NbrExemplaire"), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(itemsColumn("CodeBarres").last(), "*ABC*");
}

TEST_F(OtherMediaTest, BadInputIsRefusedAndNothingIsLost)
{
    startAndOpen();
    // No title: the field turns red and takes the focus.
    accept(QStringLiteral("XYZ"), QString());
    EXPECT_EQ(edit("Edit31").color(), ui::colors::red);
    EXPECT_TRUE(edit("Edit31").focused());
    EXPECT_TRUE(itemsColumn("Titre").isEmpty());

    // A type longer than its column: the database refuses the row, the entry stays as typed.
    fill("ComboBox6", QString(60, u't'));
    dialogs.answer(QStringLiteral("OK"));
    accept(QStringLiteral("XYZ"), QStringLiteral("Valise"));
    EXPECT_EQ(dialogs.log().back().kind, ui::DialogRecord::Kind::Error);
    EXPECT_TRUE(itemsColumn("Titre").isEmpty());
    EXPECT_EQ(edit("Edit31").text(), "Valise");
    EXPECT_EQ(edit("Edit30").text(), "XYZ");
}

TEST_F(OtherMediaTest, AThirteenCharacterCodeSendsTheFocusToTheLookUp)
{
    startAndOpen();
    input.type(QStringLiteral("é370000000001"));
    EXPECT_TRUE(edit("Edit30").focused());
    input.key(ui::vk::Return);
    EXPECT_EQ(edit("Edit30").text(), "2370000000001");
    EXPECT_TRUE(frm().get<ui::WinControl>(QStringLiteral("Button32")).focused());
}

TEST_F(OtherMediaTest, AnnulerEmptiesTheEntry)
{
    startAndOpen();
    fill("Edit31", QStringLiteral("Titre"));
    fill("Edit37", QStringLiteral("BCD"));
    fill("ComboBox6", QStringLiteral("DVD"));
    input.click(QStringLiteral("Button34"));
    EXPECT_EQ(edit("Edit31").text(), "");
    EXPECT_EQ(edit("Edit37").text(), "");
    EXPECT_EQ(edit("ComboBox6").text(), "Musique");
    EXPECT_TRUE(edit("Edit30").focused());
}

TEST_F(OtherMediaTest, BrowsingShowsBarcodeCoverAndPlaceholderWithoutTouchingTheRow)
{
    writeCover(QStringLiteral("3700000000017.jpg"));
    startAndOpen();
    addItem(QStringLiteral("3700000000017"), QStringLiteral("Avec jaquette"), 1, QStringLiteral("3700000000017.jpg"));
    addItem(QStringLiteral("00042"), QStringLiteral("Sans jaquette"), 1, QStringLiteral("perdue.jpg"));
    open();
    selectTab("TabSheet5");
    EXPECT_EQ(edit("DBEdit26").text(), "Sans jaquette");
    const QSize placeholder = image("Image12").picture()->size();

    input.click(QStringLiteral("Image96"));
    EXPECT_EQ(edit("DBEdit26").text(), "Avec jaquette");
    EXPECT_EQ(edit("Edit20").text(), catalogue::Ean13ToFontText(QStringLiteral("3700000000017")));
    EXPECT_EQ(edit("Edit20").font().name, "Code EAN13");
    EXPECT_NE(image("Image12").picture()->size(), placeholder);
    EXPECT_TRUE(image("Image13").picture());

    input.click(QStringLiteral("Image97"));
    EXPECT_EQ(edit("Edit20").text(), "*" + itemsColumn("numlivre").last() + "*");
    EXPECT_EQ(edit("Edit20").font().size, 20);
    EXPECT_EQ(image("Image12").picture()->size(), placeholder);
    EXPECT_EQ(edit("DBEdit34").text(), "perdue.jpg");
    EXPECT_EQ(itemsColumn("Images").last(), "perdue.jpg");
}

TEST_F(OtherMediaTest, NouveauPostsTheCorrectionAndOffersANewRow)
{
    startAndOpen();
    addItem(QStringLiteral("AAA"), QStringLiteral("Ancien titre"), 1);
    open();
    selectTab("TabSheet5");
    fill("DBEdit26", QStringLiteral("Titre corrigé"));
    input.click(QStringLiteral("Button28"));
    EXPECT_EQ(itemsColumn("Titre"), QStringList{"Titre corrigé"});
    EXPECT_EQ(items().state(), db::DataSetState::Insert);
    EXPECT_EQ(edit("DBEdit26").text(), "");
}

TEST_F(OtherMediaTest, EveryTabChangeWritesTheCoverPageWithItsNamesEscaped)
{
    startAndOpen();
    addItem(QStringLiteral("AAA"), QStringLiteral("Zèbre"), 1, QStringLiteral("a\"><script>x.jpg"));
    addItem(QStringLiteral("BBB"), QStringLiteral("Abeille"), 1, QStringLiteral("b&b.jpg"));
    addBook(QStringLiteral("9782070612758"), QStringLiteral("Un livre"), QStringLiteral("livre.jpg"));
    selectTab("TabSheet14");
    const QString page = text::decodeWindows1252(program.read(QStringLiteral("livres/Biblio_zantor.html")));
    EXPECT_TRUE(page.startsWith(QStringLiteral("<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
                                               "charset=windows-1252\"><TITLE>Autres Supports</TITLE>")));
    EXPECT_TRUE(page.endsWith(QStringLiteral("</BODY></HTML>\r\n")));
    const qsizetype first = page.indexOf(QStringLiteral("src=\"Jaquettes/b&amp;b.jpg\""));
    const qsizetype second = page.indexOf(QStringLiteral("src=\"Jaquettes/a&quot;&gt;&lt;script&gt;x.jpg\""));
    EXPECT_GT(first, 0);
    EXPECT_GT(second, first);
    EXPECT_FALSE(page.contains(QStringLiteral("<script>")));
    EXPECT_FALSE(page.contains(QStringLiteral("livre.jpg")));
    EXPECT_EQ(frm().get<ui::WebBrowser>(QStringLiteral("WebBrowser14")).locationUrl(),
              QStringLiteral("file:") + program.folder("livres/Biblio_zantor.html"));
}

TEST_F(OtherMediaTest, DirectAccessFiltersOnTheCodeAsAValue)
{
    startAndOpen();
    addItem(QStringLiteral("00012"), QStringLiteral("Douze"), 1);
    addItem(QStringLiteral("3700000000017"), QStringLiteral("Treize"), 1);
    open();
    selectTab("TabSheet6");
    EXPECT_EQ(frm().get<ui::DBGrid>(QStringLiteral("DBGrid2")).rowCount(), 2);
    struct Case {
        const char* typed;
        const char* filter;
        db::Params params;
        int rows;
    };
    const Case cases[] = {
        {"12", "ISBN13 = ?", {"00012"}, 1},
        {"3700000000017", "ISBN13 = ?", {"3700000000017"}, 1},
        {"a b", "ISBN13 = ?", {"00a b"}, 0},
        {"O'Neil", "ISBN13 = ?", {"00a b"}, 0},  // other lengths change nothing
        {"", "Type<>'LIVRE'", {}, 2},
    };
    for (const Case& c : cases) {
        fill("Edit128", QString::fromUtf8(c.typed));
        input.click(QStringLiteral("Button10"));
        EXPECT_EQ(items().filter(), QString::fromUtf8(c.filter)) << c.typed;
        EXPECT_EQ(items().filterParams(), c.params) << c.typed;
        EXPECT_EQ(items().recordCount(), c.rows) << c.typed;
    }
}

TEST_F(OtherMediaTest, ADoubleClickSwitchesOnlyTheTwoFlags)
{
    startAndOpen();
    addItem(QStringLiteral("AAA"), QStringLiteral("Titre"), 1);
    open();
    selectTab("TabSheet6");
    auto& grid = frm().get<ui::DBGrid>(QStringLiteral("DBGrid2"));
    auto doubleClickColumn = [&](const char* field) {
        const int column = int(grid.columns().indexOf(QString::fromLatin1(field)));
        application.post([&grid, column] { grid.userSelectCell(0, column); });
        input.doubleClick(grid);
    };
    doubleClickColumn("Titre");
    EXPECT_EQ(itemsColumn("Titre"), QStringList{"Titre"});
    EXPECT_EQ(items().state(), db::DataSetState::Browse);
    doubleClickColumn("Empruntable");
    EXPECT_EQ(itemsColumn("Empruntable"), QStringList{"Faux"});
    doubleClickColumn("IMP_CodeBarres");
    EXPECT_EQ(itemsColumn("IMP_CodeBarres"), QStringList{"Vrai"});
}

TEST_F(OtherMediaTest, DeletionIsAskedRefusedForALentItemAndKeepsASharedCover)
{
    writeCover(QStringLiteral("AAA.jpg"));
    writeCover(QStringLiteral("BBB.jpg"));
    startAndOpen();
    addItem(QStringLiteral("AAA"), QStringLiteral("Premier"), 1, QStringLiteral("AAA.jpg"));
    addItem(QStringLiteral("AAA"), QStringLiteral("Premier"), 2, QStringLiteral("AAA.jpg"));
    addItem(QStringLiteral("BBB"), QStringLiteral("Prêté"), 1, QStringLiteral("BBB.jpg"), QStringLiteral("Martin"));
    open();
    selectTab("TabSheet6");

    dialogs.answer(QStringLiteral("Cancel"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button37"));
    EXPECT_EQ(dialogTexts().last(), frm().tables.message(223));
    EXPECT_EQ(itemsColumn("Titre").size(), 3);

    // The last row is out on loan.
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button37"));
    EXPECT_EQ(dialogTexts().last(), frm().tables.message(224));
    EXPECT_EQ(itemsColumn("Titre").size(), 3);

    clickNavigator(ui::DBNavigator::Button::Prior);
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button37"));
    EXPECT_EQ(itemsColumn("NbrExemplaire"), (QStringList{"1", "1"}));
    EXPECT_TRUE(QFile::exists(program.folder("livres/Jaquettes/AAA.jpg")));

    clickNavigator(ui::DBNavigator::Button::First);
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button37"));
    EXPECT_EQ(itemsColumn("Titre"), QStringList{"Prêté"});
    EXPECT_FALSE(QFile::exists(program.folder("livres/Jaquettes/AAA.jpg")));
    EXPECT_TRUE(QFile::exists(program.folder("livres/Jaquettes/BBB.jpg")));
}
