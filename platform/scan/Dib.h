#pragma once
// Device-independent bitmaps as sources hand them out: a packed block of a BITMAPINFOHEADER
// (or the 12-byte core header), the colour table, then the pixel rows, each padded to 4 bytes.
#include "platform/ui/Picture.h"

#include <QByteArray>
#include <QSize>

namespace scan {

// One image of an acquisition. The caller that receives it releases it (TWAIN_ReleaseImage).
struct Dib {
    QByteArray bytes;
};
using ImageHandle = Dib*;

// Pixel rows from top to bottom, each bytesPerLine long, as a scanner delivers them: 1 bit a
// pixel (a set bit is black), 8 bits of grey, or 24 bits of red, green, blue.
struct Raster {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 8;
    int bytesPerLine = 0;
    int dotsPerInch = 0;
    QByteArray rows;
};

// The packed DIB of a raster: bottom-up rows, grey and black-and-white with their colour table.
QByteArray packDib(const Raster& raster);

// biWidth and biHeight (bcWidth and bcHeight for a core header); an empty size for a block too
// short to hold a header.
QSize dibSize(const QByteArray& dib);
// Where the pixel rows start: the header, then the colour table.
qsizetype dibPixelOffset(const QByteArray& dib);
// The picture the DIB paints, pixel for pixel (1, 4, 8, 24 and 32 bits, rows either way up);
// nullptr when the block is not a DIB this layer can read, is shorter than its rows or has more
// pixels than ui::kMaxPicturePixels (scans are reduced to fit while they are read).
ui::PicturePtr dibPicture(const QByteArray& dib);

}  // namespace scan
