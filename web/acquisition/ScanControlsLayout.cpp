#include "web/acquisition/ScanControlsLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/OtherMediaControls.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SpeedButton.h"
#include "web/acquisition/AcquisitionIcons.h"

#include <tuple>
#include <utility>

namespace acquisition {

namespace {

using ui::placeControl;

// An icon, and the control it offers while the pointer is on it, in the same place; the icon
// first.
std::pair<ui::Image*, ui::Image*> iconOffering(app::TFrmPrin& frm, ui::WinControl* tab, const char* iconName,
                                               const char* offeredName, QRect place, const ui::PicturePtr& picture,
                                               const QString& iconHint, const QString& offeredHint)
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
    return {icon, offered};
}

// The scan button and the source button beside it, or below it.
std::pair<ui::SpeedButton*, ui::SpeedButton*> scanButtons(app::TFrmPrin& frm, ui::WinControl* tab, const char* scanName,
                                                          const char* sourceName, QRect place, QPoint sourceOffset)
{
    auto* scan = placeControl<ui::SpeedButton>(frm, scanName, tab, place);
    scan->setCaption(QStringLiteral("Scanner"));
    scan->setHint(QStringLiteral("Scanner la jaquette"));
    scan->setShowHint(true);
    auto* source = placeControl<ui::SpeedButton>(frm, sourceName, tab, place.translated(sourceOffset));
    source->setCaption(QStringLiteral("Choix scanner"));
    source->setHint(QStringLiteral("Choix scanner webcam"));
    source->setShowHint(true);
    return {scan, source};
}

}  // namespace

ScanControls buildScanControls(app::TFrmPrin& frm, const catalogue::BookEntryControls* entry,
                               const catalogue::OtherMediaControls* otherMedia)
{
    ScanControls controls{};
    if (entry) {
        std::tie(controls.scannerIcon, controls.scan) =
            iconOffering(frm, &entry->entryTab, "Image8", "Image59", QRect(800, 72, 32, 32), scannerIcon(),
                         QStringLiteral("Scanner un livre"), QStringLiteral("Scanner"));
        std::tie(controls.sourceIcon, controls.chooseSource) =
            iconOffering(frm, &entry->entryTab, "Image7", "Image58", QRect(840, 72, 32, 32), sourceChoiceIcon(),
                         QStringLiteral("Choix scanner webcam"), QStringLiteral("Choisir le scanner"));
        // Right of the storage place's picture, under the voice comment's icons.
        std::tie(controls.scanCover, controls.coverSource) = scanButtons(
            frm, &entry->complementsTab, "SpeedButton23", "SpeedButton24", QRect(548, 330, 106, 26), QPoint(0, 32));
    }
    // Under the other medium's pictures.
    if (otherMedia)
        std::tie(controls.scanOtherMedia, controls.otherMediaSource) =
            scanButtons(frm, &otherMedia->complementsTab, "SpeedButton25", "SpeedButton26", QRect(505, 580, 123, 26),
                        QPoint(127, 0));
    return controls;
}

}  // namespace acquisition
