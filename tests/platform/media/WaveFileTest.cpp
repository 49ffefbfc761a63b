#include "platform/media/WaveFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace media;

TEST(WaveFileTest, HeaderDescribesThePcmFormat)
{
    const struct {
        WaveFormat format;
        quint32 dataSize;
        quint32 byteRate;
        quint16 blockAlign;
    } cases[] = {
        {{11100, 8, 1}, 0, 11100, 1},
        {{44100, 16, 2}, 1000, 176400, 4},
    };
    for (const auto& c : cases) {
        const QByteArray h = waveHeader(c.format, c.dataSize);
        ASSERT_EQ(h.size(), 44);
        const auto* d = reinterpret_cast<const uchar*>(h.constData());
        EXPECT_EQ(h.left(4), "RIFF");
        EXPECT_EQ(qFromLittleEndian<quint32>(d + 4), 36 + c.dataSize);
        EXPECT_EQ(h.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<quint16>(d + 20), 1);
        EXPECT_EQ(qFromLittleEndian<quint16>(d + 22), c.format.channels);
        EXPECT_EQ(qFromLittleEndian<quint32>(d + 24), quint32(c.format.samplesPerSec));
        EXPECT_EQ(qFromLittleEndian<quint32>(d + 28), c.byteRate);
        EXPECT_EQ(qFromLittleEndian<quint16>(d + 32), c.blockAlign);
        EXPECT_EQ(qFromLittleEndian<quint16>(d + 34), c.format.bitsPerSample);
        EXPECT_EQ(h.mid(36, 4), "data");
        EXPECT_EQ(qFromLittleEndian<quint32>(d + 40), c.dataSize);
    }
}

TEST(WaveFileTest, WrittenFileIsReadAsWave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("comment.Wav");
    ASSERT_TRUE(writeWaveFile(path, WaveFormat{11100, 8, 1}, QByteArray("\x80\x80", 2)));
    EXPECT_TRUE(isWaveFile(path));
    EXPECT_EQ(QFile(path).size(), 46);
    EXPECT_FALSE(writeWaveFile(dir.filePath("missing/comment.Wav"), WaveFormat(), QByteArray()));
    EXPECT_FALSE(isWaveFile(dir.filePath("missing/comment.Wav")));
}
