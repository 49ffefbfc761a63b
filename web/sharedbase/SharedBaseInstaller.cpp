#include "web/sharedbase/SharedBaseInstaller.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/OtherMediaScreen.h"
#include "catalogue/PeriodicalIssues.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/sharedbase/AutomaticSummaries.h"
#include "web/sharedbase/BatchCoverSearch.h"
#include "web/sharedbase/BatchPanel.h"
#include "web/sharedbase/BatchPanelLayout.h"
#include "web/sharedbase/OtherMediaLookup.h"
#include "web/sharedbase/QuitContribution.h"
#include "web/sharedbase/SharedBaseHost.h"
#include "web/sharedbase/SharedBaseWeb.h"
#include "web/sharedbase/TitleBanks.h"

namespace sharedbase {

void installSharedBase(app::TFrmPrin& frm)
{
    auto& host = frm.addPart<SharedBaseHost>(frm);
    auto& contribution = frm.addPart<QuitContribution>(frm, host);
    frm.handlers.bind(QStringLiteral("ContributeToSharedBase"), [&contribution] { contribution.ContributeToSharedBase(); });
    frm.handlers.bind(QStringLiteral("ContributeToSharedBaseWithImageBank"),
                      [&contribution] { contribution.ContributeToSharedBaseWithImageBank(); });
    auto* pages = frm.findPart<web::PageFetch>();
    auto* covers = frm.findPart<web::CoverDownload>();
    if (!pages || !covers)
        return;
    auto& base = frm.addPart<SharedBaseWeb>(frm, *pages, *covers);
    if (auto* issues = frm.findPart<catalogue::PeriodicalIssues>())
        issues->setSharedBase(&base);
    // The passes and the title banks fill the book screen.
    const auto* entry = frm.findPart<catalogue::BookEntryScreen>();
    if (entry) {
        auto& panel = frm.addPart<BatchPanel>(frm, buildBatchPanel(frm));
        frm.addPart<BatchCoverSearch>(frm, entry->controls(), panel, host, base, *covers, *pages);
        frm.addPart<AutomaticSummaries>(frm, entry->controls(), panel, *pages);
    }
    if (const auto* media = frm.findPart<catalogue::OtherMediaScreen>())
        frm.addPart<OtherMediaLookup>(frm, media->controls(), *pages, *covers);
    if (entry)
        frm.addPart<TitleBanks>(frm, entry->controls(), *pages, *covers);
}

}  // namespace sharedbase
