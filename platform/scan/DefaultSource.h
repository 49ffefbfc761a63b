#pragma once
// The source every acquisition opens: the one last chosen in the selection dialog, kept for the
// user across runs (as the system keeps it), else the first source found.
#include "platform/scan/ImageSource.h"

#include <QList>
#include <optional>

namespace scan {

// The file that keeps the choice, in the program's folder of the user's configuration folder:
// the folder named here, else the application's name.
void setConfigFolderName(const QString& name);
QString defaultSourceFile();
QString storedDefaultSource();
void storeDefaultSource(const QString& id);
// The chosen source when it is among those found, else the first; none when nothing was found.
std::optional<SourceEntry> defaultSourceAmong(const QList<SourceEntry>& sources);

}  // namespace scan
