// The routines that bind controls of several screens by their designed names refuse a window
// that lacks one of them, instead of leaving its behaviour out in silence.
#include "MainWindowFixture.h"

#include "app/GridCheckBoxes.h"
#include "app/GridSorting.h"
#include "app/HelpCommands.h"
#include "app/HoverHints.h"
#include "app/ListFiles.h"

#include <functional>
#include <stdexcept>

namespace {

class NamedControlsBindingTest : public MainWindowTest {};

TEST_F(NamedControlsBindingTest, AWindowWithoutTheScreensOfTheNamesIsRefused)
{
    app::TFrmPrin& w = start();
    const app::TDmImages images;
    const std::pair<const char*, std::function<void()>> routines[] = {
        {"grid sorting", [&w] { app::GridSorting sorting(w); }},
        {"grid check boxes", [&w, &images] { app::bindCheckBoxCells(w, images); }},
        {"help buttons", [&w] { app::HelpCommands help(w); }},
        {"hover hints", [&w] { app::HoverHints hints(w); }},
        {"list files", [&w] { app::loadListFiles(w); }},
    };
    for (const auto& [name, bind] : routines)
        EXPECT_THROW(bind(), std::out_of_range) << name;
}

// A screen's show/hide list skips the screens a window was built without, but not once every
// screen is built: then a name missing from it is a control the program lacks.
TEST_F(NamedControlsBindingTest, AMissingControlOfAShowListIsSkippedOnlyWhileScreensAreLeftOut)
{
    app::TFrmPrin& w = start();
    EXPECT_NO_THROW(w.setVisibleIfBuilt(QStringLiteral("Panel99"), true));
    w.everyScreenBuilt();
    EXPECT_THROW(w.setVisibleIfBuilt(QStringLiteral("Panel99"), true), std::out_of_range);
    EXPECT_NO_THROW(w.setVisibleIfBuilt(QStringLiteral("Panel13"), true));
}

}  // namespace
