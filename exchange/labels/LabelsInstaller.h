#pragma once
// Joins the label screen (sheet and HTML page) to the main window.
namespace app {
class TFrmPrin;
}

namespace labels {

void installLabelScreens(app::TFrmPrin& frm);

}  // namespace labels
