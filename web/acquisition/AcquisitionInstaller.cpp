#include "web/acquisition/AcquisitionInstaller.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/scan/DefaultSource.h"
#include "platform/ui/Edit.h"
#include "web/acquisition/BorrowerPhotos.h"
#include "web/acquisition/CoverScanning.h"
#include "web/acquisition/ScanControlsLayout.h"
#include "web/acquisition/ScanSequence.h"

namespace acquisition {

void installAcquisition(app::TFrmPrin& frm)
{
    // The source chosen last is kept in the program's own configuration folder.
    scan::setConfigFolderName(QStringLiteral("Qvlzantor"));
    buildScanControls(frm);
    auto& sequence = frm.addPart<ScanSequence>(frm);
    auto& covers = frm.addPart<CoverScanning>(frm, sequence);
    auto& photos = frm.addPart<BorrowerPhotos>(frm, sequence);

    // Controls of screens not built in this program are passed over.
    auto bindClick = [&frm](const char* name, std::function<void()> handler) {
        if (ui::Control* control = frm.control(QString::fromLatin1(name)))
            control->onClick = std::move(handler);
    };
    for (const char* chooser : {"Image7", "Image9", "Image34", "Image58", "SpeedButton24", "SpeedButton26"})
        bindClick(chooser, [&sequence] { sequence.chooseSource(); });
    bindClick("SpeedButton23", [&covers] { covers.SpeedButton23Click(); });
    bindClick("Image59", [&covers] { covers.Image59Click(); });
    bindClick("SpeedButton25", [&covers] { covers.SpeedButton25Click(); });
    bindClick("Image10", [&photos] { photos.Image10Click(); });
    bindClick("Image33", [&photos] { photos.Image33Click(); });
    bindClick("Button79", [&photos] { photos.Button79Click(); });
    bindClick("Button80", [&photos] { photos.Button80Click(); });
    frm.handlers.bind(QStringLiteral("Image6Click"), [&sequence] { sequence.chooseSource(); });

    if (auto* entry = frm.findPart<catalogue::BookEntryScreen>())
        if (auto* places = frm.find<ui::CustomEdit>(QStringLiteral("DBComboBox6")))
            places->onChange = [entry] { entry->showStoragePlace(); };
}

}  // namespace acquisition
