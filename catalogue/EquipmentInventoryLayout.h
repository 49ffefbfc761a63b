#pragma once
// The equipment screen's controls at their places inside Panel3: a page "Enregistrement" with a
// field per column of the register, the object's picture and the record buttons, and a page
// "Tableau" with every object in a grid.
#include "catalogue/EquipmentInventoryControls.h"

namespace app {
class TFrmPrin;
}

namespace catalogue {

EquipmentInventoryControls buildEquipmentInventoryControls(app::TFrmPrin& frm);

}  // namespace catalogue
