#include "app/WebPageMenu.h"

#include "app/FrmPrin.h"
#include "app/WebPagePrinting.h"
#include "platform/ui/WebBrowser.h"

namespace app {

void giveWebViewsTheirPageMenu(TFrmPrin& frm)
{
    for (ui::Component* component : frm.components())
        if (auto* view = dynamic_cast<ui::WebBrowser*>(component))
            view->setPageMenu({
                {QStringLiteral("Imprimer…"), [&frm, view] { printWebPage(frm, *view); }},
                {QStringLiteral("Aperçu avant impression"), [&frm, view] { previewWebPage(frm, *view); }},
            });
}

}  // namespace app
