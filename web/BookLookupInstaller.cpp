#include "web/BookLookupInstaller.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/BookEntryScreen.h"
#include "platform/browser/WebTransfer.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "web/AmazonReader.h"
#include "web/AmazonSiteChoice.h"
#include "web/BookFinderReader.h"
#include "web/BookLookup.h"
#include "web/CoverButtons.h"
#include "web/CoverCrop.h"
#include "web/CoverDownload.h"
#include "web/CoverFolderCheck.h"
#include "web/DecitreReader.h"
#include "web/DialoguesReader.h"
#include "web/DownloadNotice.h"
#include "web/PageFetch.h"
#include "web/PriceSiteReader.h"
#include "web/PublisherNameCheck.h"
#include "web/ShownPage.h"
#include "web/ShownPageReader.h"
#include "web/TitleSearch.h"
#include "web/WebResultLayout.h"
#include "web/WebResultPanel.h"
#include "web/sharedbase/ImageBank.h"
#include "web/sharedbase/SharedBaseReader.h"

namespace web {

void installBookLookup(app::TFrmPrin& frm)
{
    // The sites see the program by its name.
    browser::setAgentName(QStringLiteral("QvlZantor"));
    const auto* entry = frm.findPart<catalogue::BookEntryScreen>();
    // The look-up fills the book screen: without it there is nothing to look up.
    if (!entry)
        return;
    auto& lookup = frm.addPart<BookLookup>(frm, entry->controls());
    auto& pages = frm.addPart<PageFetch>(frm);
    auto& covers = frm.addPart<CoverDownload>(frm);
    // The look-up also asks the Amazon page outside the chain: for a product number, and for
    // the cover of a catalogue book that has none.
    frm.addPart<AmazonReader>(pages, covers);
    lookup.addSource(std::make_unique<DialoguesReader>(pages, covers));
    lookup.addSource(std::make_unique<BookFinderReader>(pages, covers));
    lookup.addSource(std::make_unique<DecitreReader>(pages, covers));
    lookup.addSource(std::make_unique<AmazonReader>(pages, covers));
    lookup.addSource(std::make_unique<sharedbase::ImageBankReader>(frm));
    lookup.addSource(std::make_unique<PriceSiteReader>(frm, entry->controls().screen, covers));
    lookup.addSource(std::make_unique<sharedbase::SharedBaseReader>(frm, pages, covers));
    frm.addPart<PublisherNameCheck>(frm, entry->controls(), pages);
    frm.addPart<CoverFolderCheck>(frm);
    const auto& panel = frm.addPart<WebResultPanel>(frm, buildWebResultPanel(frm)).controls();
    frm.addPart<AmazonSiteChoice>(frm, entry->controls().entryTab);
    auto& shown = frm.addPart<ShownPage>();
    frm.addPart<TitleSearch>(frm, entry->controls(), panel, covers, shown);
    frm.addPart<ShownPageReader>(frm, entry->controls(), panel, shown, pages, covers);
    frm.addPart<CoverButtons>(frm, entry->controls(), panel, pages, covers);
    frm.addPart<CoverCrop>(frm, entry->controls());
    frm.addPart<DownloadNotice>(frm, entry->controls());
}

}  // namespace web
