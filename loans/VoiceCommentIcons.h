#pragma once
// The pictures of the voice-comment icons, drawn here: no picture files come with them.
#include "platform/ui/Picture.h"

namespace loans {

enum class VoiceIcon { Record, RecordHighlighted, Play, PlayHighlighted, Busy, Stop };

// 40 x 40 pixels.
ui::PicturePtr voiceIconPicture(VoiceIcon icon);

}  // namespace loans
