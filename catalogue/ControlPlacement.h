#pragma once
// The screens' layouts place their controls with the platform's routine.
#include "platform/ui/ControlPlacement.h"

namespace catalogue {

using ui::placeControl;

}  // namespace catalogue
