#pragma once
// The register of the school's equipment (Panel3): one object per row of the table Inventaire,
// typed into data-aware fields and walked with its picture from Photo_Inventaire.
namespace app {
class TFrmPrin;
}

namespace catalogue {

class EquipmentInventoryScreen {
public:
    explicit EquipmentInventoryScreen(app::TFrmPrin& frm);

    // Menu "Inventaire du matériel" > "Nouvel objet" and the toolbar's "Ajouter des objets à
    // l'inventaire": the screen on the object shown last.
    void Ajouterdesdescripteursunlivre1Click();
    // Next and previous object, with its picture.
    void Button5Click();
    void Button6Click();

private:
    void showPicture();

    app::TFrmPrin& m_frm;
};

}  // namespace catalogue
