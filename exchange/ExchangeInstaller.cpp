#include "exchange/ExchangeInstaller.h"

#include "app/FrmPrin.h"
#include "exchange/BcdiImportScreen.h"
#include "exchange/BookCatalogueScreen.h"
#include "exchange/ImportControls.h"
#include "exchange/IsbnListScreen.h"
#include "exchange/LibraryTransfer.h"
#include "exchange/ListScreen.h"
#include "exchange/MediaCataloguesScreen.h"
#include "exchange/StatisticsScreen.h"

namespace exchange {

void installExchangeScreens(app::TFrmPrin& frm)
{
    const ImportControls imports = buildImportControls(frm);
    frm.addPart<LibraryTransfer>(frm, imports);
    frm.addPart<BcdiImportScreen>(frm, imports);
    frm.addPart<IsbnListScreen>(frm, buildIsbnListScreen(frm));
    frm.addPart<ListScreen>(frm, buildListScreen(frm));
    frm.addPart<BookCatalogueScreen>(frm, buildBookCatalogueScreen(frm));
    frm.addPart<MediaCataloguesScreen>(frm, buildMediaCataloguesScreen(frm));
    frm.addPart<StatisticsScreen>(frm, buildStatisticsScreen(frm));
}

}  // namespace exchange
