#include "web/sharedbase/SharedBaseInstaller.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/OtherMediaScreen.h"
#include "catalogue/PeriodicalIssues.h"
#include "exchange/BcdiImportScreen.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/sharedbase/AutomaticSummaries.h"
#include "web/sharedbase/BatchCoverSearch.h"
#include "web/sharedbase/BatchPanel.h"
#include "web/sharedbase/BatchPanelLayout.h"
#include "web/sharedbase/OtherMediaLookup.h"
#include "web/sharedbase/OtherMediaLookupLayout.h"
#include "web/sharedbase/QuitContribution.h"
#include "web/sharedbase/SharedBaseHost.h"
#include "web/sharedbase/SharedBaseWeb.h"
#include "web/sharedbase/TitleBanks.h"

#include <stdexcept>

namespace sharedbase {

void installSharedBase(app::TFrmPrin& frm)
{
    // The shared base fills the book and other-media screens through the web look-up, and shows
    // its progress in the controls the imports put on the entry tab.
    const auto* entry = frm.findPart<catalogue::BookEntryScreen>();
    const auto* media = frm.findPart<catalogue::OtherMediaScreen>();
    const auto* imports = frm.findPart<exchange::BcdiImportScreen>();
    auto* pages = frm.findPart<web::PageFetch>();
    auto* covers = frm.findPart<web::CoverDownload>();
    if (!entry || !media || !imports || !pages || !covers)
        throw std::logic_error(
            "the shared base needs the book and other-media screens, the imports and the web look-up");
    const catalogue::BookEntryControls& book = entry->controls();
    const exchange::ImportControls& importControls = imports->controls();

    auto& host = frm.addPart<SharedBaseHost>(frm);
    auto& contribution = frm.addPart<QuitContribution>(frm, book, importControls.importedLine, host);
    frm.handlers.bind(QStringLiteral("ContributeToSharedBase"),
                      [&contribution] { contribution.ContributeToSharedBase(); });
    frm.handlers.bind(QStringLiteral("ContributeToSharedBaseWithImageBank"),
                      [&contribution] { contribution.ContributeToSharedBaseWithImageBank(); });
    auto& base = frm.addPart<SharedBaseWeb>(frm, *pages, *covers);
    if (auto* issues = frm.findPart<catalogue::PeriodicalIssues>())
        issues->setSharedBase(&base);
    auto& panel = frm.addPart<BatchPanel>(frm, book, importControls, buildBatchPanel(frm, importControls));
    frm.addPart<BatchCoverSearch>(frm, book, media->controls().storedCopies, panel, host, base, *covers, *pages);
    frm.addPart<AutomaticSummaries>(frm, book, panel, *pages);
    frm.addPart<OtherMediaLookup>(frm, media->controls(), buildOtherMediaLookup(frm, media->controls()), *pages,
                                  *covers);
    frm.addPart<TitleBanks>(frm, book, *pages, *covers);
}

}  // namespace sharedbase
