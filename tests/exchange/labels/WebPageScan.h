#pragma once
// A page shown by the web engine, read by the barcode reader as a scanner would read the screen
// or the printout.
#include <QString>
#include <QStringList>
#include <optional>

namespace labeltest {

// Installs the delivered barcode faces where the engine's fontconfig finds them; must run before
// the engine starts in this process.
bool installFontsForTheWebEngine();

// The symbols of the page at `file` shown at about the printer's resolution; nothing when zbarimg
// is missing. Waits (real time) for the page and for its fonts.
std::optional<QStringList> scanWebPage(const QString& file);

}  // namespace labeltest
