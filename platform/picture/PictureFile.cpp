#include "platform/picture/PictureFile.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <gif_lib.h>
#include <jpeglib.h>
#include <jerror.h>
#include <png.h>
#include <webp/decode.h>

namespace picture {

namespace {

quint32 argb(int r, int g, int b, int a = 255) { return quint32(a) << 24 | quint32(r) << 16 | quint32(g) << 8 | quint32(b); }

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jpegFail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// A file cut short decodes with grey filler rows: it is no picture.
void jpegWarn(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        jpegFail(info);
}

// Four-channel JPEGs come from print software, with the channels stored inverted (the
// Adobe convention every writer follows).
quint32 cmykToArgb(const unsigned char* p)
{
    const int k = p[3];
    return argb(p[0] * k / 255, p[1] * k / 255, p[2] * k / 255);
}

// A failed decode leaves through longjmp, which skips destructors and leaves this frame's
// locals changed since setjmp undefined: the pixels belong to the caller and the row to
// libjpeg's pool.
bool decodeJpegInto(const QByteArray& bytes, std::vector<quint32>& pixels, int& width, int& height)
{
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFail;
    error.manager.output_message = [](j_common_ptr) {};
    error.manager.emit_message = jpegWarn;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    width = int(info.output_width);
    height = int(info.output_height);
    pixels.resize(size_t(width) * size_t(height));
    const JDIMENSION channels = cmyk ? 4 : 3;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * channels, 1);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = row[0] + size_t(x) * channels;
            pixels[size_t(y) * size_t(width) + size_t(x)] = cmyk ? cmykToArgb(p) : argb(p[0], p[1], p[2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

ui::PicturePtr decodeJpeg(const QByteArray& bytes)
{
    std::vector<quint32> pixels;
    int width = 0;
    int height = 0;
    if (!decodeJpegInto(bytes, pixels, width, height))
        return nullptr;
    return std::make_shared<ui::Picture>(width, height, std::move(pixels));
}

ui::PicturePtr decodePng(const QByteArray& bytes)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.constData(), size_t(bytes.size())))
        return nullptr;
    image.format = PNG_FORMAT_BGRA;  // little-endian ARGB words
    std::vector<quint32> pixels(size_t(image.width) * size_t(image.height));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return nullptr;
    }
    return std::make_shared<ui::Picture>(int(image.width), int(image.height), std::move(pixels));
}

struct GifSource {
    const QByteArray* bytes;
    int offset = 0;
};

int readGif(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* source = static_cast<GifSource*>(gif->UserData);
    const int n = std::min(length, int(source->bytes->size()) - source->offset);
    std::memcpy(buffer, source->bytes->constData() + source->offset, size_t(std::max(n, 0)));
    source->offset += std::max(n, 0);
    return std::max(n, 0);
}

ui::PicturePtr decodeGif(const QByteArray& bytes)
{
    GifSource source{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readGif, &error);
    if (!gif)
        return nullptr;
    ui::PicturePtr result;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0 && gif->SWidth > 0 && gif->SHeight > 0) {
        const SavedImage& frame = gif->SavedImages[0];
        const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
        GraphicsControlBlock control{};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, 0, &control);
        const int width = gif->SWidth, height = gif->SHeight;
        std::vector<quint32> pixels(size_t(width) * size_t(height), argb(255, 255, 255));
        const GifImageDesc& d = frame.ImageDesc;
        for (int y = 0; map && y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int px = d.Left + x, py = d.Top + y;
                if (px < 0 || py < 0 || px >= width || py >= height)
                    continue;
                const int index = frame.RasterBits[y * d.Width + x];
                if (index == control.TransparentColor || index >= map->ColorCount)
                    continue;
                const GifColorType c = map->Colors[index];
                pixels[size_t(py) * size_t(width) + size_t(px)] = argb(c.Red, c.Green, c.Blue);
            }
        result = std::make_shared<ui::Picture>(width, height, std::move(pixels));
    }
    DGifCloseFile(gif, &error);
    return result;
}

ui::PicturePtr decodeWebp(const QByteArray& bytes)
{
    int width = 0, height = 0;
    uint8_t* data = WebPDecodeBGRA(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), &width, &height);
    if (!data)
        return nullptr;
    std::vector<quint32> pixels(size_t(width) * size_t(height));
    std::memcpy(pixels.data(), data, pixels.size() * 4);
    WebPFree(data);
    return std::make_shared<ui::Picture>(width, height, std::move(pixels));
}

}  // namespace

Format detectFormat(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return Format::Jpeg;
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return Format::Png;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return Format::Gif;
    if (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP")
        return Format::Webp;
    return Format::Unknown;
}

ui::PicturePtr decodePicture(const QByteArray& bytes)
{
    switch (detectFormat(bytes)) {
    case Format::Jpeg: return decodeJpeg(bytes);
    case Format::Png: return decodePng(bytes);
    case Format::Gif: return decodeGif(bytes);
    case Format::Webp: return decodeWebp(bytes);
    case Format::Unknown: break;
    }
    return nullptr;
}

ui::PicturePtr loadPictureFile(const QString& nativePath)
{
    QFile f(nativePath);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    return decodePicture(f.readAll());
}

}  // namespace picture
