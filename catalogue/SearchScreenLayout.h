#pragma once
// The search screen's controls inside the panel "Recherche": one row per kind of search (its
// terms and its "Chercher" button), and the page settings beside them.

#include "catalogue/SearchScreenControls.h"

namespace app {
class TFrmPrin;
}

namespace catalogue {

SearchScreenControls buildSearchScreenControls(app::TFrmPrin& frm);

}  // namespace catalogue
