#pragma once
// The scanning controls of the book and other-media screens: on the new-book tab the scanner
// icon (pointing at it offers "Scanner") and the source icon (offering "Choisir le scanner"),
// on the two Compléments tabs a scan button and a source button beside the cover.
namespace app {
class TFrmPrin;
}

namespace acquisition {

void buildScanControls(app::TFrmPrin& frm);

}  // namespace acquisition
