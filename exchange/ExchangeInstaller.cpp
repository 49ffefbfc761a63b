#include "exchange/ExchangeInstaller.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryScreen.h"
#include "exchange/BcdiImportScreen.h"
#include "exchange/BookCatalogueScreen.h"
#include "exchange/ImportControls.h"
#include "exchange/IsbnListScreen.h"
#include "exchange/LibraryTransfer.h"
#include "exchange/ListScreen.h"
#include "exchange/MediaCataloguesScreen.h"
#include "exchange/StatisticsScreen.h"

#include <stdexcept>

namespace exchange {

void installExchangeScreens(app::TFrmPrin& frm)
{
    // The imports and the ISBN list work on the book screen.
    const auto* entry = frm.findPart<catalogue::BookEntryScreen>();
    if (!entry)
        throw std::logic_error("the exchange screens need the book screen");
    const catalogue::BookEntryControls& book = entry->controls();
    const ImportControls imports = buildImportControls(frm, book);
    frm.addPart<LibraryTransfer>(frm, book, imports);
    frm.addPart<BcdiImportScreen>(frm, book, imports);
    frm.addPart<IsbnListScreen>(frm, book, buildIsbnListScreen(frm));
    frm.addPart<ListScreen>(frm, buildListScreen(frm));
    frm.addPart<BookCatalogueScreen>(frm, book, buildBookCatalogueScreen(frm));
    frm.addPart<MediaCataloguesScreen>(frm, book, buildMediaCataloguesScreen(frm));
    frm.addPart<StatisticsScreen>(frm, buildStatisticsScreen(frm));
}

}  // namespace exchange
