#pragma once
// The configuration screen's controls at their places inside its panel Panel16.
#include "app/ConfigurationControls.h"

namespace app {

class TFrmPrin;

ConfigurationControls buildConfigurationControls(TFrmPrin& frm);

}  // namespace app
