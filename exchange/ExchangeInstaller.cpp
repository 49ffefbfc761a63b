#include "exchange/ExchangeInstaller.h"

#include "app/FrmPrin.h"

namespace exchange {

void installExchangeScreens(app::TFrmPrin& frm)
{
}

}  // namespace exchange
