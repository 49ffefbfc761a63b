#include "platform/picture/PictureFile.h"

#include <QByteArrayList>
#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <gif_lib.h>
#include <jerror.h>
#include <jpeglib.h>
#include <new>
#include <png.h>
#include <webp/decode.h>

namespace picture {

namespace {

quint32 argb(int r, int g, int b, int a = 255) { return quint32(a) << 24 | quint32(r) << 16 | quint32(g) << 8 | quint32(b); }

// A picture of no pixels is broken; one of too many is refused as too large.
bool withinPixelBound(qint64 width, qint64 height, Refusal& refusal)
{
    if (width <= 0 || height <= 0)
        return false;
    if (width * height > ui::kMaxPicturePixels) {
        refusal = Refusal::TooLarge;
        return false;
    }
    return true;
}

// Encoders write about ten scans. Each scan, however few its bytes, costs a pass over the whole
// picture, so that repeated scans would make a small file take minutes.
constexpr int kMaxJpegScans = 100;

struct JpegError {
    jpeg_error_mgr manager;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    bool endMarkerAdded = false;
    // The caller's, which longjmp leaves as it was set.
    Refusal* refusal = nullptr;
};

// What libjpeg's error says of the file: most errors are damage, a few are features it lacks or
// memory it lacks.
Refusal jpegRefusal(int code)
{
    switch (code) {
    case JERR_OUT_OF_MEMORY: return Refusal::OutOfMemory;
    case JERR_ARITH_NOTIMPL:
    case JERR_BAD_PRECISION:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_NOTIMPL:
    case JERR_NOT_COMPILED:
    case JERR_SOF_UNSUPPORTED: return Refusal::NotTaken;
    default: return Refusal::Broken;
    }
}

void jpegFail(j_common_ptr info)
{
    auto* error = reinterpret_cast<JpegError*>(info->err);
    if (*error->refusal == Refusal::None)
        *error->refusal = jpegRefusal(info->err->msg_code);
    std::longjmp(error->jump, 1);
}

// Called as the scans are read, before any is turned into pixels.
void boundJpegScans(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= kMaxJpegScans)
        return;
    *reinterpret_cast<JpegError*>(info->err)->refusal = Refusal::TooManyScans;
    jpegFail(info);
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
bool decodeJpegInto(const QByteArray& file, std::vector<quint32>& pixels, int& width, int& height, Refusal& refusal)
{
    jpeg_decompress_struct info;
    JpegError error;
    error.endMarkerAdded = !file.endsWith("\xFF\xD9");
    const QByteArray bytes = error.endMarkerAdded ? file + QByteArrayLiteral("\xFF\xD9") : file;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFail;
    error.manager.output_message = [](j_common_ptr) {};
    error.manager.emit_message = jpegWarn;
    error.progress = jpeg_progress_mgr{};
    error.progress.progress_monitor = boundJpegScans;
    error.refusal = &refusal;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.progress = &error.progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (!withinPixelBound(info.image_width, info.image_height, refusal)) {
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
        refusal = Refusal::OutOfMemory;
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

ui::PicturePtr decodeJpeg(const QByteArray& bytes, Refusal& refusal)
{
    std::vector<quint32> pixels;
    int width = 0;
    int height = 0;
    if (!decodeJpegInto(bytes, pixels, width, height, refusal))
        return nullptr;
    return std::make_shared<ui::Picture>(width, height, std::move(pixels));
}

ui::PicturePtr decodePng(const QByteArray& bytes, Refusal& refusal)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.constData(), size_t(bytes.size())))
        return nullptr;
    if (!withinPixelBound(image.width, image.height, refusal)) {
        png_image_free(&image);
        return nullptr;
    }
    image.format = PNG_FORMAT_BGRA;  // little-endian ARGB words
    std::vector<quint32> pixels;
    try {
        pixels.resize(size_t(image.width) * size_t(image.height));
    } catch (const std::bad_alloc&) {
        png_image_free(&image);
        refusal = Refusal::OutOfMemory;
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

Refusal gifRefusal(int error) { return error == D_GIF_ERR_NOT_ENOUGH_MEM ? Refusal::OutOfMemory : Refusal::Broken; }

// The first frame of a GIF, on its screen. Read record by record rather than whole: every
// size is checked before anything is allocated for it, and the frames after the first are
// never read.
ui::PicturePtr decodeGifFrame(GifFileType* gif, Refusal& refusal)
{
    if (!withinPixelBound(gif->SWidth, gif->SHeight, refusal))
        return nullptr;
    const auto failed = [gif, &refusal] {
        refusal = gifRefusal(gif->Error);
        return nullptr;
    };
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    do {
        if (DGifGetRecordType(gif, &record) == GIF_ERROR)
            return failed();
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                return failed();
            if (code == GRAPHICS_EXT_FUNC_CODE && block)
                DGifExtensionToGCB(block[0], block + 1, &control);
            while (block)
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    return failed();
        }
    } while (record != IMAGE_DESC_RECORD_TYPE && record != TERMINATE_RECORD_TYPE);
    if (record != IMAGE_DESC_RECORD_TYPE)
        return nullptr;
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        return failed();
    const GifImageDesc& d = gif->Image;
    if (!withinPixelBound(d.Width, d.Height, refusal))
        return nullptr;
    std::vector<GifPixelType> raster(size_t(d.Width) * size_t(d.Height));
    // Interlaced rows come in four passes.
    static const int kPassStart[] = {0, 4, 2, 1};
    static const int kPassStep[] = {8, 8, 4, 2};
    const int passes = d.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = d.Interlace ? kPassStart[pass] : 0; y < d.Height; y += d.Interlace ? kPassStep[pass] : 1)
            if (DGifGetLine(gif, raster.data() + size_t(y) * size_t(d.Width), d.Width) == GIF_ERROR)
                return failed();
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

ui::PicturePtr decodeGif(const QByteArray& bytes, Refusal& refusal)
{
    GifSource source{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readGif, &error);
    if (!gif) {
        refusal = gifRefusal(error);
        return nullptr;
    }
    struct Closer {
        GifFileType* gif;
        ~Closer() { DGifCloseFile(gif, nullptr); }
    } closer{gif};
    return decodeGifFrame(gif, refusal);
}

Refusal webpRefusal(VP8StatusCode status)
{
    switch (status) {
    case VP8_STATUS_OUT_OF_MEMORY: return Refusal::OutOfMemory;
    case VP8_STATUS_UNSUPPORTED_FEATURE: return Refusal::NotTaken;
    default: return Refusal::Broken;
    }
}

// Animations are not taken: libwebp's simple decoder reads still pictures only.
ui::PicturePtr decodeWebp(const QByteArray& bytes, Refusal& refusal)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    const size_t size = size_t(bytes.size());
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config)) {
        refusal = Refusal::NotTaken;
        return nullptr;
    }
    const VP8StatusCode status = WebPGetFeatures(data, size, &config.input);
    if (status != VP8_STATUS_OK) {
        refusal = webpRefusal(status);
        return nullptr;
    }
    if (config.input.has_animation) {
        refusal = Refusal::NotTaken;
        return nullptr;
    }
    const int width = config.input.width, height = config.input.height;
    if (!withinPixelBound(width, height, refusal))
        return nullptr;
    std::vector<quint32> pixels(size_t(width) * size_t(height));
    // Decoded straight into the picture's words: BGRA bytes are little-endian ARGB.
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = reinterpret_cast<uint8_t*>(pixels.data());
    config.output.u.RGBA.stride = width * 4;
    config.output.u.RGBA.size = pixels.size() * 4;
    const VP8StatusCode decoded = WebPDecode(data, size, &config);
    WebPFreeDecBuffer(&config.output);
    if (decoded != VP8_STATUS_OK) {
        refusal = webpRefusal(decoded);
        return nullptr;
    }
    return std::make_shared<ui::Picture>(width, height, std::move(pixels));
}

// Kinds of picture this program never decodes. Such a file, named as a cover or a photo, is still
// a picture the school may want: it is kept rather than taken for a broken one.
bool isPictureOfAnotherKind(const QByteArray& bytes)
{
    static const QByteArrayList isoImageBrands{"heic", "heix", "mif1", "msf1", "avif", "avis"};
    const bool bmp = bytes.startsWith("BM");
    const bool tiff = bytes.startsWith(QByteArrayView("II*\0", 4)) || bytes.startsWith(QByteArrayView("MM\0*", 4));
    const bool heifOrAvif = bytes.mid(4, 4) == "ftyp" && isoImageBrands.contains(bytes.mid(8, 4));
    const bool jpeg2000 = bytes.startsWith(QByteArrayView("\0\0\0\x0CjP  \r\n\x87\n", 12));
    const bool jpegXl =
        bytes.startsWith("\xFF\x0A") || bytes.startsWith(QByteArrayView("\0\0\0\x0CJXL \r\n\x87\n", 12));
    return bmp || tiff || heifOrAvif || jpeg2000 || jpegXl;
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

ui::PicturePtr decodePicture(const QByteArray& bytes, Refusal* refusal)
{
    Refusal why = Refusal::None;
    ui::PicturePtr picture;
    // A picture within the bound may still not fit in the memory left.
    try {
        switch (detectFormat(bytes)) {
        case Format::Jpeg: picture = decodeJpeg(bytes, why); break;
        case Format::Png: picture = decodePng(bytes, why); break;
        case Format::Gif: picture = decodeGif(bytes, why); break;
        case Format::Webp: picture = decodeWebp(bytes, why); break;
        case Format::Unknown:
            if (isPictureOfAnotherKind(bytes))
                why = Refusal::NotTaken;
            break;
        }
    } catch (const std::bad_alloc&) {
        why = Refusal::OutOfMemory;
    }
    if (refusal)
        *refusal = picture ? Refusal::None : why == Refusal::None ? Refusal::Broken : why;
    return picture;
}

ui::PicturePtr loadPictureFile(const QString& nativePath, Refusal* refusal)
{
    QFile f(nativePath);
    if (!f.open(QIODevice::ReadOnly)) {
        if (refusal)
            *refusal = Refusal::Unopened;
        return nullptr;
    }
    QByteArray bytes;
    try {
        bytes = f.readAll();
    } catch (const std::bad_alloc&) {
        if (refusal)
            *refusal = Refusal::OutOfMemory;
        return nullptr;
    }
    return decodePicture(bytes, refusal);
}

}  // namespace picture
