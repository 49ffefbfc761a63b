// Simulated pointer input: queued, hit-tested by geometry when handled.
#include "UiFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"
#include "platform/ui/testing/OffsetTable.h"

namespace ui {
namespace {

class MouseTest : public UiFixture {
protected:
    // The loan screen's designed places, as the offsets of its simulated clicks rely on them.
    void buildLoanScreen()
    {
        auto* loan = add<Panel>("Panel14", QRect(8, 44, 927, 811));
        add<Button>("Button41", QRect(10, 383, 167, 120), loan);
        add<Button>("Button40", QRect(287, 380, 160, 122), loan);
        add<Button>("Button39", QRect(198, 403, 81, 41), loan);
        add<Edit>("Edit39", QRect(212, 56, 233, 32), loan);
    }
};

TEST_F(MouseTest, MainWindowClientAreaStartsAtEightFiftyFromItsOuterCorner)
{
    // The crop of the book screen reads one point both ways: outer (756, 138), client (748, 88).
    EXPECT_EQ(form.clientOrigin() - form.bounds().topLeft(), QPoint(8, 50));
    EXPECT_EQ(form.clientSize(), QSize(1362, 1022));
    EXPECT_EQ(form.clientToScreen(QPoint(748, 88)), QPoint(756, 138));
}

TEST_F(MouseTest, LoanScreenOffsetsLandOnTheirButtons)
{
    buildLoanScreen();
    testing::expectOffsetsLand(form, {
        {{50, 500}, "Button41"},   // ClickLoanSearch
        {{50, 520}, "Button41"},   // pointer parked when the screen opens
        {{350, 500}, "Button40"},  // pointer parked over "Emprunter" after the search
        {{2, 300}, ""},            // the window frame
        {{20, 120}, "Panel14"},
    });
    // Once the search has hidden "Rechercher", its offset falls on the panel.
    form.get<Button>(QStringLiteral("Button41")).hide();
    testing::expectOffsetsLand(form, {{{50, 500}, "Panel14"}});
}

TEST_F(MouseTest, ReturnScreenOffsetsLandOnChercherAndRangement)
{
    // The return screen at its opened place; its two buttons where the offsets of its simulated
    // input need them ("Chercher" around panel (46..106, 456..486), "Rangement" at (66, 576)).
    auto* screen = add<Panel>("Panel15", QRect(-4, 44, 1037, 784));
    add<Image>("Image45", QRect(460, 145, 400, 550), screen);
    auto* search = add<Button>("Button46", QRect(16, 440, 120, 60), screen);
    auto* tidy = add<Button>("Button48", QRect(16, 556, 120, 60), screen);
    const std::vector<testing::OffsetCase> rows = {
        {{50, 570}, "Button46"},   // the screen opens; Enter in the borrower field
        {{70, 550}, "Button46"},   // press code without its issue; ClickReturnSearch
        {{110, 580}, "Button46"},  // Enter on a copy label
        {{70, 670}, "Button48"},   // after a complete code, or Enter with a borrower
    };
    testing::expectOffsetsLand(form, rows);

    // Hidden, a button takes no click: the automatic return's click falls on the panel.
    tidy->hide();
    search->hide();
    testing::expectOffsetsLand(form, {{{70, 670}, "Panel15"}, {{70, 550}, "Panel15"}});
}

TEST_F(MouseTest, HitTestingFollowsZOrderClippingTabsVisibilityAndEnabledState)
{
    auto* screen = add<Panel>("Panel15", QRect(-4, 44, 1037, 784));
    auto* cover = add<Image>("Image45", QRect(460, 145, 400, 550), screen);
    auto* list = add<Panel>("Panel23", QRect(462, 145, 404, 387), screen);
    form.create<Image>(QStringLiteral("Image47"), screen)->setBounds(QRect(630, 485, 230, 200));
    add<Button>("Button1", QRect(1000, 10, 200, 30), screen);  // beyond the panel's right edge
    auto* pages = add<PageControl>("PageControl1", QRect(10, 600, 300, 150), screen);
    auto* first = form.create<TabSheet>(QStringLiteral("TabSheet1"), pages);
    auto* second = form.create<TabSheet>(QStringLiteral("TabSheet2"), pages);
    add<Button>("Button2", QRect(10, 10, 80, 30), first);
    add<Button>("Button3", QRect(10, 10, 80, 30), second);
    auto* off = add<Button>("Button4", QRect(100, 10, 80, 30), screen);
    off->setEnabled(false);
    auto* gone = add<Button>("Button5", QRect(200, 10, 80, 30), screen);
    gone->hide();
    auto* overlap = add<Panel>("Panel30", QRect(150, 100, 100, 100), screen);
    add<Panel>("Panel31", QRect(200, 150, 100, 100), screen);

    const QPoint panel = screen->clientToScreen(QPoint(0, 0)) - form.bounds().topLeft();
    const auto at = [&](int x, int y) { return QPoint(x, y) + panel; };
    testing::expectOffsetsLand(form, {
        {at(470, 150), "Panel23"},      // a windowed panel lies over the picture added before it
        {at(465, 600), "Image45"},
        {at(700, 600), "Image47"},      // the later picture lies over the earlier one
        {at(1020, 20), "Button1"},
        {at(1040, 20), "FrmPrin"},      // the button's part beyond its panel's edge is clipped
        {at(30, 640), "Button2"},       // page control at (10, 600), its sheets at (4, 24)
        {at(110, 20), "Panel15"},       // disabled: the click goes to the parent
        {at(210, 20), "Panel15"},       // hidden
        {at(220, 170), "Panel31"},      // the later sibling is on top
    });

    pages->setActivePage(second);
    overlap->bringToFront();
    cover->bringToFront();  // still below every windowed sibling
    testing::expectOffsetsLand(form, {
        {at(30, 640), "Button3"},
        {at(220, 170), "Panel30"},
        {at(470, 150), "Panel23"},
    });
    list->hide();
    EXPECT_EQ(testing::controlNameAtOffset(form, at(470, 150)), QStringLiteral("Image45"));
}

TEST_F(MouseTest, AQueuedClickLandsOnWhateverLiesUnderThePointWhenItIsHandled)
{
    buildLoanScreen();
    auto& search = form.get<Button>(QStringLiteral("Button41"));
    auto& lend = form.get<Button>(QStringLiteral("Button40"));
    auto* other = add<Button>("Button42", search.bounds(), search.parent());
    other->hide();
    search.onClick = [this] { events.push_back("Button41"); };
    other->onClick = [this] { events.push_back("Button42"); };
    // The handler clicks at (50, 500), then swaps the buttons before the click is handled.
    Button* replacement = other;
    lend.onClick = [&] {
        app.input().setCursorPos(form.bounds().topLeft() + QPoint(50, 500));
        app.input().leftClick();
        app.input().setCursorPos(form.bounds().topLeft() + QPoint(350, 500));  // the click keeps its point
        search.hide();
        if (replacement)
            replacement->show();
        events.push_back("Button40");
    };

    input.click(lend);
    EXPECT_EQ(events, (std::vector<QString>{"Button40", "Button42"}));

    // Where the button is hidden and nothing replaces it, the click does nothing.
    other->hide();
    replacement = nullptr;
    events.clear();
    input.click(lend);
    EXPECT_EQ(events, (std::vector<QString>{"Button40"}));
}

TEST_F(MouseTest, ClickingAButtonFocusesItFirstWhileGraphicButtonsLeaveTheFocus)
{
    buildLoanScreen();
    auto& code = form.get<Edit>(QStringLiteral("Edit39"));
    auto& lend = form.get<Button>(QStringLiteral("Button40"));
    auto* save = add<SpeedButton>("SpeedButton20", QRect(600, 100, 103, 28), lend.parent());
    save->onClick = [this] { events.push_back("save"); };
    // A button whose OnEnter is its click handler runs it twice on one click.
    lend.onEnter = [this] { events.push_back("Button40"); };
    lend.onClick = lend.onEnter;
    code.setFocus();

    input.click(*save);
    EXPECT_TRUE(code.focused());
    input.click(lend);
    EXPECT_TRUE(lend.focused());
    EXPECT_EQ(events, (std::vector<QString>{"save", "Button40", "Button40"}));
}

TEST_F(MouseTest, PressReleaseRightClickDoubleClickAndHoverReachTheirEvents)
{
    auto* picture = add<Image>("Image3", QRect(740, 38, 310, 406));
    auto* label = add<Label>("Label1", QRect(10, 10, 100, 20));
    picture->onMouseDown = [this](MouseButton b, ShiftState, int x, int y) {
        events.push_back(QStringLiteral("down %1 %2,%3").arg(b == MouseButton::Left ? "L" : "R").arg(x).arg(y));
    };
    picture->onMouseUp = [this](MouseButton b, ShiftState, int x, int y) {
        events.push_back(QStringLiteral("up %1 %2,%3").arg(b == MouseButton::Left ? "L" : "R").arg(x).arg(y));
    };
    picture->onClick = [this] { events.push_back("click"); };
    picture->onDblClick = [this] { events.push_back("double"); };
    picture->onMouseEnter = [this] { events.push_back("enter"); };
    picture->onMouseLeave = [this] { events.push_back("leave"); };

    app.input().setCursorPos(form.clientToScreen(QPoint(750, 48)));
    app.input().leftDown();
    app.input().setCursorPos(form.clientToScreen(QPoint(2000, 48)));  // released outside: no click
    app.input().leftUp();
    input.rightClickAt(QPoint(8 + 760, 50 + 58));
    input.doubleClick(*picture);
    input.hover(*label);

    const QString mid = QStringLiteral("%1,%2").arg(Input::centreOf(*picture).x() - picture->screenRect().x())
                            .arg(Input::centreOf(*picture).y() - picture->screenRect().y());
    EXPECT_EQ(events, (std::vector<QString>{"enter", "down L 10,10", "leave", "up L 1260,10", "enter",
                                            "down R 20,20", "up R 20,20", "down L " + mid, "up L " + mid,
                                            "click", "double", "down L " + mid, "up L " + mid, "leave"}));
}

TEST_F(MouseTest, ADoubleClickRunsOnDblClickAndClicksButtonsAndBoxesTwice)
{
    struct Case {
        Control* control;
        std::vector<QString> events;
    };
    auto* box = add<CheckBox>("CheckBox39", QRect(10, 10, 150, 17));
    const std::vector<Case> cases = {
        {add<Image>("Image101", QRect(10, 40, 100, 100)), {"click", "double"}},
        {add<Label>("Label198", QRect(10, 150, 100, 13)), {"click", "double"}},
        {add<Panel>("Panel23", QRect(200, 10, 100, 100)), {"click", "double"}},
        {add<Button>("Button48", QRect(200, 150, 100, 30)), {"click", "double", "click"}},
        {add<SpeedButton>("SpeedButton20", QRect(200, 200, 100, 30)), {"click", "double", "click"}},
        {box, {"click", "double", "click"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->name().toStdString());
        events.clear();
        c.control->onClick = [this] { events.push_back("click"); };
        c.control->onDblClick = [this] { events.push_back("double"); };
        input.doubleClick(*c.control);
        EXPECT_EQ(events, c.events);
    }
    EXPECT_FALSE(box->checked());  // ticked and unticked again
}

TEST_F(MouseTest, APanelGivenTheMoveCommandFollowsThePointerInsideItsParentUntilRelease)
{
    auto* screen = add<Panel>("Panel4", QRect(8, 51, 1265, 834));
    auto* search = add<Panel>("Panel19", QRect(100, 100, 200, 80), screen);
    search->onMouseDown = [search](MouseButton, ShiftState, int, int) { search->beginMoveDrag(); };
    int clicks = 0;
    search->onClick = [&clicks] { ++clicks; };

    const QPoint start = Input::centreOf(*search);
    app.input().setCursorPos(start);
    app.input().leftDown();
    app.input().setCursorPos(start + QPoint(30, -20));
    app.input().setCursorPos(start + QPoint(-5000, 40));  // held at the parent's left edge
    app.input().leftUp();
    app.input().setCursorPos(start + QPoint(300, 300));
    input.process();

    EXPECT_EQ(search->bounds(), QRect(100 - (start.x() - screen->screenRect().left()), 140, 200, 80));
    EXPECT_EQ(clicks, 0);
}

TEST_F(MouseTest, TheDriverRefusesToClickAControlThatCannotBeSeen)
{
    buildLoanScreen();
    auto& lend = form.get<Button>(QStringLiteral("Button40"));
    lend.hide();
    EXPECT_THROW(input.click(lend), ScriptFailure);
    lend.show();
    add<Panel>("Panel99", QRect(280, 370, 200, 200), lend.parent());  // covers it
    EXPECT_THROW(input.click(QStringLiteral("Button40")), ScriptFailure);
    EXPECT_THROW(input.click(QStringLiteral("NoSuchButton")), ScriptFailure);
}

// A right click on a web view opens its page's menu, the scripted dialogs naming its entries; the
// entry answered runs, Cancel closes the menu, and a right click beside the view opens none. A
// left click gives the view the focus, so that the page gets the keys.
TEST_F(MouseTest, ARightClickOnAWebViewOpensItsPageMenuAndALeftClickGivesItTheFocus)
{
    auto* address = add<Edit>("Edit99", QRect(10, 10, 300, 24));
    auto* view = add<WebBrowser>("WebBrowser11", QRect(10, 50, 600, 400));
    view->setPageMenu({{QStringLiteral("Imprimer…"), [this] { events.push_back("print"); }},
                       {QStringLiteral("Aperçu avant impression"), [this] { events.push_back("preview"); }}});
    address->setFocus();
    input.click(*view);
    EXPECT_TRUE(view->focused());

    dialogs.answer(QStringLiteral("aperçu avant impression"));
    dialogs.answer(QStringLiteral("Cancel"));
    const QPoint overView = form.clientToScreen(QPoint(300, 250)) - form.bounds().topLeft();
    input.rightClickAt(overView);
    input.rightClickAt(overView);
    input.rightClickAt(form.clientToScreen(QPoint(700, 250)) - form.bounds().topLeft());
    EXPECT_EQ(events, std::vector<QString>{"preview"});
    ASSERT_EQ(dialogs.log().size(), 2u);
    EXPECT_EQ(dialogs.log()[0].kind, DialogRecord::Kind::Menu);
    EXPECT_EQ(dialogs.log()[0].buttons, (QStringList{"Imprimer…", "Aperçu avant impression"}));
    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
}

}  // namespace
}  // namespace ui
