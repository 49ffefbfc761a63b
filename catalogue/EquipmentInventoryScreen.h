#pragma once
// The register of the school's equipment (Panel3): one object per row of the table Inventaire,
// typed into data-aware fields and walked with its picture from Photo_Inventaire.
#include "catalogue/EquipmentInventoryControls.h"

namespace app {
class TFrmPrin;
}

namespace catalogue {

class EquipmentInventoryScreen {
public:
    EquipmentInventoryScreen(app::TFrmPrin& frm, const EquipmentInventoryControls& controls);

    const EquipmentInventoryControls& controls() const { return m_controls; }

    // Menu "Inventaire du matériel" > "Nouvel objet" and the toolbar's "Ajouter des objets à
    // l'inventaire": the screen on the object shown last.
    void Ajouterdesdescripteursunlivre1Click();
    // Next and previous object, with its picture.
    void Button5Click();
    void Button6Click();

private:
    void showPicture();

    app::TFrmPrin& m_frm;
    EquipmentInventoryControls m_controls;
};

}  // namespace catalogue
