#include "app/WebPagePrinting.h"

#include "app/FrmPrin.h"
#include "platform/ui/Application.h"
#include "platform/ui/WebPagePrint.h"

namespace app {

namespace {

// A long page on a slow printer still reports within this time.
constexpr int kWebPrintLimitMs = 60000;
// A page still loading is waited for this long before the preview.
constexpr int kWebPreviewLimitMs = 30000;

}  // namespace

bool printWebPage(TFrmPrin& frm, ui::WebBrowser& view)
{
    const std::optional<ui::PrintChoice> choice = frm.application().dialogs().print(ui::PrintRequest{});
    if (!choice)
        return false;
    if (ui::printWebPage(view, *choice, ui::chosenPrintDestination(), kWebPrintLimitMs))
        return true;
    frm.application().showMessage(QStringLiteral("L'impression n'a pas pu se faire : vérifiez l'imprimante choisie."));
    return false;
}

void previewWebPage(TFrmPrin& frm, ui::WebBrowser& view)
{
    if (!ui::previewWebPage(view, QStringLiteral("Aperçu avant impression"), kWebPreviewLimitMs))
        frm.application().showMessage(QStringLiteral("L'aperçu avant impression n'a pas pu se faire : la page n'est pas affichée."));
}

}  // namespace app
