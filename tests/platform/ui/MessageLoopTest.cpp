// One queue in arrival order, waits that process it, virtual time, and handler errors.
#include "UiFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"
#include "platform/ui/PlatformPump.h"

namespace ui {
namespace {

class MessageLoopTest : public UiFixture {
protected:
    MessageLoopTest()
    {
        screen = add<Panel>("Panel4", QRect(8, 51, 1265, 834));
        slow = add<Button>("Button1", QRect(10, 10, 100, 40), screen);
        quick = add<Button>("Button2", QRect(10, 60, 100, 40), screen);
        slow->onClick = [this] {
            events.push_back("Button1 waits");
            app.delay(100);
            events.push_back("Button1 goes on");
        };
        quick->onClick = [this] { events.push_back("Button2"); };
    }

    Panel* screen;
    Button* slow;
    Button* quick;
};

TEST_F(MessageLoopTest, AClickQueuedDuringADelayRunsInsideTheWaitingHandler)
{
    // The second click arrives 40 ms into the wait, as a person clicking meanwhile.
    app.postAfter(40, [this] { input.queueClick(*quick); });
    input.click(*slow);

    EXPECT_EQ(events, (std::vector<QString>{"Button1 waits", "Button2", "Button1 goes on"}));
    EXPECT_EQ(clock.milliseconds(), 100);
}

TEST_F(MessageLoopTest, KeysClicksAndPostedWorkAreHandledInArrivalOrder)
{
    auto* field = add<Edit>("Edit1", QRect(200, 10, 100, 30), screen);
    field->setFocus();
    field->onChange = [this, field] { events.push_back("text " + field->text()); };
    app.post([this] { events.push_back("work"); });
    app.input().typeChar(u'7');
    input.queueClick(*quick);  // focuses the button: the next key goes to it
    app.input().typeChar(u'8');
    app.post([this] { events.push_back("more work"); });
    input.process();

    EXPECT_EQ(events, (std::vector<QString>{"work", "text 7", "Button2", "more work"}));
}

TEST_F(MessageLoopTest, DelayProcessesMessagesAtLeastOnceAndLetsVirtualTimeMoveWhenIdle)
{
    app.post([this] { events.push_back("queued"); });
    app.delay(0);
    EXPECT_EQ(events, (std::vector<QString>{"queued"}));
    EXPECT_EQ(clock.milliseconds(), 0);

    app.postAfter(30, [this] { events.push_back("at " + QString::number(clock.milliseconds())); });
    app.postAfter(500, [this] { events.push_back("late"); });
    app.delay(1);
    app.delay(100);
    EXPECT_EQ(events, (std::vector<QString>{"queued", "at 30"}));
    EXPECT_EQ(clock.milliseconds(), 101);

    app.runUntilIdle();
    EXPECT_EQ(events.back(), QStringLiteral("late"));
    EXPECT_EQ(clock.milliseconds(), 500);
}

TEST_F(MessageLoopTest, WaitUntilEndsWhenDoneOrAtItsLimit)
{
    bool loaded = false;
    app.postAfter(250, [&loaded] { loaded = true; });
    EXPECT_TRUE(app.waitUntil([&loaded] { return loaded; }, 120'000));
    EXPECT_EQ(clock.milliseconds(), 250);

    EXPECT_FALSE(app.waitUntil([] { return false; }, 120'000));
    EXPECT_EQ(clock.milliseconds(), 120'250);
}

TEST_F(MessageLoopTest, FocusingAHiddenControlShowsTheLibraryErrorAndEndsOnlyThatHandler)
{
    auto* hidden = add<Edit>("Edit4", QRect(200, 10, 100, 30), screen);
    hidden->hide();
    quick->onClick = [this, hidden] {
        events.push_back("Button2 starts");
        hidden->setFocus();
        events.push_back("never reached");
    };
    input.queueClick(*quick);
    app.post([this] { events.push_back("next message"); });
    input.process();

    EXPECT_EQ(events, (std::vector<QString>{"Button2 starts", "next message"}));
    ASSERT_EQ(dialogs.log().size(), 1u);
    EXPECT_EQ(dialogs.log()[0].kind, DialogRecord::Kind::Error);
    EXPECT_EQ(dialogs.log()[0].caption, QStringLiteral("QvlZantor"));
    EXPECT_EQ(dialogs.log()[0].text, QStringLiteral("Cannot focus a disabled or invisible window."));
}

TEST_F(MessageLoopTest, AControlThatIsDisabledOrInsideAHiddenOrDisabledPanelCannotTakeTheFocus)
{
    auto* panel = add<Panel>("Panel23", QRect(300, 10, 300, 100), screen);
    auto* field = add<Edit>("Edit49", QRect(10, 10, 100, 30), panel);
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"disabled", [field] { field->setEnabled(false); }},
        {"panel hidden", [panel] { panel->hide(); }},
        {"panel disabled", [panel] { panel->setEnabled(false); }},
    };
    for (const auto& [state, arrange] : cases) {
        SCOPED_TRACE(state);
        field->setEnabled(true);
        panel->show();
        panel->setEnabled(true);
        arrange();
        events.clear();
        dialogs.clearLog();
        quick->onClick = [this, field] {
            field->setFocus();
            events.push_back("never reached");
        };
        input.click(*quick);

        EXPECT_TRUE(events.empty());
        EXPECT_EQ(dialogs.errors(), QStringList{"Cannot focus a disabled or invisible window."});
        EXPECT_EQ(form.activeControl(), quick);
    }
}

TEST_F(MessageLoopTest, AnErrorInOnChangeEndsOnlyTheChangeHandlerNotTheCodeThatSetTheText)
{
    auto* field = add<Edit>("Edit1", QRect(200, 10, 100, 30), screen);
    field->onChange = [] { throw std::runtime_error("Invalid argument to date encode"); };
    quick->onClick = [this, field] {
        field->setText(QStringLiteral("x"));
        events.push_back("goes on with " + field->text());
    };
    input.click(*quick);

    EXPECT_EQ(events, (std::vector<QString>{"goes on with x"}));
    EXPECT_EQ(dialogs.errors(), QStringList{"Invalid argument to date encode."});
}

TEST_F(MessageLoopTest, ErrorBoxAddsAFullStopOnlyAfterTextThatLacksOne)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Disk full", "Disk full."}, {"Done.", "Done."}, {"Oops!", "Oops!"}, {"", ""}};
    for (const auto& [thrown, shown] : cases)
        app.post([message = thrown] { throw std::runtime_error(message); });
    input.process();
    EXPECT_EQ(dialogs.errors(), (QStringList{"Disk full.", "Done.", "Oops!", ""}));
}

TEST_F(MessageLoopTest, ScriptFailuresPassEveryHandlerGuard)
{
    quick->onClick = [] { throw ScriptFailure(QStringLiteral("unexpected")); };
    input.queueClick(*quick);
    EXPECT_THROW(input.process(), ScriptFailure);
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

TEST_F(MessageLoopTest, ThePlatformPumpRunsWheneverMessagesAreProcessed)
{
    struct CountingPump : PlatformPump {
        int calls = 0;
        void processEvents() override { ++calls; }
    } pump;
    app.setPlatformPump(&pump);
    app.delay(25);
    app.setPlatformPump(nullptr);
    // Idle waits sleep in slices of 10 ms between pump runs.
    EXPECT_EQ(pump.calls, 4);
}

}  // namespace
}  // namespace ui
