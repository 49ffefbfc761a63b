#pragma once
// Where the ways out hand over to the contribution to the shared online book base. The shared
// base binds the two handlers of these names on the main window; until it does, the maker's host
// counts as unreachable: nothing is sent and the way out goes on.
#include "app/FrmPrin.h"

namespace app {

// "&Quitter": the new records and covers.
inline void ContributeToSharedBase(TFrmPrin& frm) { frm.handlers.run(QStringLiteral("ContributeToSharedBase")); }

// "Pour quitter": the local picture bank first, then the records and covers.
inline void ContributeToSharedBaseWithImageBank(TFrmPrin& frm)
{
    frm.handlers.run(QStringLiteral("ContributeToSharedBaseWithImageBank"));
}

}  // namespace app
