#include "platform/files/ShownPath.h"

#include "platform/files/WindowsPath.h"

namespace files {

QString shownPath(const QString& windowsPath)
{
    try {
        return nativePath(windowsPath);
    } catch (const PathError&) {
        return windowsPath;
    }
}

}  // namespace files
