// The books grid tab: direct access, search in one field, search and replace, the flag toggle and
// the deletion of a copy, all through the tab's controls.
#include "BookScreenFixture.h"

#include "catalogue/BooksGrid.h"
#include "catalogue/BooksGridFilter.h"
#include "catalogue/BooksGridLayout.h"
#include "platform/text/DateText.h"
#include "platform/text/Windows1252.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/PageControl.h"

namespace {

TEST(BooksGridFilter, DirectAccessReadsTheBoxAsAFieldValueCopyLabelTitleOrCode)
{
    using O = catalogue::DirectAccess::Outcome;
    struct Case {
        const char* field;
        const char* box;
        O outcome;
        const char* criteria;
        const char* value;
    };
    const Case cases[] = {
        {"NumLivre", "12", O::Filter, "NumLivre = ?", "12"},
        {"Auteur", "Hergé", O::Filter, "Auteur like ?", "Hergé*"},
        {"", "", O::ShowAll, "", ""},
        {"", "I42", O::Filter, "NumLivre = ?", "42"},
        {"", "I&é", O::Filter, "NumLivre = ?", "12"},
        {"", "Il était", O::Filter, "Titre like ?", "Il était*"},
        {"", "l'école", O::Filter, "Titre like ?", "l'école*"},
        {"", "çè_2070612758", O::Filter, "ISBN13 = ?", "9782070612758"},
        {"", "2070612759", O::Filter, "ISBN13 = ?", "9782070612758"},
        {"", "012345", O::Filter, "ISBN13 = ?", "12345"},
        {"", "123", O::Filter, "ISBN13 = ?", "00123"},
        {"", "B00TEST", O::Filter, "ISBN13 like ?", "B00TEST*"},
        {"", "123456789", O::Unchanged, "", ""},
        // A code is the criteria's value: nothing it holds can add a condition.
        {"", "12345 OR x=x1", O::Filter, "ISBN13 = ?", "12345 OR x=x1"},
        // Only a plain name goes in as the field's.
        {"Titre like 'a' or Genre", "x", O::Unchanged, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        const catalogue::DirectAccess d = catalogue::directAccess(QString::fromUtf8(c.field), QString::fromUtf8(c.box));
        EXPECT_EQ(d.outcome, c.outcome);
        EXPECT_EQ(d.criteria, QString::fromUtf8(c.criteria));
        EXPECT_EQ(d.value, QString::fromUtf8(c.value));
        EXPECT_EQ(d.choosesBookNumberField, !*c.field && QByteArray(c.criteria).startsWith("NumLivre"));
    }
}

TEST(BooksGridFilter, FieldSearchesFollowTheOperatorAndTheKindOfField)
{
    using catalogue::SearchPanel;
    struct Case {
        const char* field;
        const char* op;
        SearchPanel panel;
        std::optional<QString> criteria;
        const char* value;
        std::optional<QString> operatorText;
    };
    const Case cases[] = {
        {"Titre", "=", SearchPanel::InField, "Titre = ?", "A'b", {}},
        {"NumLivre", "<>", SearchPanel::InField, "NumLivre <> ?", "A'b", {}},
        {"Titre", "Contient", SearchPanel::InField, "Titre like ?", "%A'b%", {}},
        {"NumLivre", "Contient", SearchPanel::InField, "NumLivre = ?", "A'b", " ="},
        {"Titre", "Commence", SearchPanel::SearchAndReplace, "Titre like ?", "A'b%", {}},
        {"NumLivre", "Commence", SearchPanel::InField, "NumLivre = ?", "A'b", " = "},
        {"NumLivre", "Commence", SearchPanel::SearchAndReplace, "NumLivre = ?", "A'b", " like "},
        // Only the exact spelling is numeric.
        {"numlivre", "Contient", SearchPanel::InField, "numlivre like ?", "%A'b%", {}},
        {"Titre", "= ", SearchPanel::InField, {}, "A'b", {}},
        // Only a plain name goes in as the field's.
        {"Titre = 'x' or Genre", "=", SearchPanel::InField, {}, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.op);
        const catalogue::FieldSearch s =
            catalogue::fieldSearch(QString::fromLatin1(c.field), QString::fromLatin1(c.op), "A'b", c.panel);
        EXPECT_EQ(s.criteria, c.criteria);
        EXPECT_EQ(s.value, QString::fromLatin1(c.value));
        EXPECT_EQ(s.operatorText, c.operatorText);
    }
}

class BooksGridTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        auto screens = bookScreens();
        screens.push_back([](app::TFrmPrin& frm) {
            const auto& entry = *frm.findPart<catalogue::BookEntryScreen>();
            frm.addPart<catalogue::BooksGrid>(frm, entry,
                                              catalogue::buildBooksGridControls(frm, entry.controls().tableTab));
        });
        start({"Cancel"}, screens);
    }

    // A copy written straight into Table1; its book number.
    qint64 addCopy(const QString& code, const QString& title, int number, bool last, const QString& publisher = {},
                   const QString& borrower = {})
    {
        frm().db.ADOConnection1.execute(
            QStringLiteral("Insert into Table1 (Isbn13, Titre, Auteur, Editeur, Images, Type, NbrExemplaire, "
                           "MaxExemplaire, EmpNom) Values (?, ?, 'Auteur', ?, ?, 'LIVRE', ?, ?, ?)"),
            {code, title, publisher, code + ".jpg", number, db::Value::boolean(last), borrower});
        return frm().db.ADOConnection1.lastInsertKey();
    }
    void openGrid()
    {
        logIn();
        input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet1")));
    }
    // The copy label read into the direct-access box: the grid stands on that copy. The field
    // list that the last label chose is emptied first, else the box is read as a book number.
    void goTo(qint64 numLivre)
    {
        input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox15")), 0);
        input.click(QStringLiteral("Edit67"));
        input.scan(QStringLiteral("I%1").arg(numLivre));
    }
    QStringList journal() const
    {
        return text::decodeWindows1252(program.read(QStringLiteral("Journal.csv"))).split("\r\n", Qt::SkipEmptyParts);
    }
    QString today() const { return text::shortDateText(QDate(2025, 12, 8)); }
    QStringList column(const char* field) { return booksColumn(field); }
};

TEST_F(BooksGridTest, EnterInTheDirectAccessBoxClicksTheButtonAndTheGridStandsOnTheCopy)
{
    const qint64 first = addCopy("9782070612758", "Le Petit Prince", 1, true);
    addCopy("9782211000000", "Babar", 1, true);
    openGrid();
    goTo(first);
    auto& grid = frm().get<ui::DBGrid>(QStringLiteral("DBGrid1"));
    EXPECT_EQ(frm().db.ADOTable1.filter(), QStringLiteral("NumLivre = ?"));
    EXPECT_EQ(frm().db.ADOTable1.filterParams(), db::Params{QString::number(first)});
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.cellText(0, 0), "Le Petit Prince");
    EXPECT_EQ(edit("Edit67").text(), "");
    EXPECT_EQ(edit("ComboBox15").text(), "NumLivre");
    EXPECT_TRUE(frm().get<ui::WinControl>(QStringLiteral("Button96")).focused());

    // An empty box empties the field list and shows every row.
    input.click(QStringLiteral("Button96"));
    EXPECT_EQ(edit("ComboBox15").text(), "");
    EXPECT_FALSE(frm().db.ADOTable1.filtered());
    EXPECT_EQ(grid.rowCount(), 2);
    input.click(QStringLiteral("Edit67"));
    input.scan(QStringLiteral("2211000000"));
    EXPECT_EQ(frm().db.ADOTable1.filter(), "ISBN13 = ?");
    EXPECT_EQ(frm().db.ADOTable1.filterParams(), db::Params{QStringLiteral("9782211000000")});
    EXPECT_EQ(grid.cellText(grid.currentRow(), 0), "Babar");
}

TEST_F(BooksGridTest, TheFieldSearchFiltersSortsAndCountsAndAnEmptyValueShowsEveryRow)
{
    addCopy("1", "Zorro", 1, true, "Hachette");
    addCopy("2", "Astérix", 1, true, "Dargaud");
    addCopy("3", "Babar", 1, true, "Hachette Jeunesse");
    openGrid();
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox15")), 7);  // Editeur
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox19")), 5);  // Commence
    fill("Edit160", QStringLiteral("hachette"));
    input.click(QStringLiteral("Button38"));
    auto& grid = frm().get<ui::DBGrid>(QStringLiteral("DBGrid1"));
    EXPECT_EQ(control("Label245").text(), "2 éléments trouvés");
    EXPECT_EQ(grid.cellText(0, 0), "Zorro");
    EXPECT_EQ(grid.cellText(1, 0), "Babar");

    fill("Edit160", QString());
    input.click(QStringLiteral("Button38"));
    EXPECT_EQ(control("Label245").text(), "3 éléments trouvés");
    EXPECT_EQ(edit("ComboBox15").text(), "");
    EXPECT_EQ(frm().db.ADOTable1.sort(), "NumLivre ASC");
}

TEST_F(BooksGridTest, ValuesWithQuotesDashesAndSemicolonsAreSearchedAsTyped)
{
    addCopy("1", "L'été -- ; DELETE FROM Table1", 1, true, "O'Reilly");
    addCopy("2", "L'été", 1, true, "Hachette");
    addCopy("3", "Zorro", 1, true, "O'");
    openGrid();
    auto& grid = frm().get<ui::DBGrid>(QStringLiteral("DBGrid1"));
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox15")), 7);  // Editeur
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox19")), 5);  // Commence
    fill("Edit160", QStringLiteral("o'reilly"));
    input.click(QStringLiteral("Button38"));
    EXPECT_EQ(control("Label245").text(), "1 éléments trouvés");
    EXPECT_EQ(grid.cellText(0, 0), "L'été -- ; DELETE FROM Table1");

    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox15")), 0);
    fill("Edit67", QStringLiteral("L'été -- ;"));
    input.click(QStringLiteral("Button96"));
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.cellText(0, 0), "L'été -- ; DELETE FROM Table1");
    EXPECT_EQ(column("Titre"), (QStringList{"L'été -- ; DELETE FROM Table1", "L'été", "Zorro"}));
}

TEST_F(BooksGridTest, TheReplaceChangesOnlyTheMatchingPartOfEachValueOnce)
{
    frm().settings.MDP_Administrateur = QStringLiteral("secret");
    addCopy("1", "A", 1, true, "Gallimard");
    addCopy("2", "B", 1, true, "Folio (gallimard)");
    addCopy("3", "C", 1, true, "GALLIMARD et gallimard");
    addCopy("4", "D", 1, true, "Hachette");
    openGrid();
    input.click(QStringLiteral("Button89"));
    EXPECT_TRUE(control("RelativePanel1").visible());
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox18")), 7);  // Editeur
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox20")), 4);  // Contient
    fill("Edit157", QStringLiteral("gallimard"));
    fill("Edit159", QStringLiteral("Gallimard Jeunesse"));

    // A wrong password, then Cancel at the last question: nothing changes.
    dialogs.answer(QStringLiteral("faux"));
    input.click(QStringLiteral("Button36"));
    dialogs.answer(QStringLiteral("secret"));
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("Button36"));
    dialogs.answer(QStringLiteral("secret"));
    dialogs.answer(QStringLiteral("n"));
    input.click(QStringLiteral("Button36"));
    EXPECT_EQ(column("Editeur"), QStringList({"Gallimard", "Folio (gallimard)", "GALLIMARD et gallimard", "Hachette"}));
    EXPECT_EQ(control("Label242").text(), "3 éléments trouvés");

    dialogs.answer(QStringLiteral("secret"));
    dialogs.answer(QString());
    input.click(QStringLiteral("Button36"));
    EXPECT_EQ(column("Editeur"), QStringList({"Gallimard Jeunesse", "Folio (Gallimard Jeunesse)",
                                              "Gallimard Jeunesse et Gallimard Jeunesse", "Hachette"}));
    EXPECT_EQ(control("Label242").text(), "3 Changements ");

    // The same text twice: nothing to change, no password asked.
    const int asked = int(dialogs.log().size());
    fill("Edit159", QStringLiteral("gallimard"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button36"));
    ASSERT_EQ(int(dialogs.log().size()), asked + 1);
    EXPECT_EQ(dialogs.log().back().text, "Rien à changer ?!");

    // Leaving the tab hides the panel.
    input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet7")));
    EXPECT_FALSE(control("RelativePanel1").visible());
}

TEST_F(BooksGridTest, ADoubleClickFlipsOnlyTheTwoFlags)
{
    addCopy("1", "A", 1, true);
    openGrid();
    auto& grid = frm().get<ui::DBGrid>(QStringLiteral("DBGrid1"));
    const int titleColumn = 0;
    const int labelColumn = int(grid.columns().indexOf("IMP_CodeBarres"));
    application.post([&grid, labelColumn] { grid.userSelectCell(0, labelColumn); });
    input.doubleClick(grid);
    EXPECT_EQ(column("IMP_CodeBarres"), QStringList{"Vrai"});
    application.post([&grid, titleColumn] { grid.userSelectCell(0, titleColumn); });
    input.doubleClick(grid);
    EXPECT_EQ(column("IMP_CodeBarres"), QStringList{"Vrai"});
    EXPECT_EQ(column("Titre"), QStringList{"A"});
}

TEST_F(BooksGridTest, EffacerDeletesFurtherCopiesAndOnlyCopiesWithTheirJournalLine)
{
    const qint64 only = addCopy("9782000000001", "Seul", 1, true, "Ed");
    const qint64 first = addCopy("9782000000002", "Trois", 1, false);
    const qint64 second = addCopy("9782000000002", "Trois", 2, false);
    addCopy("9782000000002", "Trois", 3, true);
    const qint64 lent = addCopy("9782000000003", "Prêté", 1, true, {}, "Durand");
    openGrid();
    const int journalBefore = int(journal().size());

    goTo(second);
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button59"));
    goTo(only);
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button59"));
    EXPECT_EQ(column("Titre"), QStringList({"Trois", "Trois", "Prêté"}));
    EXPECT_EQ(column("NbrExemplaire"), QStringList({"1", "3", "1"}));
    const QStringList lines = journal().mid(journalBefore);
    EXPECT_EQ(lines, QStringList({"Suppression à l'inventaire;" + today() + ";9782000000002;Trois;Auteur;;9782000000002.jpg",
                                  "Suppression ;" + today() + ";9782000000001;Seul;Auteur;Ed;9782000000001.jpg"}));

    // A lent copy, a Cancel, and the first of several copies: nothing is deleted.
    goTo(lent);
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button59"));
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(224));
    dialogs.answer(QStringLiteral("Cancel"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button59"));
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(223));
    goTo(first);
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button59"));
    EXPECT_EQ(column("Titre"), QStringList({"Trois", "Trois", "Prêté"}));
    EXPECT_EQ(column("NbrExemplaire"), QStringList({"1", "2", "1"}));
    EXPECT_EQ(column("MaxExemplaire"), QStringList({"Faux", "Vrai", "Vrai"}));
    EXPECT_TRUE(dialogs.log().back().text.contains("renumérotés"));
    EXPECT_EQ(int(journal().size()), journalBefore + 2);
}

}  // namespace
