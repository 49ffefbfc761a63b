#pragma once
// The program builds its paths as Windows text ("C:\Qvlzantor\livres\Jaquettes\x.jpg").
// This maps such text onto the native file system at the file boundary.
//
// - The drive letter "C:" (and a leading "\") is the drive root: the program folder's parent
//   unless configured. The program folder is seen as C:\<its folder name>\.
// - "Z:\" and native absolute paths ("/...") are the native root, so that paths chosen in a
//   native file dialog pass through unchanged.
// - A relative path is relative to the working folder.
// - "/" and "\" both separate; each component is matched case-insensitively against what
//   exists (the program spells one folder several ways); new components keep their spelling.
// - A path whose ".." would climb above its root is refused: names built from web data or user
//   input must never reach outside.
#include <QString>
#include <stdexcept>

namespace files {

class PathError : public std::runtime_error {
public:
    explicit PathError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Sets the native program folder; the drive root defaults to its parent.
void setProgramFolder(const QString& nativeProgramFolder, const QString& nativeDriveRoot = {});

QString appDir();             // "C:\<folder name>\"
QString appDrive();           // "C:\"
QString nativeProgramFolder();
QString nativeDriveRoot();

// Throws PathError for unknown drives and escaping "..".
QString nativePath(const QString& windowsPath);
// The Windows text under which the program sees a native path.
QString windowsPath(const QString& nativePath);

// Delphi's ExtractFilePath / ExtractFileName / ExtractFileExt on Windows text.
QString extractFilePath(const QString& path);
QString extractFileName(const QString& path);
QString extractFileExt(const QString& path);

}  // namespace files
