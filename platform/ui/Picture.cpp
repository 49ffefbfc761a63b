#include "platform/ui/Picture.h"

#include <stdexcept>

namespace ui {

Picture::Picture(int width, int height, std::vector<quint32> pixels)
    : m_width(width), m_height(height), m_pixels(std::move(pixels))
{
    if (width < 0 || height < 0 || m_pixels.size() != size_t(width) * size_t(height))
        throw std::invalid_argument("picture size does not match its pixels");
}

}  // namespace ui
