#include "platform/scan/Dib.h"
#include "platform/scan/Twain.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/Image.h"
#include "platform/ui/ScriptedDialogs.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using scan::Raster;

QByteArray header(int size, int width, int height, int bits, int clrUsed)
{
    QByteArray h(size, '\0');
    qToLittleEndian<qint32>(size, h.data());
    if (size == 12) {
        qToLittleEndian<quint16>(quint16(width), h.data() + 4);
        qToLittleEndian<quint16>(quint16(height), h.data() + 6);
        qToLittleEndian<quint16>(1, h.data() + 8);
        qToLittleEndian<quint16>(quint16(bits), h.data() + 10);
    } else {
        qToLittleEndian<qint32>(width, h.data() + 4);
        qToLittleEndian<qint32>(height, h.data() + 8);
        qToLittleEndian<quint16>(1, h.data() + 12);
        qToLittleEndian<quint16>(quint16(bits), h.data() + 14);
        qToLittleEndian<qint32>(clrUsed, h.data() + 32);
    }
    return h;
}

TEST(DibLayout, PixelRowsStartAfterHeaderAndColourTable)
{
    struct Case {
        const char* what;
        int headerSize, bits, clrUsed;
        qsizetype offset;
    };
    const Case cases[] = {
        {"8 bits, biClrUsed 0: 256 colours", 40, 8, 0, 40 + 4 * 256},
        {"8 bits, biClrUsed 16", 40, 8, 16, 40 + 4 * 16},
        {"24 bits: no table", 40, 24, 0, 40},
        {"32 bits: no table", 40, 32, 0, 40},
        {"1 bit: two colours", 40, 1, 0, 40 + 8},
        {"core header, 8 bits: 256 three-byte entries", 12, 8, 0, 12 + 3 * 256},
        {"core header, 24 bits: no table", 12, 24, 0, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scan::dibPixelOffset(header(c.headerSize, 4, 2, c.bits, c.clrUsed)), c.offset) << c.what;
}

TEST(DibLayout, PackedRasterReadsBackPixelForPixel)
{
    // Top row red then green, bottom row blue then white; the DIB stores them bottom-up.
    Raster colour{2, 2, 24, 6, 100, QByteArray("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\xFF\xFF\xFF", 12)};
    const QByteArray dib = scan::packDib(colour);
    EXPECT_EQ(scan::dibSize(dib), QSize(2, 2));
    EXPECT_EQ(dib.size(), 40 + 2 * 8);  // rows padded to 4 bytes
    const ui::PicturePtr p = scan::dibPicture(dib);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(p->pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(p->pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(p->pixel(1, 1), 0xFFFFFFFFu);

    Raster grey{3, 1, 8, 3, 100, QByteArray("\x00\x80\xFF", 3)};
    const ui::PicturePtr g = scan::dibPicture(scan::packDib(grey));
    ASSERT_TRUE(g);
    EXPECT_EQ(g->pixel(1, 0), 0xFF808080u);

    // A set bit of a scanner's line art is black.
    Raster lineArt{8, 1, 1, 1, 100, QByteArray("\xF0", 1)};
    const ui::PicturePtr l = scan::dibPicture(scan::packDib(lineArt));
    ASSERT_TRUE(l);
    EXPECT_EQ(l->pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(l->pixel(7, 0), 0xFFFFFFFFu);
}

TEST(DibLayout, TopDownRowsAndBlocksThatAreNoDib)
{
    QByteArray topDown = header(40, 1, -2, 24, 0);
    topDown += QByteArray("\x00\x00\xFF\x00", 4);  // first row: red
    topDown += QByteArray("\xFF\x00\x00\x00", 4);  // second row: blue
    const ui::PicturePtr p = scan::dibPicture(topDown);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(p->pixel(0, 1), 0xFF0000FFu);

    EXPECT_FALSE(scan::dibPicture(QByteArray("\x28\x00", 2)));
    EXPECT_FALSE(scan::dibPicture(topDown.left(topDown.size() - 1))) << "shorter than its rows";
    EXPECT_FALSE(scan::dibPicture(header(40, 1, 1, 16, 0) + QByteArray(4, '\0'))) << "16 bits";
}

TEST(DibLayout, PaintingKeepsTheControlSize)
{
    ui::VirtualClock clock;
    ui::ScriptedDialogs dialogs;
    ui::Application app(clock, dialogs);
    ui::Form form(app, QStringLiteral("FrmPrin"));
    auto* image = form.create<ui::Image>(QStringLiteral("Image3"));
    image->setBounds(QRect(0, 0, 310, 406));
    Raster page{2480, 3508, 8, 2480, 300, QByteArray(qsizetype(2480) * 3508, '\x7F')};
    auto* dib = new scan::Dib{scan::packDib(page)};
    scan::DrawDibIntoImage(dib, *image);
    ASSERT_TRUE(image->picture());
    EXPECT_EQ(image->picture()->size(), QSize(2480, 3508));
    EXPECT_EQ(image->bounds().size(), QSize(310, 406));
    scan::Twain::TWAIN_ReleaseImage(dib);
    scan::Twain::TWAIN_ReleaseImage(nullptr);
}

}  // namespace
