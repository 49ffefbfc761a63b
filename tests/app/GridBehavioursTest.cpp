// The grids' shared behaviours on the program's own grids: a title click sorts with one direction
// shared by every grid, keeping the screen's filter; Boolean cells drawn as check boxes.
#include "WholeProgramFixture.h"

#include "app/GridCheckBoxes.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/PageControl.h"

namespace {

class GridBehavioursTest : public WholeProgramTest {
protected:
    // The whole program, logged in as administrator, with three books, a DVD and a borrower.
    void startWithRows()
    {
        startAsAdministratorWithEveryScreen();
        db::Connection& c = frm().db.ADOConnection1;
        for (const char* row : {"('Babar', 'LIVRE', 1)", "('Zazie', 'LIVRE', 0)", "('Astérix', 'DVD', 1)",
                                "('Mafalda', 'LIVRE', 1)"})
            c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Type, Empruntable) VALUES ") + QString::fromUtf8(row));
        c.execute(QStringLiteral("INSERT INTO Emprunteurs (EmpNom) VALUES ('Martin')"));
    }
    // The book screen's grid page, through its menu and its tab.
    void openBooksGrid()
    {
        input.menu(QStringLiteral("Livres > Nouveaux livres"));
        input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet1")));
    }
    void openBorrowersGrid() { input.menu(QStringLiteral("Emprunteurs > Nouvel emprunteur")); }
    ui::DBGrid& grid(const char* name) { return frm().get<ui::DBGrid>(QString::fromLatin1(name)); }
    int column(const char* gridName, const char* field)
    {
        const QStringList names = grid(gridName).columns();
        for (int c = 0; c < names.size(); ++c)
            if (names[c].compare(QLatin1String(field), Qt::CaseInsensitive) == 0)
                return c;
        return -1;
    }
    // A click on a column's title, as the grid receives it.
    void clickTitle(const char* gridName, const char* field)
    {
        ui::DBGrid& g = grid(gridName);
        const int c = column(gridName, field);
        ASSERT_GE(c, 0) << gridName << " " << field;
        application.post([&g, c] { g.userClickTitle(c); });
        application.processMessages();
    }
    QStringList titles()
    {
        QStringList shown;
        const int titleColumn = column("DBGrid1", "Titre");
        for (int row = 0; row < grid("DBGrid1").rowCount(); ++row)
            shown << grid("DBGrid1").cellText(row, titleColumn);
        return shown;
    }
};

}  // namespace

TEST_F(GridBehavioursTest, TitleClicksFlipOneDirectionSharedByEveryGridAndKeepTheFilter)
{
    startWithRows();
    openBooksGrid();
    clickTitle("DBGrid1", "Titre");
    EXPECT_EQ(titles(), QStringList({"Zazie", "Mafalda", "Babar"}));  // the DVD stays out
    EXPECT_EQ(frm().db.ADOTable1.sort(), "Titre DESC");
    clickTitle("DBGrid1", "Titre");
    EXPECT_EQ(titles(), QStringList({"Babar", "Mafalda", "Zazie"}));

    // A click on the borrowers grid in between flips the direction for the books grid too.
    clickTitle("DBGrid1", "Titre");
    openBorrowersGrid();
    clickTitle("DBGrid3", "EmpNom");
    EXPECT_EQ(frm().db.ADOTable3.sort(), "EmpNom ASC");
    openBooksGrid();
    clickTitle("DBGrid1", "Titre");
    EXPECT_EQ(titles(), QStringList({"Zazie", "Mafalda", "Babar"}));
    EXPECT_TRUE(frm().db.ADOTable1.filtered());
}

TEST_F(GridBehavioursTest, BooleanCellsShowTheirCheckBoxAndOtherCellsTheirText)
{
    startWithRows();
    openBooksGrid();
    clickTitle("DBGrid1", "NumLivre");
    clickTitle("DBGrid1", "NumLivre");  // in number order: Babar, Zazie, Mafalda
    ASSERT_EQ(titles(), QStringList({"Babar", "Zazie", "Mafalda"}));
    const app::TDmImages& images = *frm().findPart<app::TDmImages>();
    ui::DBGrid& books = grid("DBGrid1");
    const int lendable = column("DBGrid1", "Empruntable");
    ASSERT_GE(lendable, 0);
    ASSERT_TRUE(books.onDrawColumnCell);
    EXPECT_EQ(books.onDrawColumnCell(0, lendable), images.imgCheck[1]);
    EXPECT_EQ(books.onDrawColumnCell(1, lendable), images.imgCheck[0]);
    EXPECT_EQ(books.onDrawColumnCell(0, column("DBGrid1", "Titre")), nullptr);
    EXPECT_EQ(books.onDrawColumnCell(0, column("DBGrid1", "NumLivre")), nullptr);
    // Only the two pictures of the data module, 16 x 16, the ticked one darker.
    for (const ui::PicturePtr& p : images.imgCheck)
        EXPECT_EQ(p->size(), QSize(16, 16));
    EXPECT_NE(images.imgCheck[0]->pixels(), images.imgCheck[1]->pixels());
    EXPECT_EQ(images.imgCheck[1]->pixel(5, 7), 0xFF000000u);
    EXPECT_EQ(images.imgCheck[0]->pixel(5, 7), 0xFFFFFFFFu);
}
