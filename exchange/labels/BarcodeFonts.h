#pragma once
// The barcode fonts the program delivers in Reserve/ (drawn at build time by
// tools/gen/MakeBarcodeFonts.py). Both programs register them for their own drawing; the
// main program also installs them where fontconfig finds the user's fonts, so that its web
// views, a word processor opening the label file and the desktop's other programs draw the
// same faces, as copying them into the system's font folder does on the Windows platform.
#include <QString>
#include <QStringList>

namespace labels {

// File names, in the order start-up names them.
const QStringList& barcodeFontFiles();

// Registers every barcode font of `fontFolder` (a native folder) for this process's drawing;
// returns how many were registered. A missing file is skipped.
int registerBarcodeFonts(const QString& fontFolder);

// $XDG_DATA_HOME/fonts/Qvlzantor (~/.local/share/fonts/Qvlzantor by default).
QString desktopFontFolder();

// Copies the fonts of `fontFolder` into desktopFontFolder(); a file already there with the same
// bytes is left alone. False when one could not be copied.
bool installBarcodeFonts(const QString& fontFolder);

}  // namespace labels
