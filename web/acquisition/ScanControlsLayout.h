#pragma once
// The scanning controls of the book and other-media screens: on the new-book tab the scanner
// icon (pointing at it offers "Scanner") and the source icon (offering "Choisir le scanner"),
// on the two Compléments tabs a scan button and a source button beside the cover.
#include "web/acquisition/ScanControls.h"

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct BookEntryControls;
struct OtherMediaControls;
}  // namespace catalogue

namespace acquisition {

// Either screen may be null: it is passed over.
ScanControls buildScanControls(app::TFrmPrin& frm, const catalogue::BookEntryControls* entry,
                               const catalogue::OtherMediaControls* otherMedia);

}  // namespace acquisition
