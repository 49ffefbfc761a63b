#include "web/acquisition/AcquisitionInstaller.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/OtherMediaScreen.h"
#include "loans/BorrowerScreen.h"
#include "loans/LoanScreen.h"
#include "platform/scan/DefaultSource.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Image.h"
#include "platform/ui/SpeedButton.h"
#include "web/acquisition/BorrowerPhotos.h"
#include "web/acquisition/CoverScanning.h"
#include "web/acquisition/ScanControlsLayout.h"
#include "web/acquisition/ScanSequence.h"

#include <functional>

namespace acquisition {

namespace {

// The controls of a screen the program is built without are null: nothing to bind.
void bindClick(ui::Control* control, std::function<void()> handler)
{
    if (control)
        control->onClick = std::move(handler);
}

// The set of a screen, or null where the program is built without it.
template <class Screen>
auto* controlsOf(const Screen* screen)
{
    return screen ? &screen->controls() : nullptr;
}

}  // namespace

void installAcquisition(app::TFrmPrin& frm)
{
    // The source chosen last is kept in the program's own configuration folder.
    scan::setConfigFolderName(QStringLiteral("Qvlzantor"));
    auto* entryScreen = frm.findPart<catalogue::BookEntryScreen>();
    const auto* entry = controlsOf(entryScreen);
    const auto* otherMedia = controlsOf(frm.findPart<catalogue::OtherMediaScreen>());
    const auto* borrower = controlsOf(frm.findPart<loans::BorrowerScreen>());
    const auto* loan = controlsOf(frm.findPart<loans::LoanScreen>());
    const ScanControls scanning = buildScanControls(frm, entry, otherMedia);
    auto& sequence = frm.addPart<ScanSequence>(frm);
    auto& covers = frm.addPart<CoverScanning>(frm, sequence, entry, otherMedia);
    auto& photos = frm.addPart<BorrowerPhotos>(frm, sequence, borrower, loan);

    ui::Control* const choosers[] = {scanning.sourceIcon,
                                     borrower ? &borrower->chooseWebcam : nullptr,
                                     loan ? loan->noPhoto[1] : nullptr,
                                     scanning.chooseSource,
                                     scanning.coverSource,
                                     scanning.otherMediaSource};
    for (ui::Control* chooser : choosers)
        bindClick(chooser, [&sequence] { sequence.chooseSource(); });
    bindClick(scanning.scanCover, [&covers] { covers.SpeedButton23Click(); });
    bindClick(scanning.scan, [&covers] { covers.Image59Click(); });
    bindClick(scanning.scanOtherMedia, [&covers] { covers.SpeedButton25Click(); });
    if (borrower) {
        bindClick(&borrower->takePhoto, [&photos] { photos.Image10Click(); });
        bindClick(&borrower->pickPicture, [&photos] { photos.Button79Click(); });
        bindClick(&borrower->choosePicture, [&photos] { photos.Button80Click(); });
    }
    if (loan)
        bindClick(loan->noPhoto[0], [&photos] { photos.Image33Click(); });
    frm.handlers.bind(QStringLiteral("Image6Click"), [&sequence] { sequence.chooseSource(); });

    if (entry)
        entry->complements.place.onChange = [entryScreen] { entryScreen->showStoragePlace(); };
}

}  // namespace acquisition
