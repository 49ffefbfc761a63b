#pragma once
// What the main window reaches outside itself. The program gives the real ones; tests and the
// scenario driver give recording ones.
#include <QString>
#include <functional>

namespace media {
class SoundCommands;
}
namespace shell {
class Shell;
}
namespace ui {
class Application;
}

namespace app {

struct ProgramServices {
    ui::Application& ui;
    shell::Shell& shell;
    media::SoundCommands& sound;
    // Makes a font file (native path) available to the windows; false when it cannot.
    std::function<bool(const QString& nativePath)> registerFont;
    // The text on the desktop's clipboard; unset: the clipboard is empty.
    std::function<QString()> clipboardText = {};
};

}  // namespace app
