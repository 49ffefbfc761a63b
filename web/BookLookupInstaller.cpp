#include "web/BookLookupInstaller.h"

#include "app/FrmPrin.h"
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
#include "web/WebResultPanel.h"
#include "web/sharedbase/ImageBank.h"
#include "web/sharedbase/SharedBaseReader.h"

namespace web {

void installBookLookup(app::TFrmPrin& frm)
{
    auto& lookup = frm.addPart<BookLookup>(frm);
    auto& pages = frm.addPart<PageFetch>(frm);
    auto& covers = frm.addPart<CoverDownload>(frm);
    // The look-up also asks the Amazon page outside the chain: for a product number, and for
    // the cover of a catalogue book that has none.
    frm.addPart<AmazonReader>(pages, covers);
    lookup.addSource(std::make_unique<DialoguesReader>(pages, covers));
    lookup.addSource(std::make_unique<BookFinderReader>(pages, covers));
    lookup.addSource(std::make_unique<DecitreReader>(pages, covers));
    lookup.addSource(std::make_unique<AmazonReader>(pages, covers));
    lookup.addSource(std::make_unique<sharedbase::ImageBankReader>());
    lookup.addSource(std::make_unique<PriceSiteReader>(frm, covers));
    lookup.addSource(std::make_unique<sharedbase::SharedBaseReader>(pages, covers));
    frm.addPart<PublisherNameCheck>(frm, pages);
    frm.addPart<CoverFolderCheck>(frm);
    frm.addPart<WebResultPanel>(frm);
    frm.addPart<AmazonSiteChoice>(frm);
    auto& shown = frm.addPart<ShownPage>();
    frm.addPart<TitleSearch>(frm, covers, shown);
    frm.addPart<ShownPageReader>(frm, shown, pages, covers);
    frm.addPart<CoverButtons>(frm, pages, covers);
    frm.addPart<CoverCrop>(frm);
    frm.addPart<DownloadNotice>(frm);
}

}  // namespace web
