#pragma once
// Every screen of the program, in the order they join the main window: a screen of a later
// subsystem finds the screens it builds on already there.
#include "app/Program.h"

namespace program {

std::vector<app::ScreenInstaller> programScreens();

}  // namespace program
