#include "platform/media/WaveFile.h"

#include <QFile>
#include <QSaveFile>

namespace media {

namespace {

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray waveHeader(const WaveFormat& format, quint32 dataSize)
{
    const quint32 blockAlign = quint32(format.channels * format.bitsPerSample / 8);
    QByteArray header;
    header.append("RIFF");
    appendLittleEndian(header, 36 + dataSize, 4);
    header.append("WAVEfmt ");
    appendLittleEndian(header, 16, 4);
    appendLittleEndian(header, 1, 2);  // PCM
    appendLittleEndian(header, quint32(format.channels), 2);
    appendLittleEndian(header, quint32(format.samplesPerSec), 4);
    appendLittleEndian(header, quint32(format.samplesPerSec) * blockAlign, 4);
    appendLittleEndian(header, blockAlign, 2);
    appendLittleEndian(header, quint32(format.bitsPerSample), 2);
    header.append("data");
    appendLittleEndian(header, dataSize, 4);
    return header;
}

bool writeWaveFile(const QString& nativePath, const WaveFormat& format, const QByteArray& samples)
{
    // Written aside and renamed, so an earlier comment is replaced whole or kept whole.
    QSaveFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(waveHeader(format, quint32(samples.size())));
    file.write(samples);
    return file.commit();
}

bool isWaveFile(const QString& nativePath)
{
    QFile file(nativePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.endsWith("WAVE");
}

}  // namespace media
