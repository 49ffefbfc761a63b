#include "loans/VoiceCommentIcons.h"

#include <cstdlib>
#include <vector>

namespace loans {

namespace {

constexpr int kSize = 40;
constexpr int kMiddle = kSize / 2;

bool insideDisc(int x, int y, int radius)
{
    const int dx = x - kMiddle;
    const int dy = y - kMiddle;
    return dx * dx + dy * dy <= radius * radius;
}

// A triangle pointing right.
bool insideTriangle(int x, int y)
{
    const int half = (x - 8) / 2;
    return x >= 8 && x <= 32 && std::abs(y - kMiddle) <= 12 - half;
}

bool insideSquare(int x, int y)
{
    return x >= 10 && x < 30 && y >= 10 && y < 30;
}

}  // namespace

ui::PicturePtr voiceIconPicture(VoiceIcon icon)
{
    const bool highlighted = icon == VoiceIcon::RecordHighlighted || icon == VoiceIcon::PlayHighlighted;
    const quint32 ring = highlighted ? 0xFFFFC000 : 0xFF808080;
    quint32 colour = 0xFF000000;
    switch (icon) {
    case VoiceIcon::Record:
    case VoiceIcon::RecordHighlighted: colour = 0xFFD02020; break;
    case VoiceIcon::Play:
    case VoiceIcon::PlayHighlighted: colour = 0xFF20A040; break;
    case VoiceIcon::Busy: colour = 0xFFFF8000; break;
    case VoiceIcon::Stop: colour = 0xFF303030; break;
    }
    std::vector<quint32> pixels(size_t(kSize * kSize), 0x00000000);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            bool mark = false;
            switch (icon) {
            case VoiceIcon::Record:
            case VoiceIcon::RecordHighlighted:
            case VoiceIcon::Busy: mark = insideDisc(x, y, icon == VoiceIcon::Busy ? 8 : 12); break;
            case VoiceIcon::Play:
            case VoiceIcon::PlayHighlighted: mark = insideTriangle(x, y); break;
            case VoiceIcon::Stop: mark = insideSquare(x, y); break;
            }
            quint32& pixel = pixels[size_t(y * kSize + x)];
            if (mark)
                pixel = colour;
            else if (insideDisc(x, y, 19) && !insideDisc(x, y, 17))
                pixel = ring;
        }
    }
    return std::make_shared<ui::Picture>(kSize, kSize, std::move(pixels));
}

}  // namespace loans
