// Real input on the widgets reaches the model as queued input, hit-tested by the model, and
// the native choices the model cannot see come back as the user's actions.
#define QTEST_QPA_MOUSE_HANDLING
#include "QtFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/qt/Appearance.h"
#include "platform/ui/qt/BalloonTip.h"
#include "platform/ui/qt/FormWindow.h"
#include "platform/ui/qt/PageControlView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextBlock>
#include <QTest>
#include <QTextEdit>

namespace uiqt {
namespace {

class InputTest : public QtFixture {
protected:
    InputTest()
    {
        form.setBounds(QRect(0, 0, 400, 300));
        panel = add<ui::Panel>("Panel14", QRect(8, 8, 360, 220));
        panel->onClick = [this] { events.push_back(QStringLiteral("Panel14 click")); };
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(renderer().windowFor(form)));
    }

    // The model handles what the user's input queued.
    void handle() { app.processMessages(); }

    ui::Panel* panel;
    QStringList events;
};

TEST_F(InputTest, AClickOnAWidgetReachesTheModelAsAClickOnItsControl)
{
    auto* button = add<ui::Button>("Button41", QRect(10, 10, 80, 25), panel);
    button->onClick = [this] { events.push_back(QStringLiteral("Button41 click")); };
    auto* label = add<ui::Label>("Label198", QRect(10, 50, 80, 13), panel);
    label->onClick = [this] { events.push_back(QStringLiteral("Label198 click")); };

    QTest::mouseClick(widget(*button), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_TRUE(events.isEmpty()) << "input is queued, handled by the model's loop";
    EXPECT_EQ(app.input().cursorPos(), button->screenRect().topLeft() + QPoint(5, 6));
    handle();
    QTest::mouseClick(widget(*label), Qt::LeftButton);
    handle();
    EXPECT_EQ(events, (QStringList{"Button41 click", "Label198 click"}));
    EXPECT_EQ(form.activeControl(), button);
}

TEST_F(InputTest, TheModelDecidesWhatLiesUnderThePointer)
{
    // A disabled button takes no click: the panel under it does, as the model hit-tests.
    auto* button = add<ui::Button>("Button40", QRect(10, 10, 80, 25), panel);
    button->onClick = [this] { events.push_back(QStringLiteral("Button40 click")); };
    button->setEnabled(false);
    const QPoint onButton = button->screenRect().topLeft() + QPoint(10, 10) - form.bounds().topLeft();
    QTest::mouseClick(renderer().windowFor(form), Qt::LeftButton, {}, onButton);
    handle();
    EXPECT_EQ(events, (QStringList{"Panel14 click"}));
}

TEST_F(InputTest, ARealDoubleClickRunsOnDblClickAndClicksAButtonTwice)
{
    auto* picture = add<ui::Image>("Image101", QRect(10, 10, 80, 80), panel);
    auto* button = add<ui::Button>("Button40", QRect(100, 10, 80, 25), panel);
    for (ui::Control* control : {static_cast<ui::Control*>(picture), static_cast<ui::Control*>(button)}) {
        const QString name = control->name();
        control->onClick = [this, name] { events.push_back(name + " click"); };
        control->onDblClick = [this, name] { events.push_back(name + " double"); };
    }

    QTest::mouseDClick(widget(*picture), Qt::LeftButton);
    QTest::mouseDClick(widget(*button), Qt::LeftButton);
    handle();
    EXPECT_EQ(events, (QStringList{"Image101 click", "Image101 double", "Button40 click", "Button40 double",
                                   "Button40 click"}));
}

TEST_F(InputTest, KeysGoToTheFocusedEditWithItsChangeEventsAndEnterPressesTheDefaultButton)
{
    auto* edit = add<ui::Edit>("Edit1", QRect(10, 10, 120, 21), panel);
    edit->onChange = [this, edit] { events.push_back(QStringLiteral("change ") + edit->text()); };
    auto* store = add<ui::Button>("Button48", QRect(10, 40, 80, 25), panel);
    store->setDefault(true);
    store->onClick = [this] { events.push_back(QStringLiteral("Button48 click")); };
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget(*edit)) << "Qt's focus follows the model's";

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
    // A key of the keyboard's own layout, typing a character that has no key of its own.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("\u00e9"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_2, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    QApplication::sendEvent(QApplication::focusWidget(), &release);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(events.isEmpty());
    handle();
    EXPECT_EQ(events, (QStringList{"change a", "change a\u00e9", "change a", "Button48 click"}));
    EXPECT_EQ(widget<QLineEdit>(*edit)->text(), QStringLiteral("a"));
    EXPECT_EQ(app.input().keyState(ui::vk::Return) & 0x8000, 0);
}

TEST_F(InputTest, TextComposedByAnInputMethodIsTyped)
{
    auto* edit = add<ui::Edit>("Edit1", QRect(10, 10, 120, 21), panel);
    edit->setFocus();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("\u00ea"));
    QApplication::sendEvent(widget(*edit), &composed);
    handle();
    EXPECT_EQ(edit->text(), QStringLiteral("\u00ea"));
}

TEST_F(InputTest, TheCaretPlacedWithTheMouseIsTheModelsSelection)
{
    auto* edit = add<ui::Edit>("Edit1", QRect(10, 10, 200, 21), panel);
    edit->setText(QStringLiteral("Babar"));
    QTest::mouseClick(widget(*edit), Qt::LeftButton, {}, QPoint(190, 10));
    handle();
    EXPECT_EQ(form.activeControl(), edit);
    EXPECT_EQ(edit->selStart(), 5);
    EXPECT_EQ(edit->selLength(), 0);
}

TEST_F(InputTest, TheCaretPlacedInAMemoCountsItsLineEnds)
{
    auto* memo = add<ui::Memo>("Memo1", QRect(10, 10, 200, 100), panel);
    memo->setLines({QStringLiteral("Alice"), QStringLiteral("Babar")});
    auto* editor = widget<QPlainTextEdit>(*memo);
    QTextCursor second(editor->document()->findBlockByNumber(1));
    second.movePosition(QTextCursor::EndOfBlock);
    const QPoint endOfBabar = editor->cursorRect(second).center() + QPoint(30, 0);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, endOfBabar);
    handle();
    EXPECT_EQ(memo->selStart(), 12);  // "Alice" CR LF "Babar"
}

TEST_F(InputTest, TheCaretPlacedInARichEditFindsTheTextTheModelHasThen)
{
    auto* log = add<ui::RichEdit>("RichEdit7", QRect(10, 10, 200, 100), panel);
    log->setRuns({ui::TextRun{QStringLiteral("Alice\r\nBabar"), ui::Font{}}});
    auto* editor = widget<QTextEdit>(*log);
    // A first line comes in the turn the click comes in.
    log->setSelStart(0);
    log->setSelText(QStringLiteral("Zo\u00e9\r\n"));
    auto* shownAnew = add<ui::RichEdit>("RichEdit8", QRect(10, 115, 200, 100), panel);
    shownAnew->setRuns(log->runs());
    auto* expected = widget<QTextEdit>(*shownAnew);
    QTextCursor second(expected->document()->findBlockByNumber(1));
    second.movePosition(QTextCursor::EndOfBlock);
    // Delivered at once, as Qt may deliver the user's input before the view's turn comes.
    const QPointF at = expected->cursorRect(second).center() + QPoint(30, 0);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, editor->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(editor->viewport(), &event);
    }
    handle();
    EXPECT_EQ(log->selStart(), 10);  // "Zoé" CR LF "Alice"
}

TEST_F(InputTest, PastingIntoAnEditIsTheUsersEdit)
{
    auto* edit = add<ui::Edit>("Edit1", QRect(10, 10, 200, 21), panel);
    edit->onChange = [this, edit] { events.push_back(QStringLiteral("change ") + edit->text()); };
    edit->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("978-2\r\nrest"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    handle();
    EXPECT_EQ(events, (QStringList{"change 978-2"}));
}

TEST_F(InputTest, AnItemChosenFromTheDropDownListIsTheUsersChoice)
{
    auto* combo = add<ui::ComboBox>("ComboBox17", QRect(10, 10, 120, 21), panel);
    combo->setItems({QStringLiteral("CP"), QStringLiteral("CE1"), QStringLiteral("CE2")});
    combo->onChange = [this, combo] { events.push_back(QStringLiteral("change ") + combo->text()); };
    emit widget<QComboBox>(*combo)->activated(2);
    EXPECT_TRUE(events.isEmpty());
    handle();
    EXPECT_EQ(events, (QStringList{"change CE2"}));
    EXPECT_EQ(widget<QComboBox>(*combo)->currentText(), QStringLiteral("CE2"));
}

TEST_F(InputTest, APressOnATabChoosesItsPage)
{
    auto* pages = add<ui::PageControl>("PageControl1", QRect(10, 10, 300, 200), panel);
    auto* first = add<ui::TabSheet>("TabSheet1", QRect(), pages);
    first->setCaption(QStringLiteral("Tableau"));
    auto* second = add<ui::TabSheet>("TabSheet7", QRect(), pages);
    second->setCaption(QStringLiteral("Essentiel"));
    pages->onChange = [this] { events.push_back(QStringLiteral("PageControl1 change")); };
    QTabBar* tabs = static_cast<PageControlView&>(renderer().viewOf(*pages)).tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    handle();
    EXPECT_EQ(pages->activePage(), second);
    EXPECT_EQ(events, (QStringList{"PageControl1 change"}));
    EXPECT_EQ(tabs->currentIndex(), 1);
}

TEST_F(InputTest, APressOnAListItemChoosesIt)
{
    auto* list = add<ui::ListBox>("ListBox2", QRect(10, 10, 120, 100), panel);
    list->setItems({QStringLiteral("Alice"), QStringLiteral("Babar")});
    list->onClick = [this, list] { events.push_back(QStringLiteral("click %1").arg(list->itemIndex())); };
    auto* items = widget<QListWidget>(*list);
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, items->visualItemRect(items->item(1)).center());
    handle();
    EXPECT_EQ(list->itemIndex(), 1);
    EXPECT_EQ(items->currentRow(), 1);
    // One click, one OnClick, with the item already chosen.
    EXPECT_EQ(events, (QStringList{"click 1"}));
}

TEST_F(InputTest, MenuEntriesChosenInTheMenuBarRunAsMenuCommands)
{
    auto* menu = form.createComponent<ui::MainMenu>(QStringLiteral("MainMenu1"));
    form.setMenu(menu);
    auto* file = menu->add(form.createComponent<ui::MenuItem>(QStringLiteral("F1")));
    file->setCaption(QStringLiteral("Fichier"));
    auto* info = file->add(form.createComponent<ui::MenuItem>(QStringLiteral("Info1")));
    info->setCaption(QStringLiteral("Info base"));
    info->onClick = [this] { events.push_back(QStringLiteral("Info1Click")); };
    QMenuBar* bar = renderer().windowFor(form)->menuBar();
    bar->actions()[0]->menu()->actions()[0]->trigger();
    handle();
    EXPECT_EQ(events, (QStringList{"Info1Click"}));
}

TEST_F(InputTest, ThePointerMovingOverControlsGivesEnterAndLeave)
{
    auto* icon = add<ui::Image>("Image6", QRect(10, 10, 32, 32), panel);
    icon->onMouseEnter = [this] { events.push_back(QStringLiteral("enter")); };
    icon->onMouseLeave = [this] { events.push_back(QStringLiteral("leave")); };
    QWidget* window = renderer().windowFor(form);
    const QPoint onIcon = icon->screenRect().center() - form.bounds().topLeft();
    QTest::mouseMove(window, onIcon);
    QTest::mouseMove(window, onIcon + QPoint(100, 100));
    handle();
    EXPECT_EQ(events, (QStringList{"enter", "leave"}));
}

TEST_F(InputTest, TheCloseBoxAndTheWindowManagersCloseCloseTheFormThroughTheModel)
{
    form.onCloseQuery = [this](bool& canClose) {
        events.push_back(QStringLiteral("close query"));
        canClose = false;
    };
    QTest::mouseClick(renderer().windowFor(form), Qt::LeftButton, {}, QPoint(form.width() - 16, 18));
    handle();
    EXPECT_EQ(events, (QStringList{"close query"}));
    renderer().windowFor(form)->close();
    handle();
    EXPECT_EQ(events, (QStringList{"close query", "close query"}));
    EXPECT_TRUE(renderer().windowFor(form)->isVisible());
}

TEST_F(InputTest, ABalloonHintShowsWhileThePointerRestsOnItsControl)
{
    auto* button = add<ui::Button>("Button87", QRect(10, 10, 80, 25), panel);
    ui::BalloonHint hint;
    hint.icon = 1;
    hint.title = QStringLiteral("Astuce");
    hint.text = QStringLiteral("Scannez le livre");
    button->setBalloonHint(hint);
    QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), widget(*button)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(widget(*button), &rest);
    QPointer<QWidget> shown = balloon::shown();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->palette().color(QPalette::Window), toQColor(ui::colors::cream));
    QStringList texts;
    for (const QLabel* label : shown->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.join(u' ').contains(QStringLiteral("Astuce")));
    EXPECT_TRUE(texts.join(u' ').contains(QStringLiteral("Scannez le livre")));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget(*button), &leave);
    EXPECT_TRUE(!shown || !shown->isVisible());
}

}  // namespace
}  // namespace uiqt
