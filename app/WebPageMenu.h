#pragma once
// The context menu of every page shown in a web view of the main window: "Imprimer…" and
// "Aperçu avant impression", as the screens that show printable pages tell the librarian
// ("Clic droit sur la page à imprimer").
namespace app {

class TFrmPrin;

void giveWebViewsTheirPageMenu(TFrmPrin& frm);

}  // namespace app
