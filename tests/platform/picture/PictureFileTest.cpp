#include "platform/picture/PictureFile.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

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
