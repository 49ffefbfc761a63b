#pragma once
// Joins the pupils' screens to the main window.
namespace app {
class TFrmPrin;
}

namespace pupils {

void installPupilScreens(app::TFrmPrin& frm);

}  // namespace pupils
