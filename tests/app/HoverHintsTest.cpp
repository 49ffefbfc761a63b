// Balloon hints shown as the mouse enters the book screen's buttons, and floating panels that
// follow the mouse while a button is held on them.
#include "WholeProgramFixture.h"

#include "platform/ui/PageControl.h"

#include <functional>
#include <optional>

namespace {

class HoverHintsTest : public WholeProgramTest {
protected:
    // The book screen through its menu, on the given page.
    void openBookScreen(const char* page)
    {
        input.menu(QStringLiteral("Livres > Nouveaux livres"));
        input.selectTab(frm().get<ui::TabSheet>(QString::fromLatin1(page)));
    }
    std::optional<ui::BalloonHint> balloon(const char* name)
    {
        return frm().get<ui::WinControl>(QString::fromLatin1(name)).balloonHint();
    }
    // The page control's own part: its strip of tabs, right of the last tab.
    void hoverTabStrip()
    {
        const QRect pages = frm().get<ui::Control>(QStringLiteral("PageControl1")).screenRect();
        application.input().setCursorPos(QPoint(pages.right() - 10, pages.top() + 8));
        application.processMessages();
    }
    // The waiting panel "Recherche en cours", shown as a look-up shows it.
    ui::Control& searchingPanel()
    {
        ui::Control& panel = frm().get<ui::Control>(QStringLiteral("Panel19"));
        panel.show();
        return panel;
    }
};

}  // namespace

TEST_F(HoverHintsTest, EnteringAHelpButtonOrThePagesShowsItsBalloon)
{
    startAsAdministratorWithEveryScreen();
    struct Case {
        const char* page;  // of the book screen, where the control lies
        const char* entered;
        const char* over;
        QString title;
        QString text;
    };
    const QString help = QString::fromUtf8("Pour éclaicir certains points");
    const QString wait = QString::fromUtf8("Quand il y a beaucoup de livres cette opération est longue.\rAttendre !");
    for (const Case& c : {Case{"TabSheet1", "Button59", "Button59", "HELP", wait},
                          Case{"TabSheet1", "PageControl1", "Button59", "HELP", wait},
                          Case{"TabSheet7", "Button87", "Button87", "AIDE ", help},
                          Case{"TabSheet2", "Button88", "Button88", "AIDE ", help}}) {
        SCOPED_TRACE(c.entered);
        openBookScreen(c.page);
        frm().get<ui::WinControl>(QString::fromLatin1(c.over)).setBalloonHint(ui::BalloonHint{});
        input.hover(frm().get<ui::Control>(QStringLiteral("ToolButton9")));  // away first
        if (QLatin1String(c.entered) == QLatin1String("PageControl1"))
            hoverTabStrip();
        else
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
    startAsAdministratorWithEveryScreen();
    struct Case {
        const char* screen;
        std::function<ui::Control&()> show;
        std::optional<QPoint> pressed;  // from the panel's top left, on the panel itself; else its middle
        QPoint moved;
    };
    const Case cases[] = {
        {"book screen's search",
         [this]() -> ui::Control& {
             openBookScreen("TabSheet7");
             return searchingPanel();
         },
         std::nullopt, QPoint(-50, 30)},
        {"label choice's search",
         [this]() -> ui::Control& {
             input.menu(QStringLiteral("Livres > Etiquettes Codebarre"));
             dialogs.answer(QStringLiteral("OK"));  // the tab's reminder to refresh the page
             input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet8")));
             return control("RelativePanel2");
         },
         QPoint(50, 80), QPoint(-200, 300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        ui::Control& panel = c.show();
        ASSERT_TRUE(panel.showing());
        const QRect before = panel.bounds();
        const QRect onScreen = panel.screenRect();
        const QPoint start = c.pressed ? onScreen.topLeft() + *c.pressed : onScreen.center();
        application.input().setCursorPos(start);
        application.processMessages();
        application.input().leftDown();
        application.processMessages();
        application.input().setCursorPos(start + c.moved);
        application.processMessages();
        application.input().leftUp();
        application.processMessages();
        EXPECT_EQ(panel.bounds(), before.translated(c.moved));
    }
}
