#include "platform/picture/PictureFile.h"

#include "platform/picture/JpegWriter.h"
#include "tests/support/HostilePictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>
#include <zlib.h>

using namespace picture;

namespace {

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage sample()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(QColor(200, 30, 10));
    image.setPixelColor(3, 2, QColor(0, 0, 255));
    return image;
}

// A 2 x 1 GIF: a red pixel and a transparent one over a white background.
const QByteArray kGif = QByteArray::fromHex(
    "474946383961" "0200" "0100" "800000"  // header, 2 x 1, global table of two colours
    "ff0000" "ffffff"                      // red, white
    "21f9040100000100"                     // colour 1 is transparent
    "2c00000000020001000002" "02440a00"    // one frame: indices 0 and 1
    "3b");

}  // namespace

TEST(PictureFile, DecodesByContentNotByName)
{
    const auto png = decodePicture(encoded(sample(), "PNG"));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->size(), QSize(4, 3));
    EXPECT_EQ(png->pixel(0, 0), 0xFFC81E0Au);
    EXPECT_EQ(png->pixel(3, 2), 0xFF0000FFu);

    const auto jpeg = loadPictureFile(QVL_SOURCE_DIR "/data/Reserve/No_picture.jpg");
    ASSERT_TRUE(jpeg);
    EXPECT_GT(jpeg->width(), 0);
    EXPECT_EQ(jpeg->pixel(0, 0) >> 24, 0xFFu);
}

TEST(PictureFile, GifFirstFrameWithTransparencyOnWhite)
{
    ASSERT_EQ(detectFormat(kGif), Format::Gif);
    const auto gif = decodePicture(kGif);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->size(), QSize(2, 1));
    EXPECT_EQ(gif->pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(gif->pixel(1, 0), 0xFFFFFFFFu);
}

TEST(PictureFile, GarbageAndMissingFilesGiveNoPicture)
{
    EXPECT_EQ(decodePicture("not a picture"), nullptr);
    EXPECT_EQ(decodePicture(QByteArray("\xFF\xD8\xFF\xE0 truncated")), nullptr);
    EXPECT_EQ(decodePicture(QByteArray("\x89PNG\r\n\x1A\n broken")), nullptr);
    EXPECT_EQ(loadPictureFile("/nonexistent/x.jpg"), nullptr);
}

namespace {

// The PNG with its header declaring width x height pixels (its checksum made to match).
QByteArray pngDeclaring(QByteArray png, quint32 width, quint32 height)
{
    const qsizetype header = png.indexOf("IHDR");
    qToBigEndian(width, png.data() + header + 4);
    qToBigEndian(height, png.data() + header + 8);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.constData() + header), 17);
    qToBigEndian(quint32(crc), png.data() + header + 17);
    return png;
}

QByteArray sampleJpeg()
{
    const QImage image = sample().scaled(64, 48);
    std::vector<quint32> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(image.pixel(x, y));
    return encodeJpeg(ui::Picture(image.width(), image.height(), std::move(pixels)), 90);
}

}  // namespace

// Only a file broken by its content is told apart as broken: the callers delete those alone.
TEST(PictureFile, EveryRefusalSaysWhy)
{
    const QByteArray progressive = hostile_pictures::progressiveJpeg(sample().scaled(64, 48));
    ASSERT_GT(hostile_pictures::jpegScans(progressive).size(), 1u);
    const struct {
        const char* what;
        QByteArray bytes;
        Refusal refusal;
    } cases[] = {
        {"GIF of 65535 x 65535", hostile_pictures::hugeGif(), Refusal::TooLarge},
        {"JPEG of 20000 x 20000", hostile_pictures::jpegDeclaring(sampleJpeg(), 20000, 20000), Refusal::TooLarge},
        {"JPEG of 9000 x 6000", hostile_pictures::jpegDeclaring(sampleJpeg(), 9000, 6000), Refusal::TooLarge},
        {"PNG of 60000 x 60000", pngDeclaring(encoded(sample(), "PNG"), 60000, 60000), Refusal::TooLarge},
        {"animated WebP", hostile_pictures::animatedWebp(), Refusal::NotTaken},
        {"progressive JPEG of 3000 scans", hostile_pictures::jpegWithScans(progressive, 3000), Refusal::TooManyScans},
        {"BMP", encoded(sample(), "BMP"), Refusal::NotTaken},
        {"TIFF", QByteArray("II*\0\x08\0\0\0", 8), Refusal::NotTaken},
        {"HEIC",
         QByteArray("\0\0\0\x18"
                    "ftypheic",
                    12),
         Refusal::NotTaken},
        {"garbage", "not a picture", Refusal::Broken},
        {"empty", QByteArray(), Refusal::Broken},
        {"JPEG cut short", QByteArray("\xFF\xD8\xFF\xE0 truncated"), Refusal::Broken},
        {"PNG cut short", QByteArray("\x89PNG\r\n\x1A\n broken"), Refusal::Broken},
        {"WebP cut short", hostile_pictures::animatedWebp().left(20), Refusal::Broken},
        {"progressive JPEG", progressive, Refusal::None},
        {"progressive JPEG of 60 scans", hostile_pictures::jpegWithScans(progressive, 60), Refusal::None},
    };
    for (const auto& c : cases) {
        Refusal refusal = Refusal::Unopened;
        const ui::PicturePtr picture = decodePicture(c.bytes, &refusal);
        EXPECT_EQ(picture == nullptr, c.refusal != Refusal::None) << c.what;
        EXPECT_EQ(refusal, c.refusal) << c.what;
    }
    Refusal refusal = Refusal::None;
    EXPECT_EQ(loadPictureFile("/nonexistent/x.jpg", &refusal), nullptr);
    EXPECT_EQ(refusal, Refusal::Unopened);
}

namespace {

// Decodes the bytes with `room` bytes of address space left to this process, and ends it with 0
// when the picture was refused for memory.
[[noreturn, maybe_unused]] void decodeWithinRoom(const QByteArray& bytes, rlim_t room)
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    const rlim_t inUse = rlim_t(statm.readAll().split(' ').value(0).toULongLong()) * rlim_t(sysconf(_SC_PAGESIZE));
    const rlimit limit{inUse + room, RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &limit);
    Refusal refusal = Refusal::None;
    decodePicture(bytes, &refusal);
    std::_Exit(refusal == Refusal::OutOfMemory ? 0 : 1);
}

}  // namespace

// A picture within the bound that the memory left cannot hold is not taken for a broken one.
TEST(PictureFileDeathTest, APictureTheMemoryLeftCannotHoldIsNotBroken)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit leaves";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Its 49 million pixels take 196 MB.
    const QByteArray jpeg = hostile_pictures::jpegDeclaring(sampleJpeg(), 7000, 7000);
    EXPECT_EXIT(decodeWithinRoom(jpeg, 64u << 20), testing::ExitedWithCode(0), "");
#endif
}

// The frames of an animation are not the still picture's business; the first frame of a still
// one is read as ever.
TEST(PictureFile, AStillWebpIsDecoded)
{
    const QByteArray still = QByteArray::fromHex("524946461c000000574542505650384c0f0000002f000000000710fd8ffe0722a2ff0100");
    const auto webp = decodePicture(still);
    ASSERT_TRUE(webp);
    EXPECT_EQ(webp->size(), QSize(1, 1));
    EXPECT_EQ(webp->pixel(0, 0), 0xFFFF0000u);
}

TEST(PictureFile, AJpegLackingOnlyItsEndMarkerIsThePictureItHolds)
{
    const QByteArray whole = sampleJpeg();
    const auto complete = decodePicture(whole);
    ASSERT_TRUE(complete);
    const auto withoutEnd = decodePicture(hostile_pictures::jpegWithoutEndMarker(whole));
    ASSERT_TRUE(withoutEnd);
    EXPECT_EQ(withoutEnd->size(), complete->size());
    EXPECT_EQ(withoutEnd->pixels(), complete->pixels());
    // Cut inside its rows, it is no picture.
    EXPECT_EQ(decodePicture(whole.left(whole.size() * 2 / 3)), nullptr);
}
