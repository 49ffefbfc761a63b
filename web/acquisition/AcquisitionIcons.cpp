#include "web/acquisition/AcquisitionIcons.h"

#include <functional>

namespace acquisition {

namespace {

constexpr int kIconSize = 32;
constexpr quint32 kCase = 0xFF3C4650;
constexpr quint32 kGlass = 0xFF8CC8F0;
constexpr quint32 kLight = 0xFFFFE066;

ui::PicturePtr drawIcon(const std::function<quint32(int x, int y)>& colourAt)
{
    std::vector<quint32> pixels(size_t(kIconSize * kIconSize));
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x)
            pixels[size_t(y * kIconSize + x)] = colourAt(x, y);
    return std::make_shared<ui::Picture>(kIconSize, kIconSize, std::move(pixels));
}

}  // namespace

ui::PicturePtr scannerIcon()
{
    return drawIcon([](int x, int y) -> quint32 {
        if (x < 2 || x > 29)
            return 0;
        if (y >= 9 && y <= 11 && x > 3 && x < 28)
            return kGlass;  // the lid lifted
        if (y >= 16 && y <= 25)
            return y == 20 && x > 5 && x < 26 ? kLight : kCase;
        return 0;
    });
}

ui::PicturePtr sourceChoiceIcon()
{
    return drawIcon([](int x, int y) -> quint32 {
        const int dx = x - 16, dy = y - 13;
        const int d2 = dx * dx + dy * dy;
        if (d2 <= 16)
            return kGlass;
        if (d2 <= 121)
            return kCase;
        if ((x >= 14 && x < 18 && y >= 24 && y < 28) || (x >= 7 && x < 25 && y >= 28 && y < 31))
            return kCase;
        return 0;
    });
}

}  // namespace acquisition
