#pragma once
// PCM WAV files: the format of a recording and the file that holds it.
#include <QByteArray>
#include <QString>

namespace media {

struct WaveFormat {
    int samplesPerSec = 11025;
    int bitsPerSample = 8;
    int channels = 1;
};

// The 44-byte RIFF header of a PCM file holding dataSize bytes of samples.
QByteArray waveHeader(const WaveFormat& format, quint32 dataSize);

// The header and the samples, replacing any earlier file; false when it cannot be written.
bool writeWaveFile(const QString& nativePath, const WaveFormat& format, const QByteArray& samples);

// A file that begins as a RIFF WAVE file.
bool isWaveFile(const QString& nativePath);

}  // namespace media
