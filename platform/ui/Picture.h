#pragma once
// A decoded raster picture as images and button glyphs show it, shared between the controls
// that show the same picture. Pixels are 32-bit ARGB, row after row, top row first.
#include <QSize>
#include <memory>
#include <vector>

namespace ui {

class Picture {
public:
    Picture(int width, int height, std::vector<quint32> pixels);

    int width() const { return m_width; }
    int height() const { return m_height; }
    QSize size() const { return QSize(m_width, m_height); }
    const std::vector<quint32>& pixels() const { return m_pixels; }
    quint32 pixel(int x, int y) const { return m_pixels[size_t(y) * size_t(m_width) + size_t(x)]; }

private:
    int m_width;
    int m_height;
    std::vector<quint32> m_pixels;
};

using PicturePtr = std::shared_ptr<const Picture>;

// The most pixels a picture may have (200 MB as ARGB): a page scanned at 600 dpi (35 Mpx)
// fits. Picture files above it are refused before any pixel is read; scans above it are
// reduced while they are read.
constexpr qint64 kMaxPicturePixels = 50'000'000;

}  // namespace ui
