#pragma once
// The batch panel's controls on the entry tab, each made unless a screen built it already.
#include "web/sharedbase/BatchPanelControls.h"

namespace app {
class TFrmPrin;
}

namespace sharedbase {

BatchPanelControls buildBatchPanel(app::TFrmPrin& frm);

}  // namespace sharedbase
