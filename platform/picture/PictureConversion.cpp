#include "platform/picture/PictureConversion.h"

#include "platform/picture/JpegWriter.h"
#include "platform/picture/PictureFile.h"

#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace picture {

bool convertToJpeg(const QString& sourcePath, const QString& jpegPath, int quality)
{
    const ui::PicturePtr source = loadPictureFile(sourcePath);
    if (!source || source->width() == 0 || source->height() == 0)
        return false;
    QSaveFile file(jpegPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(encodeJpeg(*source, quality));
    return file.commit();
}

QSize scaledSize(QSize source, int maxSize)
{
    if (source.isEmpty() || maxSize < 1)
        return source;
    const double ratio = double(source.height()) / double(source.width());
    const int width = ratio > 1 ? int(std::nearbyint(maxSize / ratio)) : maxSize;
    const int height = int(std::nearbyint(width * ratio));
    return QSize(std::max(width, 1), std::max(height, 1));
}

ui::PicturePtr scaledPicture(const ui::Picture& source, int maxSize)
{
    const QSize target = scaledSize(source.size(), maxSize);
    const double sx = double(source.width()) / target.width();
    const double sy = double(source.height()) / target.height();
    std::vector<quint32> pixels(size_t(target.width()) * size_t(target.height()));
    for (int y = 0; y < target.height(); ++y) {
        const int y0 = int(y * sy);
        const int y1 = std::max(y0 + 1, std::min(source.height(), int(std::ceil((y + 1) * sy))));
        for (int x = 0; x < target.width(); ++x) {
            const int x0 = int(x * sx);
            const int x1 = std::max(x0 + 1, std::min(source.width(), int(std::ceil((x + 1) * sx))));
            quint64 sum[4] = {};
            for (int v = y0; v < y1; ++v)
                for (int u = x0; u < x1; ++u) {
                    const quint32 p = source.pixel(u, v);
                    for (int c = 0; c < 4; ++c)
                        sum[c] += (p >> (8 * c)) & 0xFF;
                }
            const quint64 count = quint64(y1 - y0) * quint64(x1 - x0);
            quint32 pixel = 0;
            for (int c = 0; c < 4; ++c)
                pixel |= quint32((sum[c] + count / 2) / count) << (8 * c);
            pixels[size_t(y) * size_t(target.width()) + size_t(x)] = pixel;
        }
    }
    return std::make_shared<ui::Picture>(target.width(), target.height(), std::move(pixels));
}

}  // namespace picture
