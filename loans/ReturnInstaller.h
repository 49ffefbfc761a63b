#pragma once
// The return screen and its voice comments joined to the main window.
namespace app {
class TFrmPrin;
}

namespace loans {

void installReturnScreen(app::TFrmPrin& frm);

}  // namespace loans
