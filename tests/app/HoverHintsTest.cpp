// Balloon hints shown as the mouse enters the book screen's buttons, and floating panels that
// follow the mouse while a button is held on them.
#include "MainWindowFixture.h"

#include "app/HoverHints.h"
#include "platform/ui/Button.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace {

class HoverHintsTest : public MainWindowTest {
protected:
    // The controls as the book screen places them, the screen shown.
    void startWithBookScreenControls()
    {
        start({"Cancel"}, {[](app::TFrmPrin& f) {
                   auto* screen = &f.get<ui::Panel>(QStringLiteral("Panel4"));
                   f.create<ui::Button>(QStringLiteral("Button87"), screen)->setBounds(QRect(20, 700, 80, 25));
                   f.create<ui::Button>(QStringLiteral("Button88"), screen)->setBounds(QRect(120, 700, 80, 25));
                   f.create<ui::Button>(QStringLiteral("Button59"), screen)->setBounds(QRect(220, 700, 80, 25));
                   f.create<ui::PageControl>(QStringLiteral("PageControl1"), screen)->setBounds(QRect(20, 20, 600, 300));
                   f.create<ui::Panel>(QStringLiteral("Panel19"), screen)->setBounds(QRect(700, 100, 200, 100));
                   f.addPart<app::HoverHints>(f);
               }});
        frm().HideAllScreens();
        frm().get<ui::Control>(QStringLiteral("Panel4")).show();
        frm().get<ui::Control>(QStringLiteral("Panel19")).show();
    }
    std::optional<ui::BalloonHint> balloon(const char* name)
    {
        return frm().get<ui::WinControl>(QString::fromLatin1(name)).balloonHint();
    }
};

}  // namespace

TEST_F(HoverHintsTest, EnteringAHelpButtonOrThePagesShowsItsBalloon)
{
    startWithBookScreenControls();
    struct Case {
        const char* entered;
        const char* over;
        QString title;
        QString text;
    };
    const QString help = QString::fromUtf8("Pour éclaicir certains points");
    const QString wait = QString::fromUtf8("Quand il y a beaucoup de livres cette opération est longue.\rAttendre !");
    for (const Case& c : {Case{"Button87", "Button87", "AIDE ", help}, Case{"Button88", "Button88", "AIDE ", help},
                          Case{"Button59", "Button59", "HELP", wait}, Case{"PageControl1", "Button59", "HELP", wait}}) {
        SCOPED_TRACE(c.entered);
        frm().get<ui::WinControl>(QString::fromLatin1(c.over)).setBalloonHint(ui::BalloonHint{});
        input.hover(frm().get<ui::Control>(QStringLiteral("Panel19")));  // away first
        input.hover(frm().get<ui::Control>(QString::fromLatin1(c.entered)));
        const std::optional<ui::BalloonHint> shown = balloon(c.over);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->title, c.title);
        EXPECT_EQ(shown->text, c.text);
        EXPECT_EQ(shown->icon, 1);
        EXPECT_EQ(shown->backColor, ui::colors::cream);
        EXPECT_EQ(shown->textColor, ui::colors::black);
    }
}

TEST_F(HoverHintsTest, AFloatingPanelFollowsTheMouseWhileItsButtonIsDown)
{
    startWithBookScreenControls();
    ui::Control& panel = frm().get<ui::Control>(QStringLiteral("Panel19"));
    const QRect before = panel.bounds();
    input.hover(panel);
    const QPoint start = application.input().cursorPos();
    application.input().leftDown();
    application.processMessages();
    application.input().setCursorPos(start + QPoint(-50, 30));
    application.processMessages();
    application.input().leftUp();
    application.processMessages();
    EXPECT_EQ(panel.bounds(), before.translated(-50, 30));
}
