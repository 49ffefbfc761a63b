#pragma once
// The batch panel's own controls, placed in the panel of the import on the entry tab.
#include "web/sharedbase/BatchPanelControls.h"

namespace app {
class TFrmPrin;
}
namespace exchange {
struct ImportControls;
}

namespace sharedbase {

BatchPanelControls buildBatchPanel(app::TFrmPrin& frm, const exchange::ImportControls& imports);

}  // namespace sharedbase
