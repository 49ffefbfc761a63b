#include "platform/picture/JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>

namespace picture {

namespace {

unsigned char overWhite(quint32 pixel, int shift)
{
    const unsigned alpha = pixel >> 24;
    const unsigned value = (pixel >> shift) & 0xFF;
    return static_cast<unsigned char>((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace

QByteArray encodeJpeg(const ui::Picture& picture, int quality)
{
    // Writing to memory cannot fail, so libjpeg's default error exit never runs on good input.
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(picture.width());
    info.image_height = JDIMENSION(picture.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(picture.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        for (int x = 0; x < picture.width(); ++x) {
            const quint32 pixel = picture.pixel(x, y);
            row[size_t(x) * 3] = overWhite(pixel, 16);
            row[size_t(x) * 3 + 1] = overWhite(pixel, 8);
            row[size_t(x) * 3 + 2] = overWhite(pixel, 0);
        }
        unsigned char* rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

}  // namespace picture
