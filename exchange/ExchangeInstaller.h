#pragma once
// Joins the lists, catalogues, statistics and exchange commands to the main window.
namespace app {
class TFrmPrin;
}

namespace exchange {

void installExchangeScreens(app::TFrmPrin& frm);

}  // namespace exchange
