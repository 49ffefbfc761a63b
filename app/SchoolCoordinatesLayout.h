#pragma once
// The "Coordonnées" screen's controls at their places inside its panel Identification.
#include "app/SchoolCoordinatesControls.h"

namespace app {

class TFrmPrin;

SchoolCoordinatesControls buildSchoolCoordinatesControls(TFrmPrin& frm);

}  // namespace app
