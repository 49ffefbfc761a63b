#include "app/WebPagePrinting.h"

#include "app/FrmPrin.h"
#include "platform/ui/Application.h"
#include "platform/ui/WebPagePrint.h"

namespace app {

namespace {

// A long page on a slow printer still reports within this time.
constexpr int kWebPrintLimitMs = 60000;

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

}  // namespace app
