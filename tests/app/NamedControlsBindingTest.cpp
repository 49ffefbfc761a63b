// The routines that bind controls of several screens by their designed names refuse a window
// that lacks one of them, instead of leaving its behaviour out in silence.
#include "MainWindowFixture.h"

#include "app/GridCheckBoxes.h"
#include "app/GridSorting.h"
#include "app/HelpCommands.h"

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
    };
    for (const auto& [name, bind] : routines)
        EXPECT_THROW(bind(), std::out_of_range) << name;
}

}  // namespace
