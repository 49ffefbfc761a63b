#pragma once
// The other-media look-up's controls on the other-media screen.
#include "web/sharedbase/OtherMediaLookupControls.h"

namespace app {
class TFrmPrin;
}
namespace catalogue {
struct OtherMediaControls;
}

namespace sharedbase {

OtherMediaLookupControls buildOtherMediaLookup(app::TFrmPrin& frm, const catalogue::OtherMediaControls& media);

}  // namespace sharedbase
