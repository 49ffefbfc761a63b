// The grid and the navigator over a small table of books.
#define QTEST_QPA_MOUSE_HANDLING
#include "QtFixture.h"
#include "SmallBookTable.h"

#include "platform/db/Connection.h"
#include "platform/db/DataSource.h"
#include "platform/db/DatabaseFile.h"
#include "platform/db/Table.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/qt/DataViews.h"

#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace uiqt {
namespace {

class DataViewsTest : protected SmallBookTable, public QtFixture {
protected:
    DataViewsTest()
    {
        form.setBounds(QRect(0, 0, 500, 300));
        grid = add<ui::DBGrid>("DBGrid3", QRect(10, 10, 400, 150));
        grid->setDataSource(&source);
        grid->setColumns({QStringLiteral("numlivre"), QStringLiteral("Titre")});
        form.show();
    }

    ~DataViewsTest() override { grid->setDataSource(nullptr); }

    QTableView* view()
    {
        auto& gridView = static_cast<DBGridView&>(renderer().viewOf(*grid));
        gridView.refresh();
        return gridView.table();
    }

    ui::DBGrid* grid;
    QStringList events;
};

TEST_F(DataViewsTest, TheGridShowsTheRowsAndItsCurrentCell)
{
    QTableView* rows = view();
    ASSERT_EQ(rows->model()->rowCount(), 3);
    EXPECT_EQ(rows->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Titre"));
    EXPECT_EQ(rows->model()->index(1, 1).data().toString(), QStringLiteral("Babar"));
    table->last();
    EXPECT_EQ(view()->currentIndex().row(), 2);
}

TEST_F(DataViewsTest, PressesInACellAndOnATitleAreTheUsersActionsOnTheGrid)
{
    grid->onTitleClick = [this](int column) { events.push_back(QStringLiteral("title %1").arg(column)); };
    grid->onDblClick = [this] { events.push_back(QStringLiteral("double click")); };
    QTableView* rows = view();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(rows->model()->index(1, 1)).center());
    app.processMessages();
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->selectedColumn(), 1);
    EXPECT_EQ(form.activeControl(), grid);

    QHeaderView* titles = rows->horizontalHeader();
    QTest::mouseClick(titles, Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(1) + 5, 5));
    QTest::mouseDClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(rows->model()->index(2, 0)).center());
    app.processMessages();
    EXPECT_EQ(events, (QStringList{"title 1", "double click"}));
    EXPECT_EQ(grid->currentRow(), 2);
}

TEST_F(DataViewsTest, TextTypedIntoACellEditsTheRow)
{
    QTableView* rows = view();
    rows->model()->setData(rows->model()->index(0, 1), QStringLiteral("Astérix"));
    app.processMessages();
    EXPECT_EQ(grid->cellText(0, 1), QStringLiteral("Astérix"));
}

TEST_F(DataViewsTest, EachColumnIsAtLeastAsWideAsItsTitle)
{
    grid->setColumns({QStringLiteral("numlivre"), QStringLiteral("NbrEmpruntsEnCours")});
    for (int reload = 0; reload < 2; ++reload) {
        QHeaderView* titles = view()->horizontalHeader();
        EXPECT_EQ(titles->sectionSize(0), titles->defaultSectionSize());
        EXPECT_GT(titles->sectionSize(1), titles->fontMetrics().horizontalAdvance(QStringLiteral("NbrEmpruntsEnCours")));
        EXPECT_GE(titles->sectionSize(1), titles->sectionSizeHint(1));
        table->last();
    }
}

TEST_F(DataViewsTest, TheNavigatorsButtonsAreWhereTheModelLooksForThem)
{
    auto* navigator = add<ui::DBNavigator>("DBNavigator5", QRect(10, 170, 240, 25));
    navigator->setDataSource(&source);
    navigator->setVisibleButtons({ui::DBNavigator::Button::First, ui::DBNavigator::Button::Prior,
                                  ui::DBNavigator::Button::Next, ui::DBNavigator::Button::Last});
    QTest::mouseClick(widget(*navigator), Qt::LeftButton, {}, QPoint(200, 12));
    app.processMessages();
    EXPECT_EQ(table->recNo(), 3);
    QTest::mouseClick(widget(*navigator), Qt::LeftButton, {}, QPoint(10, 12));
    app.processMessages();
    EXPECT_EQ(table->recNo(), 1);
    navigator->setDataSource(nullptr);
}

}  // namespace
}  // namespace uiqt
