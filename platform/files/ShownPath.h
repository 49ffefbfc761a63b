#pragma once
// A path named in a message, as the user finds it on this machine.
#include <QString>

namespace files {

// The native path the program's Windows text maps to (WindowsPath.h), or the text unchanged when
// it maps to none.
QString shownPath(const QString& windowsPath);

}  // namespace files
