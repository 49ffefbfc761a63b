#pragma once
// File services with Windows semantics, on Windows path text (see WindowsPath.h).
// Failures are results, as the program expects; only an unsafe path throws PathError.
#include <QString>
#include <QStringList>

namespace files {

bool fileExists(const QString& path);       // a file, not a folder
bool directoryExists(const QString& path);
// Overwrites an existing target unless failIfExists; copies through a temporary file so
// that a failed copy never leaves a truncated target.
bool copyFile(const QString& source, const QString& target, bool failIfExists = false);
bool deleteFile(const QString& path);
// Fails when the target exists, as Windows does.
bool renameFile(const QString& oldPath, const QString& newPath);
qint64 fileSize(const QString& path);       // -1 when missing
bool isReadOnly(const QString& path);       // the file exists and cannot be written
bool createDirectory(const QString& path);  // one level; true when it exists afterwards
bool forceDirectories(const QString& path); // every missing level
// Names (not paths) of the files in a folder matching a wildcard pattern ("*.jpg"),
// sorted without regard to case.
QStringList listFiles(const QString& folder, const QString& pattern = QStringLiteral("*"));
QStringList listDirectories(const QString& folder);
// Copies a folder tree as the shell's copy does: into Dest as a subfolder of the same name when
// Dest exists, as Dest itself otherwise; existing files are replaced, folders merged, missing
// parents created. False when Source is no folder or anything fails to copy.
bool copyFolder(const QString& source, const QString& dest);

}  // namespace files
