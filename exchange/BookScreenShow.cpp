#include "exchange/BookScreenShow.h"

#include "app/FrmPrin.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace exchange {

void showBookScreenEssential(app::TFrmPrin& frm)
{
    frm.HideAllScreens();
    frm.get<ui::Panel>(QStringLiteral("Panel4")).show();
    frm.get<ui::PageControl>(QStringLiteral("PageControl1")).setActivePage(&frm.get<ui::TabSheet>(QStringLiteral("TabSheet7")));
}

}  // namespace exchange
