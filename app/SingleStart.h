#pragma once
// The single-instance test of a start, before any window.
#include "platform/shell/SingleInstance.h"

namespace ui {
class Application;
}

namespace app {

// Whether this start goes on. A copy of the program already running for this user ends it
// silently; a lock file that cannot serve for any other reason ends it too, but only after a
// message naming the file: the program never ends unexplained.
bool claimSingleStart(shell::SingleInstance& instance, ui::Application& application);

}  // namespace app
