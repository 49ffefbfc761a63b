#include "platform/picture/PictureFile.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <gif_lib.h>
#include <jpeglib.h>
#include <jerror.h>
#include <new>
#include <png.h>
#include <webp/decode.h>

namespace picture {

namespace {

quint32 argb(int r, int g, int b, int a = 255) { return quint32(a) << 24 | quint32(r) << 16 | quint32(g) << 8 | quint32(b); }

// tooLarge tells a refused picture from a broken one.
bool withinPixelBound(qint64 width, qint64 height, bool& tooLarge)
{
    tooLarge = width > 0 && height > 0 && width * height > ui::kMaxPicturePixels;
    return width > 0 && height > 0 && !tooLarge;
}

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    bool endMarkerAdded = false;
};

void jpegFail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

// A file cut short decodes with grey filler rows: it is no picture. One whose data is whole
// but for its end marker is read with the marker added: its data then runs out only if
// something else is missing.
void jpegWarn(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    const bool endAdded = reinterpret_cast<JpegError*>(info->err)->endMarkerAdded;
    if (info->err->msg_code == JWRN_JPEG_EOF || (endAdded && info->err->msg_code == JWRN_HIT_MARKER))
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
bool decodeJpegInto(const QByteArray& file, std::vector<quint32>& pixels, int& width, int& height, bool& tooLarge)
{
    jpeg_decompress_struct info;
    JpegError error;
    error.endMarkerAdded = !file.endsWith("\xFF\xD9");
    const QByteArray bytes = error.endMarkerAdded ? file + QByteArrayLiteral("\xFF\xD9") : file;
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
    if (!withinPixelBound(info.image_width, info.image_height, tooLarge)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    width = int(info.output_width);
    height = int(info.output_height);
    try {
        pixels.resize(size_t(width) * size_t(height));
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&info);
        return false;
    }
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

ui::PicturePtr decodeJpeg(const QByteArray& bytes, bool& tooLarge)
{
    std::vector<quint32> pixels;
    int width = 0;
    int height = 0;
    if (!decodeJpegInto(bytes, pixels, width, height, tooLarge))
        return nullptr;
    return std::make_shared<ui::Picture>(width, height, std::move(pixels));
}

ui::PicturePtr decodePng(const QByteArray& bytes, bool& tooLarge)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.constData(), size_t(bytes.size())))
        return nullptr;
    if (!withinPixelBound(image.width, image.height, tooLarge)) {
        png_image_free(&image);
        return nullptr;
    }
    image.format = PNG_FORMAT_BGRA;  // little-endian ARGB words
    std::vector<quint32> pixels;
    try {
        pixels.resize(size_t(image.width) * size_t(image.height));
    } catch (const std::bad_alloc&) {
        png_image_free(&image);
        return nullptr;
    }
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

// The first frame of a GIF, on its screen. Read record by record rather than whole: every
// size is checked before anything is allocated for it, and the frames after the first are
// never read.
ui::PicturePtr decodeGifFrame(GifFileType* gif, bool& tooLarge)
{
    if (!withinPixelBound(gif->SWidth, gif->SHeight, tooLarge))
        return nullptr;
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    do {
        if (DGifGetRecordType(gif, &record) == GIF_ERROR)
            return nullptr;
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                return nullptr;
            if (code == GRAPHICS_EXT_FUNC_CODE && block)
                DGifExtensionToGCB(block[0], block + 1, &control);
            while (block)
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    return nullptr;
        }
    } while (record != IMAGE_DESC_RECORD_TYPE && record != TERMINATE_RECORD_TYPE);
    if (record != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif) == GIF_ERROR)
        return nullptr;
    const GifImageDesc& d = gif->Image;
    if (!withinPixelBound(d.Width, d.Height, tooLarge))
        return nullptr;
    std::vector<GifPixelType> raster(size_t(d.Width) * size_t(d.Height));
    // Interlaced rows come in four passes.
    static const int kPassStart[] = {0, 4, 2, 1};
    static const int kPassStep[] = {8, 8, 4, 2};
    const int passes = d.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = d.Interlace ? kPassStart[pass] : 0; y < d.Height; y += d.Interlace ? kPassStep[pass] : 1)
            if (DGifGetLine(gif, raster.data() + size_t(y) * size_t(d.Width), d.Width) == GIF_ERROR)
                return nullptr;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    const int width = gif->SWidth, height = gif->SHeight;
    std::vector<quint32> pixels(size_t(width) * size_t(height), argb(255, 255, 255));
    for (int y = 0; map && y < d.Height; ++y)
        for (int x = 0; x < d.Width; ++x) {
            const int px = d.Left + x, py = d.Top + y;
            if (px < 0 || py < 0 || px >= width || py >= height)
                continue;
            const int index = raster[size_t(y) * size_t(d.Width) + size_t(x)];
            if (index == control.TransparentColor || index >= map->ColorCount)
                continue;
            const GifColorType c = map->Colors[index];
            pixels[size_t(py) * size_t(width) + size_t(px)] = argb(c.Red, c.Green, c.Blue);
        }
    return std::make_shared<ui::Picture>(width, height, std::move(pixels));
}

ui::PicturePtr decodeGif(const QByteArray& bytes, bool& tooLarge)
{
    GifSource source{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readGif, &error);
    if (!gif)
        return nullptr;
    struct Closer {
        GifFileType* gif;
        ~Closer() { DGifCloseFile(gif, nullptr); }
    } closer{gif};
    return decodeGifFrame(gif, tooLarge);
}

ui::PicturePtr decodeWebp(const QByteArray& bytes, bool& tooLarge)
{
    int width = 0, height = 0;
    if (!WebPGetInfo(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), &width, &height) ||
        !withinPixelBound(width, height, tooLarge))
        return nullptr;
    uint8_t* data = WebPDecodeBGRA(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()), &width, &height);
    if (!data)
        return nullptr;
    struct Freer {
        uint8_t* data;
        ~Freer() { WebPFree(data); }
    } freer{data};
    std::vector<quint32> pixels(size_t(width) * size_t(height));
    std::memcpy(pixels.data(), data, pixels.size() * 4);
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

ui::PicturePtr decodePicture(const QByteArray& bytes, bool* tooLarge)
{
    bool refused = false;
    if (tooLarge)
        *tooLarge = false;
    bool& large = tooLarge ? *tooLarge : refused;
    // A picture within the bound may still not fit in the memory left.
    try {
        switch (detectFormat(bytes)) {
        case Format::Jpeg: return decodeJpeg(bytes, large);
        case Format::Png: return decodePng(bytes, large);
        case Format::Gif: return decodeGif(bytes, large);
        case Format::Webp: return decodeWebp(bytes, large);
        case Format::Unknown: break;
        }
    } catch (const std::bad_alloc&) {
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
