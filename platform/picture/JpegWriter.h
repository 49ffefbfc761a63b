#pragma once
// Covers are kept as JPEG only: colour, baseline, at the quality the caller names. Pixels that
// are not fully opaque are laid over white.
#include "platform/ui/Picture.h"

#include <QByteArray>

namespace picture {

QByteArray encodeJpeg(const ui::Picture& picture, int quality);

}  // namespace picture
