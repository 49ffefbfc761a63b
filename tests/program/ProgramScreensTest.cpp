// The program with every screen joined: each menu entry and toolbar button runs a handler that
// a screen has bound, so no command of the window does nothing.
#include "MainWindowFixture.h"

#include "app/MainWindowLayout.h"
#include "program/ProgramScreens.h"

using ProgramScreensTest = MainWindowTest;

TEST_F(ProgramScreensTest, EveryMenuEntryAndToolbarButtonRunsABoundHandler)
{
    start({"Cancel"}, program::programScreens());
    for (const layout::ToolbarButton& button : layout::toolbarButtons())
        if (*button.handler) {
            EXPECT_TRUE(frm().handlers.bound(QString::fromLatin1(button.handler))) << button.name << " " << button.handler;
        }
    for (const layout::Menu& menu : layout::mainMenu())
        for (const layout::MenuEntry& entry : menu.entries)
            EXPECT_TRUE(frm().handlers.bound(QString::fromLatin1(entry.handler))) << entry.name << " " << entry.handler;
}
