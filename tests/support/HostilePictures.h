#pragma once
// Picture files that lie about their size, lack their end, refine themselves without end or
// move, as hostile or careless sources send them; each is made from a small picture of the
// test's own.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>
#include <algorithm>
#include <utility>
#include <vector>

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

// The picture as a progressive JPEG, as Qt writes it (about ten scans).
inline QByteArray progressiveJpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

// Where each scan of a JPEG begins and ends: its SOS segment and the entropy-coded data after it.
inline std::vector<std::pair<qsizetype, qsizetype>> jpegScans(const QByteArray& jpeg)
{
    std::vector<std::pair<qsizetype, qsizetype>> scans;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF) {
        const uchar marker = uchar(jpeg[at + 1]);
        if (marker == 0xD9)
            break;
        qsizetype end = at + 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
        if (marker == 0xDA) {
            // The data run to the next marker that is neither a stuffed byte nor a restart.
            while (end + 1 < jpeg.size() &&
                   !(uchar(jpeg[end]) == 0xFF && jpeg[end + 1] != 0 && (uchar(jpeg[end + 1]) & 0xF8) != 0xD0))
                ++end;
            scans.emplace_back(at, end);
        }
        at = end;
    }
    return scans;
}

// The progressive JPEG with its smallest scan repeated until it holds `count` scans: libjpeg
// warns of a repeated scan and reads it again over the whole picture, however few its bytes.
inline QByteArray jpegWithScans(QByteArray jpeg, int count)
{
    const auto scans = jpegScans(jpeg);
    if (scans.empty())
        return jpeg;
    const auto [start, end] = *std::min_element(scans.begin(), scans.end(), [](const auto& a, const auto& b) {
        return a.second - a.first < b.second - b.first;
    });
    const QByteArray smallest = jpeg.mid(start, end - start);
    return jpeg.insert(end, smallest.repeated(std::max(0, count - int(scans.size()))));
}

// A chunk of a RIFF file: its tag, its size and its data, padded to an even size.
inline QByteArray riffChunk(const char* tag, const QByteArray& data)
{
    QByteArray chunk(tag, 4);
    char size[4];
    qToLittleEndian(quint32(data.size()), size);
    chunk.append(size, 4).append(data);
    return data.size() % 2 ? chunk + '\0' : chunk;
}

// An animated WebP of two frames of one red pixel.
inline QByteArray animatedWebp()
{
    const QByteArray pixel = riffChunk("VP8L", QByteArray::fromHex("2f000000000710fd8ffe0722a2ff01"));
    // Animation flag; a canvas of 1 x 1 (sizes are stored less one).
    const QByteArray canvas = QByteArray::fromHex("02000000" "000000" "000000");
    // At 0, 0, 1 x 1, shown 100 ms.
    const QByteArray frame = QByteArray::fromHex("000000" "000000" "000000" "000000" "640000" "00") + pixel;
    const QByteArray body = QByteArray("WEBP") + riffChunk("VP8X", canvas) +
                            riffChunk("ANIM", QByteArray::fromHex("ffffffff" "0000")) + riffChunk("ANMF", frame) +
                            riffChunk("ANMF", frame);
    return riffChunk("RIFF", body);
}

}  // namespace hostile_pictures
