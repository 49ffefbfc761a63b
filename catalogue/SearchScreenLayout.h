#pragma once
// The search screen's controls inside the panel "Recherche": one row per kind of search (its
// terms and its "Chercher" button), and the page settings beside them.

namespace app {
class TFrmPrin;
}

namespace catalogue {

void buildSearchScreenControls(app::TFrmPrin& frm);

}  // namespace catalogue
