// Data-aware controls over a small table of books.
#include "SmallBookTable.h"
#include "UiFixture.h"

#include "platform/db/Connection.h"
#include "platform/db/DataSource.h"
#include "platform/db/DatabaseFile.h"
#include "platform/db/Table.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"

#include <QTemporaryDir>

namespace ui {
namespace {

class DataControlsTest : protected SmallBookTable, public UiFixture {
protected:
    DataControlsTest()
    {
        title = add<DBEdit>("DBEdit1", QRect(10, 10, 200, 21));
        title->setDataSource(&source);
        title->setDataField(QStringLiteral("Titre"));
        other = add<Button>("Button28", QRect(10, 40, 80, 25));
    }

    QString storedTitle(int numlivre)
    {
        db::Table check(*connection, QStringLiteral("Table1"), QStringLiteral("numlivre"));
        check.open();
        check.setRecNo(numlivre);
        return check.fieldByName(QStringLiteral("Titre")).asString();
    }

    DBEdit* title;
    Button* other;
};

TEST_F(DataControlsTest, FieldFollowsTheCurrentRowAndTypingEditsAndPostsIt)
{
    EXPECT_EQ(title->text(), QStringLiteral("Alice"));
    table->next();
    EXPECT_EQ(title->text(), QStringLiteral("Babar"));

    title->setFocus();
    title->setSelStart(5);
    input.type(QStringLiteral("!"));
    EXPECT_EQ(table->state(), db::DataSetState::Edit);
    table->post();
    EXPECT_EQ(storedTitle(2), QStringLiteral("Babar!"));
    EXPECT_FALSE(title->modified());
}

// A window's data sources may be destroyed before its controls, as a main window's members go
// before the controls its form owns: the controls forget the source and go without touching it.
TEST_F(DataControlsTest, AControlOutlivingItsDataSourceForgetsIt)
{
    auto early = std::make_unique<db::DataSource>(table.get());
    auto* author = add<DBEdit>("DBEdit2", QRect(10, 70, 200, 21));
    author->setDataSource(early.get());
    author->setDataField(QStringLiteral("Titre"));
    EXPECT_EQ(author->text(), QStringLiteral("Alice"));
    early.reset();
    EXPECT_EQ(author->dataSource(), nullptr);
    table->next();
    EXPECT_EQ(title->text(), QStringLiteral("Babar"));
}

TEST_F(DataControlsTest, TextSetFromCodeIsDisplayOnlyUntilARowIsEditedThenWrittenByThePost)
{
    table->next();
    title->setText(QStringLiteral("Affiché"));
    table->prior();
    table->next();
    EXPECT_EQ(title->text(), QStringLiteral("Babar"));  // the move showed the row's own text

    title->setText(QStringLiteral("Babar et Zéphir"));
    table->edit();
    table->fieldByName(QStringLiteral("Empruntable")).setAsBoolean(false);
    table->post();
    EXPECT_EQ(storedTitle(2), QStringLiteral("Babar et Zéphir"));
}

TEST_F(DataControlsTest, EscapeGivesTheFieldsTextBackAndLeavingTheFieldWritesIt)
{
    title->setFocus();
    title->setSelStart(5);
    input.type(QStringLiteral("x"));
    input.key(vk::Escape);
    EXPECT_EQ(title->text(), QStringLiteral("Alice"));

    title->setSelStart(5);
    input.type(QStringLiteral("s"));
    input.click(*other);
    EXPECT_EQ(table->fieldByName(QStringLiteral("Titre")).asString(), QStringLiteral("Alices"));
    EXPECT_EQ(table->state(), db::DataSetState::Edit);
}

TEST_F(DataControlsTest, AFieldWhoseRowCannotBeEditedTakesNoTyping)
{
    title->setFocus();
    table->close();
    input.type(QStringLiteral("x"));
    EXPECT_EQ(title->text(), QString());

    table->setFilter(QStringLiteral("Titre='Personne'"));
    table->setFiltered(true);
    table->open();
    input.type(QStringLiteral("x"));
    EXPECT_EQ(title->text(), QString());
    EXPECT_EQ(table->recordCount(), 0);
    EXPECT_EQ(table->state(), db::DataSetState::Browse);
}

TEST_F(DataControlsTest, CheckBoxShowsABooleanAndAClickEditsTheRow)
{
    auto* lendable = add<DBCheckBox>("DBCheckBox1", QRect(10, 80, 100, 17));
    lendable->setDataSource(&source);
    lendable->setDataField(QStringLiteral("Empruntable"));
    EXPECT_TRUE(lendable->checked());

    input.click(*lendable);
    EXPECT_FALSE(lendable->checked());
    table->next();  // leaving the changed row posts it
    table->first();
    EXPECT_FALSE(lendable->checked());
    EXPECT_FALSE(table->fieldByName(QStringLiteral("Empruntable")).asBoolean());
}

TEST_F(DataControlsTest, GridShowsRowsWithoutMovingAndTheUsersCellChoiceMovesTheRow)
{
    auto* grid = add<DBGrid>("DBGrid1", QRect(10, 100, 600, 300));
    grid->setDataSource(&source);
    grid->setColumns({"Titre", "IMP_CodeBarres"});
    int notices = 0;
    app.notifications().subscribe([&notices, grid](const Notification& n) {
        notices += n.component == grid && n.property == Property::Data;
    });
    const PicturePtr ticked = std::make_shared<Picture>(1, 1, std::vector<quint32>{0xFF000000});
    grid->onDrawColumnCell = [grid, ticked](int row, int column) {
        return column == 1 && grid->cellValue(row, column).integer() ? ticked : nullptr;
    };
    int sortedBy = -1;
    grid->onTitleClick = [&sortedBy](int column) { sortedBy = column; };
    grid->onDblClick = [grid] {
        std::optional<db::Field> field = grid->selectedField();
        field->dataSet().edit();
        field->setAsBoolean(!field->asBoolean());
        field->dataSet().post();
    };

    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->cellText(2, 0), QStringLiteral("Caillou"));
    EXPECT_EQ(grid->currentRow(), 0);
    // A double click on a cell: its first press chooses the cell, its second runs OnDblClick.
    app.post([grid] { grid->userSelectCell(2, 1); });
    input.doubleClick(*grid);
    app.post([grid] { grid->userClickTitle(0); });
    input.process();

    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_TRUE(grid->focused());
    EXPECT_EQ(title->text(), QStringLiteral("Caillou"));
    EXPECT_EQ(grid->onDrawColumnCell(2, 1), ticked);
    EXPECT_EQ(grid->onDrawColumnCell(1, 1), nullptr);
    EXPECT_EQ(sortedBy, 0);
    EXPECT_GT(notices, 0);

    grid->setReadOnly(true);
    grid->userEditCell(0, 0, QStringLiteral("Non"));
    EXPECT_EQ(table->state(), db::DataSetState::Browse);
    grid->setReadOnly(false);
    grid->userEditCell(0, 0, QStringLiteral("Alice au pays"));
    EXPECT_EQ(title->text(), QStringLiteral("Alice au pays"));
}

TEST_F(DataControlsTest, NavigatorButtonsAreEnabledAsTheLibraryDoesAndDeleteAsksFirst)
{
    using B = DBNavigator::Button;
    auto* navigator = add<DBNavigator>("DBNavigator6", QRect(10, 420, 360, 25));
    navigator->setVisibleButtons({B::First, B::Prior, B::Next, B::Last, B::Delete, B::Edit, B::Post, B::Cancel, B::Refresh});
    navigator->setDataSource(&source);

    EXPECT_FALSE(navigator->buttonEnabled(B::First));
    EXPECT_TRUE(navigator->buttonEnabled(B::Next));
    EXPECT_FALSE(navigator->buttonEnabled(B::Post));

    // Nine buttons of 40 pixels: the fourth is Last, the fifth Delete.
    const QPoint corner = navigator->screenRect().topLeft() - form.bounds().topLeft();
    input.clickAt(corner + QPoint(3 * 40 + 20, 12));
    EXPECT_EQ(title->text(), QStringLiteral("Caillou"));
    EXPECT_FALSE(navigator->buttonEnabled(B::Next));

    dialogs.answer(QStringLiteral("Cancel"));
    input.clickAt(corner + QPoint(4 * 40 + 20, 12));
    EXPECT_EQ(table->recordCount(), 3);
    dialogs.answer(QStringLiteral("OK"));
    input.clickAt(corner + QPoint(4 * 40 + 20, 12));
    EXPECT_EQ(table->recordCount(), 2);
    EXPECT_EQ(dialogs.log().back().text, DBNavigator::deleteQuestion().text);

    table->close();
    EXPECT_FALSE(navigator->buttonEnabled(B::Refresh));
}

TEST_F(DataControlsTest, DeleteRefusedBeforehandAsksNothingAndKeepsTheRow)
{
    using B = DBNavigator::Button;
    auto* navigator = add<DBNavigator>("DBNavigator6", QRect(10, 420, 100, 25));
    navigator->setVisibleButtons({B::Delete});
    navigator->setDataSource(&source);
    bool allowed = false;
    int clicks = 0;
    navigator->beforeDelete = [&allowed] { return allowed; };
    navigator->onClick = [&clicks](B) { ++clicks; };
    const QPoint middle = navigator->screenRect().center() - form.bounds().topLeft();

    input.clickAt(middle);
    EXPECT_EQ(table->recordCount(), 3);
    EXPECT_TRUE(dialogs.log().empty());
    EXPECT_EQ(clicks, 0);

    allowed = true;
    dialogs.answer(QStringLiteral("OK"));
    input.clickAt(middle);
    EXPECT_EQ(table->recordCount(), 2);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace ui
