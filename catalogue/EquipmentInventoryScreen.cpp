#include "catalogue/EquipmentInventoryScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/files/FileOps.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"

namespace catalogue {

namespace {

const QString kPhotos = QStringLiteral("Photo_Inventaire\\");

}  // namespace

EquipmentInventoryScreen::EquipmentInventoryScreen(app::TFrmPrin& frm, const EquipmentInventoryControls& controls)
    : m_frm(frm), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("Ajouterdesdescripteursunlivre1Click"),
                      [this] { Ajouterdesdescripteursunlivre1Click(); });
    m_controls.next.onClick = [this] { Button5Click(); };
    m_controls.previous.onClick = [this] { Button6Click(); };
}

void EquipmentInventoryScreen::Ajouterdesdescripteursunlivre1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    ui::Panel& screen = m_controls.screen;
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
    QString name = m_controls.photoName.text();
    if (name.isEmpty() || !files::fileExists(m_frm.AppDir + kPhotos + name))
        name = kNoPicture;
    showCoverFile(m_frm, m_controls.photo, kPhotos, name, kNoPicture);
}

}  // namespace catalogue
