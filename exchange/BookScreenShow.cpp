#include "exchange/BookScreenShow.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace exchange {

void showBookScreenEssential(app::TFrmPrin& frm, const catalogue::BookEntryControls& book)
{
    frm.HideAllScreens();
    book.screen.show();
    book.tabs.setActivePage(&book.entryTab);
}

}  // namespace exchange
