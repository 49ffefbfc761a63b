#pragma once
// The return screen (Panel15) at its places: the code, copy-number, issue and borrower fields,
// the result fields, the buttons whose places the screen's simulated clicks aim at, the cover,
// the photo, the shelf picture, the candidates panel with its 14 rows, the cover strip, the
// five photo slots and the voice-comment icons.
#include "loans/ReturnControls.h"

#include <QRect>

namespace app {
class TFrmPrin;
}

namespace loans {

namespace returnLayout {
constexpr QRect kCover(460, 145, 400, 550);
// Where the cover goes once its copy is back.
constexpr QRect kCoverAfterReturn(460, 650, 20, 20);
constexpr QRect kShelfPicture(630, 485, 230, 200);
}  // namespace returnLayout

ReturnControls buildReturnScreen(app::TFrmPrin& frm);

}  // namespace loans
