#pragma once
// Picture files that lie about their size or lack their end, as hostile or careless sources send
// them; each is made from a small picture of the test's own.
#include <QByteArray>
#include <QtEndian>

namespace hostile_pictures {

// A GIF of about 1.5 KB whose screen and frame declare 65535 x 65535 pixels.
inline QByteArray hugeGif()
{
    QByteArray gif = QByteArray::fromHex("474946383961" "ffff" "ffff" "800000" "ff0000" "ffffff"
                                         "2c" "00000000" "ffff" "ffff" "00" "02");
    for (int block = 0; block < 6; ++block)
        gif += char(255) + QByteArray(255, '\x55');
    return gif + QByteArray("\0;", 2);
}

// The JPEG with its frame header declaring width x height pixels; its data stay those of the
// small picture.
inline QByteArray jpegDeclaring(QByteArray jpeg, quint16 width, quint16 height)
{
    for (qsizetype at = jpeg.indexOf('\xFF'); at >= 0 && at + 9 < jpeg.size(); at = jpeg.indexOf('\xFF', at + 1)) {
        const uchar marker = uchar(jpeg[at + 1]);
        if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
            qToBigEndian(height, jpeg.data() + at + 5);
            qToBigEndian(width, jpeg.data() + at + 7);
            break;
        }
    }
    return jpeg;
}

// The JPEG without its end marker: every row's data are there.
inline QByteArray jpegWithoutEndMarker(const QByteArray& jpeg)
{
    return jpeg.endsWith("\xFF\xD9") ? jpeg.chopped(2) : jpeg;
}

}  // namespace hostile_pictures
