#include "platform/scan/Dib.h"

#include <QtEndian>
#include <optional>

namespace scan {

namespace {

constexpr int kInfoHeaderSize = 40;
constexpr int kCoreHeaderSize = 12;

qint32 readInt32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<qint32>(b.constData() + at); }
quint16 readUInt16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }

void appendInt32(QByteArray& b, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    b.append(bytes, 4);
}

void appendUInt16(QByteArray& b, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    b.append(bytes, 2);
}

int dibStride(int width, int bitsPerPixel) { return int((qint64(width) * bitsPerPixel + 31) / 32 * 4); }

struct DibHeader {
    int headerSize = 0;
    int width = 0;
    int height = 0;  // negative: rows from the top
    int bitCount = 0;
    int compression = 0;
    int colourCount = 0;
    int colourEntrySize = 4;
};

std::optional<DibHeader> readHeader(const QByteArray& dib)
{
    if (dib.size() < 4)
        return std::nullopt;
    DibHeader h;
    h.headerSize = readInt32(dib, 0);
    if (h.headerSize == kCoreHeaderSize) {
        if (dib.size() < kCoreHeaderSize)
            return std::nullopt;
        h.width = readUInt16(dib, 4);
        h.height = qint16(readUInt16(dib, 6));
        h.bitCount = readUInt16(dib, 10);
        // A core header's table holds 3-byte entries.
        h.colourEntrySize = 3;
        h.colourCount = h.bitCount <= 8 ? 1 << h.bitCount : 0;
        return h;
    }
    if (h.headerSize < kInfoHeaderSize || dib.size() < h.headerSize)
        return std::nullopt;
    h.width = readInt32(dib, 4);
    h.height = readInt32(dib, 8);
    h.bitCount = readUInt16(dib, 14);
    h.compression = readInt32(dib, 16);
    const qint32 used = readInt32(dib, 32);
    const qint64 count = used != 0 ? used : (h.bitCount < 31 ? qint64(1) << h.bitCount : 0);
    h.colourCount = count > 256 || count < 0 ? 0 : int(count);
    return h;
}

}  // namespace

QByteArray packDib(const Raster& raster)
{
    const int dibBits = raster.bitsPerPixel;
    const int stride = dibStride(raster.width, dibBits);
    const int colours = dibBits == 1 ? 2 : dibBits == 8 ? 256 : 0;
    const qint32 pelsPerMetre = qint32(raster.dotsPerInch / 0.0254 + 0.5);
    QByteArray dib;
    dib.reserve(kInfoHeaderSize + colours * 4 + qsizetype(stride) * raster.height);
    appendInt32(dib, kInfoHeaderSize);
    appendInt32(dib, raster.width);
    appendInt32(dib, raster.height);
    appendUInt16(dib, 1);
    appendUInt16(dib, quint16(dibBits));
    appendInt32(dib, 0);  // BI_RGB
    appendInt32(dib, stride * raster.height);
    appendInt32(dib, pelsPerMetre);
    appendInt32(dib, pelsPerMetre);
    appendInt32(dib, 0);
    appendInt32(dib, 0);
    if (dibBits == 1) {
        // A set bit is black, as the scanner gives it.
        appendInt32(dib, 0x00FFFFFF);
        appendInt32(dib, 0);
    } else if (dibBits == 8) {
        for (int g = 0; g < 256; ++g)
            appendInt32(dib, g << 16 | g << 8 | g);
    }
    const qsizetype rowBytes = (qsizetype(raster.width) * dibBits + 7) / 8;
    for (int y = raster.height - 1; y >= 0; --y) {
        const char* source = raster.rows.constData() + qsizetype(y) * raster.bytesPerLine;
        if (dibBits == 24) {
            // The DIB keeps blue, green, red.
            QByteArray row(stride, '\0');
            for (int x = 0; x < raster.width; ++x) {
                row[3 * x] = source[3 * x + 2];
                row[3 * x + 1] = source[3 * x + 1];
                row[3 * x + 2] = source[3 * x];
            }
            dib.append(row);
        } else {
            dib.append(source, rowBytes);
            dib.append(QByteArray(stride - rowBytes, '\0'));
        }
    }
    return dib;
}

QSize dibSize(const QByteArray& dib)
{
    const std::optional<DibHeader> h = readHeader(dib);
    return h ? QSize(h->width, h->height) : QSize();
}

qsizetype dibPixelOffset(const QByteArray& dib)
{
    const std::optional<DibHeader> h = readHeader(dib);
    return h ? h->headerSize + qsizetype(h->colourEntrySize) * h->colourCount : 0;
}

ui::PicturePtr dibPicture(const QByteArray& dib)
{
    const std::optional<DibHeader> h = readHeader(dib);
    if (!h || h->compression != 0 || h->width <= 0 || h->height == 0)
        return nullptr;
    const int bits = h->bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return nullptr;
    if (bits <= 8 && h->colourCount == 0)
        return nullptr;
    const int width = h->width;
    const int height = h->height < 0 ? -h->height : h->height;
    const qsizetype stride = dibStride(width, bits);
    const qsizetype table = h->headerSize;
    const qsizetype pixels = dibPixelOffset(dib);
    if (qint64(width) * height > ui::kMaxPicturePixels || dib.size() < pixels + stride * height)
        return nullptr;

    auto colour = [&](int index) -> quint32 {
        if (index >= h->colourCount)
            return 0xFF000000u;
        const uchar* e = reinterpret_cast<const uchar*>(dib.constData() + table + qsizetype(index) * h->colourEntrySize);
        return 0xFF000000u | quint32(e[2]) << 16 | quint32(e[1]) << 8 | e[0];
    };
    std::vector<quint32> out(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const int stored = h->height < 0 ? y : height - 1 - y;
        const uchar* row = reinterpret_cast<const uchar*>(dib.constData() + pixels + stored * stride);
        quint32* target = out.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            switch (bits) {
            case 1: target[x] = colour(row[x / 8] >> (7 - x % 8) & 1); break;
            case 4: target[x] = colour(row[x / 2] >> (x % 2 ? 0 : 4) & 0xF); break;
            case 8: target[x] = colour(row[x]); break;
            default: {
                const uchar* p = row + x * (bits / 8);
                target[x] = 0xFF000000u | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
            }
            }
        }
    }
    return std::make_shared<ui::Picture>(width, height, std::move(out));
}

}  // namespace scan
