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
    buildImportControls(frm);
    frm.addPart<LibraryTransfer>(frm);
    frm.addPart<BcdiImportScreen>(frm);
    frm.addPart<IsbnListScreen>(frm);
    frm.addPart<ListScreen>(frm);
    frm.addPart<BookCatalogueScreen>(frm);
    frm.addPart<MediaCataloguesScreen>(frm);
    frm.addPart<StatisticsScreen>(frm);
}

}  // namespace exchange
