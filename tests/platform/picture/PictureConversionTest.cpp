#include "platform/picture/PictureConversion.h"
#include "platform/picture/PictureFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <webp/encode.h>

using namespace picture;

namespace {

// A 40 x 30 picture, orange with a blue lower-right quarter; alpha gives its left eight
// columns a transparent edge.
QImage photo(bool transparentEdge = false)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(QColor(230, 120, 20));
    for (int y = 15; y < 30; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixelColor(x, y, QColor(20, 40, 220));
    if (transparentEdge)
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 8; ++x)
                image.setPixelColor(x, y, QColor(0, 0, 0, 0));
    return image;
}

QByteArray written(const QImage& image, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QByteArray webp(const QImage& image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    uint8_t* out = nullptr;
    const size_t size = WebPEncodeRGBA(rgba.constBits(), rgba.width(), rgba.height(), int(rgba.bytesPerLine()), 90, &out);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    WebPFree(out);
    return bytes;
}

// A CMYK JPEG as print software writes it: the channels inverted, with the Adobe marker.
QByteArray cmykJpeg(const QImage& image)
{
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(image.width()) * 4);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int k = std::max({c.red(), c.green(), c.blue()});
            unsigned char* p = &row[size_t(x) * 4];
            p[0] = k ? c.red() * 255 / k : 0;
            p[1] = k ? c.green() * 255 / k : 0;
            p[2] = k ? c.blue() * 255 / k : 0;
            p[3] = k;
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

// A 2 x 1 GIF: a red pixel and a transparent one.
const QByteArray kTwoPixelGif = QByteArray::fromHex(
    "474946383961" "0200" "0100" "800000" "ff0000" "ffffff" "21f9040100000100"
    "2c00000000020001000002" "02440a00" "3b");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool near(quint32 pixel, int r, int g, int b)
{
    const int tolerance = 24;
    return std::abs(int((pixel >> 16) & 0xFF) - r) <= tolerance && std::abs(int((pixel >> 8) & 0xFF) - g) <= tolerance
        && std::abs(int(pixel & 0xFF) - b) <= tolerance;
}

// A baseline JPEG has a start-of-frame 0 segment, a progressive one a start-of-frame 2.
bool isBaselineJpeg(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xD8") && bytes.contains("\xFF\xC0") && !bytes.contains("\xFF\xC2");
}

struct ConversionCase {
    const char* name;
    QByteArray bytes;
    QSize size;  // empty when the file is to be refused
};

TEST(PictureConversion, EveryKnownFormatBecomesABaselineJpegAndBrokenFilesNothing)
{
    const QByteArray progressive = written(photo(), "JPEG", true);
    ASSERT_TRUE(progressive.contains("\xFF\xC2"));
    const ConversionCase cases[] = {
        {"cover.gif", kTwoPixelGif, QSize(2, 1)},
        {"cover.png", written(photo(true), "PNG"), QSize(40, 30)},
        {"cover.webp", webp(photo(true)), QSize(40, 30)},
        {"progressive.jpg", progressive, QSize(40, 30)},
        {"cmyk.jpg", cmykJpeg(photo()), QSize(40, 30)},
        {"named-wrong.jpg", written(photo(), "PNG"), QSize(40, 30)},
        {"truncated.jpg", written(photo(), "JPEG").chopped(200), {}},
        {"truncated.png", written(photo(), "PNG").chopped(40), {}},
        {"truncated.webp", webp(photo()).chopped(30), {}},
        {"zero.jpg", QByteArray(), {}},
        {"page.jpg", QByteArray("<html><body>ERREUR 404</body></html>"), {}},
    };
    QTemporaryDir dir;
    for (const ConversionCase& c : cases) {
        const QString source = dir.filePath(QString::fromLatin1(c.name));
        const QString target = dir.filePath(QStringLiteral("out.jpg"));
        QFile::remove(target);
        writeFile(source, c.bytes);
        const bool converted = convertToJpeg(source, target);
        EXPECT_EQ(converted, !c.size.isEmpty()) << c.name;
        EXPECT_TRUE(QFile::exists(source)) << c.name;
        if (c.size.isEmpty()) {
            EXPECT_FALSE(QFile::exists(target)) << c.name;
            continue;
        }
        QFile out(target);
        ASSERT_TRUE(out.open(QIODevice::ReadOnly)) << c.name;
        const QByteArray jpeg = out.readAll();
        EXPECT_TRUE(isBaselineJpeg(jpeg)) << c.name;
        const ui::PicturePtr picture = decodePicture(jpeg);
        ASSERT_TRUE(picture) << c.name;
        EXPECT_EQ(picture->size(), c.size) << c.name;
        if (c.size == QSize(40, 30)) {
            EXPECT_TRUE(near(picture->pixel(14, 5), 230, 120, 20)) << c.name;
            EXPECT_TRUE(near(picture->pixel(30, 25), 20, 40, 220)) << c.name;
        }
    }
}

TEST(PictureConversion, TransparencyBecomesWhite)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.png")), written(photo(true), "PNG"));
    ASSERT_TRUE(convertToJpeg(dir.filePath(QStringLiteral("a.png")), dir.filePath(QStringLiteral("a.jpg"))));
    const ui::PicturePtr picture = loadPictureFile(dir.filePath(QStringLiteral("a.jpg")));
    ASSERT_TRUE(picture);
    EXPECT_TRUE(near(picture->pixel(2, 15), 255, 255, 255));
}

TEST(PictureConversion, ALostSourceLeavesTheTargetAsItWas)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("cover.jpg"));
    writeFile(target, "old cover");
    EXPECT_FALSE(convertToJpeg(dir.filePath(QStringLiteral("missing.webp")), target));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("old cover"));
}

TEST(PictureConversion, ScaledSizeKeepsTheLongerSideAtMaxAndRoundsHalvesToEven)
{
    const struct {
        QSize source;
        int max;
        QSize expected;
    } cases[] = {
        {{1000, 1500}, 500, {333, 500}}, {{1500, 1000}, 350, {350, 233}}, {{800, 800}, 500, {500, 500}},
        {{800, 800}, 240, {240, 240}},   {{620, 812}, 500, {382, 500}},  {{0, 0}, 500, {0, 0}},
        {{300, 200}, 0, {300, 200}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaledSize(c.source, c.max), c.expected) << c.source.width() << "x" << c.source.height();
}

TEST(PictureConversion, ScaledPictureAveragesTheSource)
{
    const ui::PicturePtr source = decodePicture(written(photo(), "PNG"));
    ASSERT_TRUE(source);
    const ui::PicturePtr half = scaledPicture(*source, 20);
    ASSERT_EQ(half->size(), QSize(20, 15));
    EXPECT_TRUE(near(half->pixel(2, 2), 230, 120, 20));
    EXPECT_TRUE(near(half->pixel(15, 12), 20, 40, 220));
}

}  // namespace
