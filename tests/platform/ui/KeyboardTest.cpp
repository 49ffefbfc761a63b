// Keys reach controls only through the queue, in the library's order.
#include "UiFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"

namespace ui {
namespace {

class KeyboardTest : public UiFixture {
protected:
    KeyboardTest()
    {
        loan = add<Panel>("Panel14", QRect(8, 44, 927, 811));
        code = add<Edit>("Edit39", QRect(212, 56, 233, 32), loan);
        borrower = add<Edit>("Edit41", QRect(212, 260, 129, 32), loan);
        lend = add<Button>("Button40", QRect(287, 380, 160, 122), loan);
        returns = add<Panel>("Panel15", QRect(-4, 44, 1037, 784));
        tidy = add<Button>("Button48", QRect(40, 560, 120, 40), returns);
        tidy->setDefault(true);
        tidy->onClick = [this] { events.push_back("Button48 click"); };
        returns->hide();
        code->setFocus();
    }

    Panel* loan;
    Edit* code;
    Edit* borrower;
    Button* lend;
    Panel* returns;
    Button* tidy;
};

TEST_F(KeyboardTest, ScannerBurstFollowsTheFocusThatOnChangeMovesAtTheThirteenthCharacter)
{
    code->onKeyPress = [this](QChar& key) {
        events.push_back("Edit39 press " + QString(key) + " on " + code->text());
    };
    code->onChange = [this] {
        if (code->text().size() == 13)
            borrower->setFocus();
    };
    borrower->onKeyPress = [this](QChar& key) {
        if (key == u'\r')
            events.push_back("Edit41 Enter with " + borrower->text());
    };

    input.scan(QStringLiteral("978207061275812"));

    EXPECT_EQ(code->text(), QStringLiteral("9782070612758"));
    EXPECT_EQ(borrower->text(), QStringLiteral("12"));
    EXPECT_TRUE(borrower->focused());
    ASSERT_EQ(events.size(), 14u);
    // KeyPress sees the text before the character goes in.
    EXPECT_EQ(events[12], QStringLiteral("Edit39 press 8 on 978207061275"));
    EXPECT_EQ(events[13], QStringLiteral("Edit41 Enter with 12"));
}

TEST_F(KeyboardTest, EachKeyRunsKeyDownThenKeyPressThenInsertionThenOnChangeThenKeyUp)
{
    code->setText(QStringLiteral("ab"));
    code->setSelStart(2);
    code->onKeyDown = [this](quint16& key, ShiftState) { events.push_back("down " + QString::number(key)); };
    code->onKeyPress = [this](QChar& key) { events.push_back("press " + QString(key) + " on " + code->text()); };
    code->onChange = [this] { events.push_back("change to " + code->text()); };
    code->onKeyUp = [this](quint16& key, ShiftState) { events.push_back("up " + QString::number(key)); };

    input.type(QStringLiteral("c"));

    EXPECT_EQ(events, (std::vector<QString>{"down 67", "press c on ab", "change to abc", "up 67"}));
}

TEST_F(KeyboardTest, DefaultButtonTakesEnterFromAnyEditOnlyWhileItCanTakeTheFocus)
{
    struct Case {
        const char* state;
        std::function<void()> arrange;
        bool pressesDefault;
    };
    const std::vector<Case> cases = {
        {"shown", [this] { returns->show(); }, true},
        {"hidden", [this] { returns->show(); tidy->hide(); }, false},
        {"parent hidden", [] {}, false},
        {"disabled", [this] { returns->show(); tidy->setEnabled(false); }, false},
        {"parent disabled", [this] { returns->show(); returns->setEnabled(false); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        returns->hide();
        returns->setEnabled(true);
        tidy->show();
        tidy->setEnabled(true);
        c.arrange();
        for (Edit* field : {code, borrower}) {
            events.clear();
            field->onKeyPress = [this, field](QChar& key) {
                if (key == u'\r')
                    events.push_back(field->name() + " Enter");
            };
            field->setFocus();

            input.key(vk::Return);

            EXPECT_EQ(events, (std::vector<QString>{c.pressesDefault ? "Button48 click" : field->name() + " Enter"}));
        }
    }
}

TEST_F(KeyboardTest, FocusedButtonTakesEnterItselfAndOtherKeysReachItsKeyPress)
{
    returns->show();
    lend->onClick = [this] { events.push_back("Button40 click"); };
    lend->onKeyPress = [this](QChar& key) { events.push_back("Button40 press " + QString(key)); };
    lend->setFocus();

    input.scan(QStringLiteral("97"));

    EXPECT_EQ(events, (std::vector<QString>{"Button40 press 9", "Button40 press 7", "Button40 click"}));
}

TEST_F(KeyboardTest, MemoTakesEnterAsANewLineEvenWhileTheDefaultButtonIsShown)
{
    returns->show();
    auto* memo = add<Memo>("Memo3", QRect(10, 10, 200, 100), loan);
    memo->setFocus();

    input.scan(QStringLiteral("12"));
    input.type(QStringLiteral("3"));

    EXPECT_EQ(memo->lines(), (QStringList{"12", "3"}));
    EXPECT_TRUE(events.empty());
}

TEST_F(KeyboardTest, OnChangeRunsAtOnceNestedAndOnlyOnARealChange)
{
    // The handler rewrites the text; the rewrite's own OnChange runs inside it.
    code->onChange = [this] {
        events.push_back("change " + code->text());
        code->setText(code->text().toUpper());
        events.push_back("end " + code->text());
    };

    code->setText(QStringLiteral("abc"));
    code->setText(QStringLiteral("ABC"));

    EXPECT_EQ(events, (std::vector<QString>{"change abc", "change ABC", "end ABC", "end ABC"}));
}

TEST_F(KeyboardTest, TextSetFromCodePutsTheCaretAtTheStartSoTheNextKeyGoesInFront)
{
    code->onKeyPress = [this](QChar& key) {
        if (key == u'-')
            code->setText(code->text());  // no change: the caret stays
        if (key == u'x')
            code->setText(code->text() + QStringLiteral("!"));
    };

    input.type(QStringLiteral("ab-x"));

    EXPECT_EQ(code->text(), QStringLiteral("xab-!"));
    EXPECT_EQ(code->selStart(), 1);
}

TEST_F(KeyboardTest, EditingKeysMoveTheCaretAndDeleteCharacters)
{
    struct Case {
        std::vector<quint16> keys;
        const char* text;
        int caret;
    };
    const std::vector<Case> cases = {
        {{vk::Back}, "abc", 3},
        {{vk::Left, vk::Back}, "abd", 2},
        {{vk::Home, vk::Delete}, "bcd", 0},
        {{vk::Home, vk::Right, vk::Right, vk::Delete}, "abd", 2},
        {{vk::End, vk::Delete}, "abcd", 4},
        {{vk::Home, vk::Back}, "abcd", 0},
    };
    for (const Case& c : cases) {
        code->setText(QStringLiteral("abcd"));
        code->setSelStart(4);
        for (quint16 key : c.keys)
            input.key(key);
        EXPECT_EQ(code->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(code->selStart(), c.caret);
    }
}

TEST_F(KeyboardTest, TypedTextReplacesTheSelection)
{
    code->setText(QStringLiteral("978-2"));
    code->selectAll();
    input.type(QStringLiteral("1"));
    EXPECT_EQ(code->text(), QStringLiteral("1"));
}

TEST_F(KeyboardTest, CapsLockTogglesOnItsKeyDownAndShapesTypedLetters)
{
    Input& keys = app.input();
    EXPECT_EQ(keys.keyState(vk::Capital) & 1, 0);

    keys.keyDown(vk::Capital, true);
    EXPECT_TRUE(keys.capsLock());
    EXPECT_LT(keys.keyState(vk::Capital), 0);  // held down
    keys.keyUp(vk::Capital, true);
    EXPECT_EQ(keys.keyState(vk::Capital), 1);
    keys.keyDown('A');
    keys.keyUp('A');
    keys.keyDown(vk::Capital, true);
    keys.keyUp(vk::Capital, true);
    keys.keyDown('A');
    keys.keyUp('A');
    input.process();

    EXPECT_FALSE(keys.capsLock());
    EXPECT_EQ(code->text(), QStringLiteral("Aa"));
}

TEST_F(KeyboardTest, FlushKeyboardInputDropsTheRestOfTheBurstButNotAQueuedClick)
{
    returns->show();
    code->onChange = [this] {
        if (code->text().size() == 13)
            app.input().flushKeyboardInput();
    };
    auto* search = add<Button>("Button46", QRect(40, 400, 120, 40), returns);
    search->onClick = [this] { events.push_back("Button46 click"); };

    input.queueScan(QStringLiteral("978207061275899"));
    input.queueClick(*search);
    input.process();

    EXPECT_EQ(code->text(), QStringLiteral("9782070612758"));
    EXPECT_EQ(events, (std::vector<QString>{"Button46 click"}));  // the Enter never pressed Button48
}

TEST_F(KeyboardTest, HidingTheFocusedControlLeavesTheFormWithoutFocusAndRunsOnExit)
{
    code->onExit = [this] { events.push_back("exit"); };
    loan->hide();
    EXPECT_EQ(form.activeControl(), nullptr);
    EXPECT_EQ(events, (std::vector<QString>{"exit"}));

    loan->show();
    input.type(QStringLiteral("1"));  // keys now go to the form itself
    EXPECT_EQ(code->text(), QString());
}

}  // namespace
}  // namespace ui
