#include "web/acquisition/ScanControlsLayout.h"

#include "app/FrmPrin.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Image.h"
#include "platform/ui/SpeedButton.h"
#include "web/acquisition/AcquisitionIcons.h"

namespace acquisition {

namespace {

using ui::placeControl;

// An icon, and the control it offers while the pointer is on it, in the same place.
void iconOffering(app::TFrmPrin& frm, ui::WinControl* tab, const char* iconName, const char* offeredName, QRect place,
                  const ui::PicturePtr& picture, const QString& iconHint, const QString& offeredHint)
{
    auto* icon = placeControl<ui::Image>(frm, iconName, tab, place);
    auto* offered = placeControl<ui::Image>(frm, offeredName, tab, place);
    for (ui::Image* image : {icon, offered}) {
        image->setPicture(picture);
        image->setShowHint(true);
    }
    icon->setHint(iconHint);
    offered->setHint(offeredHint);
    offered->setColor(ui::colors::yellow);
    offered->hide();
    icon->onMouseEnter = [offered] { offered->show(); };
    offered->onMouseLeave = [offered] { offered->hide(); };
}

void scanButtons(app::TFrmPrin& frm, const char* tabName, const char* scanName, const char* sourceName, QRect place)
{
    auto* tab = frm.find<ui::WinControl>(QString::fromLatin1(tabName));
    if (!tab)
        return;
    auto* scan = placeControl<ui::SpeedButton>(frm, scanName, tab, place);
    scan->setCaption(QStringLiteral("Scanner"));
    scan->setHint(QStringLiteral("Scanner la jaquette"));
    scan->setShowHint(true);
    auto* source = placeControl<ui::SpeedButton>(frm, sourceName, tab, place.translated(place.width() + 4, 0));
    source->setCaption(QStringLiteral("Choix scanner"));
    source->setHint(QStringLiteral("Choix scanner webcam"));
    source->setShowHint(true);
}

}  // namespace

void buildScanControls(app::TFrmPrin& frm)
{
    // Screens this program is built without are passed over.
    if (auto* entry = frm.find<ui::WinControl>(QStringLiteral("TabSheet7"))) {
        iconOffering(frm, entry, "Image8", "Image59", QRect(800, 72, 32, 32), scannerIcon(),
                     QStringLiteral("Scanner un livre"), QStringLiteral("Scanner"));
        iconOffering(frm, entry, "Image7", "Image58", QRect(840, 72, 32, 32), sourceChoiceIcon(),
                     QStringLiteral("Choix scanner webcam"), QStringLiteral("Choisir le scanner"));
    }
    // Under the storage place's picture, and under the other medium's pictures.
    scanButtons(frm, "TabSheet2", "SpeedButton23", "SpeedButton24", QRect(348, 398, 94, 26));
    scanButtons(frm, "TabSheet5", "SpeedButton25", "SpeedButton26", QRect(505, 580, 123, 26));
}

}  // namespace acquisition
