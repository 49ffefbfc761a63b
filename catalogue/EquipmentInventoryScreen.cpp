#include "catalogue/EquipmentInventoryScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/EquipmentInventoryLayout.h"
#include "platform/files/FileOps.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"

namespace catalogue {

namespace {

const QString kPhotos = QStringLiteral("Photo_Inventaire\\");

}  // namespace

EquipmentInventoryScreen::EquipmentInventoryScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    buildEquipmentInventoryControls(frm);
    frm.handlers.bind(QStringLiteral("Ajouterdesdescripteursunlivre1Click"),
                      [this] { Ajouterdesdescripteursunlivre1Click(); });
    frm.get<ui::Control>(QStringLiteral("Button5")).onClick = [this] { Button5Click(); };
    frm.get<ui::Control>(QStringLiteral("Button6")).onClick = [this] { Button6Click(); };
}

void EquipmentInventoryScreen::Ajouterdesdescripteursunlivre1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    auto& screen = f.get<ui::Panel>(QStringLiteral("Panel3"));
    if (f.settings.AnimationOn)
        f.SlideIn(screen, 54);
    screen.setTop(44);
    screen.show();
    // Opened once, the table keeps its row between visits.
    f.db.ADOTable2.setActive(true);
    showPicture();
}

void EquipmentInventoryScreen::Button5Click()
{
    m_frm.db.ADOTable2.next();
    showPicture();
}

void EquipmentInventoryScreen::Button6Click()
{
    m_frm.db.ADOTable2.prior();
    showPicture();
}

// The placeholder is shown in the picture only: the object keeps the photo name it stores.
void EquipmentInventoryScreen::showPicture()
{
    QString name = m_frm.get<ui::CustomEdit>(QStringLiteral("DBEdit11")).text();
    if (name.isEmpty() || !files::fileExists(m_frm.AppDir + kPhotos + name))
        name = kNoPicture;
    showCoverFile(m_frm, m_frm.get<ui::Image>(QStringLiteral("Image1")), kPhotos, name, kNoPicture);
}

}  // namespace catalogue
