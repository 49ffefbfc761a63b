#pragma once
// The pictures of the scanning controls, drawn here: a flatbed scanner, and a webcam for the
// choice of the source.
#include "platform/ui/Picture.h"

namespace acquisition {

ui::PicturePtr scannerIcon();
ui::PicturePtr sourceChoiceIcon();

}  // namespace acquisition
