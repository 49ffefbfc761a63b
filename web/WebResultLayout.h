#pragma once
// The controls of the web result panel, laid out on the main window's Panel21.
#include "web/WebResultControls.h"

namespace app {
class TFrmPrin;
}

namespace web {

WebResultControls buildWebResultPanel(app::TFrmPrin& frm);

}  // namespace web
