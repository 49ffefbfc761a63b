// The grids' shared behaviours: a title click sorts with one direction shared by every grid,
// keeping the screen's filter; Boolean cells drawn as check boxes.
#include "MainWindowFixture.h"

#include "app/GridCheckBoxes.h"
#include "app/GridSorting.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Panel.h"

namespace {

class GridBehavioursTest : public MainWindowTest {
protected:
    // The books grid and the borrowers grid over their tables, as their screens build them.
    void startWithGrids()
    {
        start({"Cancel"}, {[](app::TFrmPrin& f) {
                   auto* books = f.create<ui::DBGrid>(QStringLiteral("DBGrid1"), &f.get<ui::Panel>(QStringLiteral("Panel4")));
                   books->setDataSource(&f.db.DataSource1);
                   books->setColumns({"Titre", "Empruntable", "NumLivre"});
                   auto* borrowers = f.create<ui::DBGrid>(QStringLiteral("DBGrid3"), &f.get<ui::Panel>(QStringLiteral("Panel2")));
                   borrowers->setDataSource(&f.db.DataSource3);
                   borrowers->setColumns({"EmpNom"});
                   f.addPart<app::GridSorting>(f);
                   app::bindCheckBoxCells(f, f.addPart<app::TDmImages>());
               }});
        db::Connection& c = frm().db.ADOConnection1;
        for (const char* row : {"('Babar', 'LIVRE', 1)", "('Zazie', 'LIVRE', 0)", "('Astérix', 'DVD', 1)",
                                "('Mafalda', 'LIVRE', 1)"})
            c.execute(QStringLiteral("INSERT INTO Table1 (Titre, Type, Empruntable) VALUES ") + QString::fromUtf8(row));
        c.execute(QStringLiteral("INSERT INTO Emprunteurs (EmpNom) VALUES ('Martin')"));
        frm().db.ADOTable1.close();
        frm().db.ADOTable1.setFilter(QStringLiteral("Type='LIVRE'"));
        frm().db.ADOTable1.setFiltered(true);
        frm().db.ADOTable1.open();
    }
    ui::DBGrid& grid(const char* name) { return frm().get<ui::DBGrid>(QString::fromLatin1(name)); }
    void clickTitle(const char* name, int column)
    {
        ui::DBGrid& g = grid(name);
        application.post([&g, column] { g.userClickTitle(column); });
        application.processMessages();
    }
    QStringList titles()
    {
        QStringList shown;
        for (int row = 0; row < grid("DBGrid1").rowCount(); ++row)
            shown << grid("DBGrid1").cellText(row, 0);
        return shown;
    }
};

}  // namespace

TEST_F(GridBehavioursTest, TitleClicksFlipOneDirectionSharedByEveryGridAndKeepTheFilter)
{
    startWithGrids();
    clickTitle("DBGrid1", 0);
    EXPECT_EQ(titles(), QStringList({"Zazie", "Mafalda", "Babar"}));  // the DVD stays out
    EXPECT_EQ(frm().db.ADOTable1.sort(), "Titre DESC");
    clickTitle("DBGrid1", 0);
    EXPECT_EQ(titles(), QStringList({"Babar", "Mafalda", "Zazie"}));

    // A click on the borrowers grid in between flips the direction for the books grid too.
    clickTitle("DBGrid1", 0);
    clickTitle("DBGrid3", 0);
    EXPECT_EQ(frm().db.ADOTable3.sort(), "EmpNom ASC");
    clickTitle("DBGrid1", 0);
    EXPECT_EQ(titles(), QStringList({"Zazie", "Mafalda", "Babar"}));
    EXPECT_TRUE(frm().db.ADOTable1.filtered());
}

TEST_F(GridBehavioursTest, BooleanCellsShowTheirCheckBoxAndOtherCellsTheirText)
{
    startWithGrids();
    clickTitle("DBGrid1", 2);
    clickTitle("DBGrid1", 2);  // in number order: Babar, Zazie, Mafalda
    const app::TDmImages& images = *frm().findPart<app::TDmImages>();
    ui::DBGrid& books = grid("DBGrid1");
    ASSERT_TRUE(books.onDrawColumnCell);
    EXPECT_EQ(books.onDrawColumnCell(0, 1), images.imgCheck[1]);
    EXPECT_EQ(books.onDrawColumnCell(1, 1), images.imgCheck[0]);
    EXPECT_EQ(books.onDrawColumnCell(0, 0), nullptr);
    EXPECT_EQ(books.onDrawColumnCell(0, 2), nullptr);
    // Only the two pictures of the data module, 16 x 16, the ticked one darker.
    for (const ui::PicturePtr& p : images.imgCheck)
        EXPECT_EQ(p->size(), QSize(16, 16));
    EXPECT_NE(images.imgCheck[0]->pixels(), images.imgCheck[1]->pixels());
    EXPECT_EQ(images.imgCheck[1]->pixel(5, 7), 0xFF000000u);
    EXPECT_EQ(images.imgCheck[0]->pixel(5, 7), 0xFFFFFFFFu);
}
