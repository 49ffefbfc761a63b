#pragma once
// Records from the machine's microphone through a command-line recorder that writes raw
// samples on its standard output: parecord (PulseAudio, PipeWire) when a sound server runs,
// else ALSA's arecord. Any other program (a stand-in in tests) is given arecord's arguments.
// The recording runs on by itself until it is finished; no thread and no event loop needed.
#include "platform/media/WaveFile.h"

#include <QString>
#include <QTemporaryFile>
#include <memory>
#include <optional>

class QProcess;

namespace media {

class SoundRecorder {
public:
    // parecord when a sound server answers on this machine, else arecord; empty when neither
    // is installed.
    static QString findProgram();
    // The recorder's arguments for raw samples of the format on its standard output.
    static QStringList argumentsFor(const QString& program, const WaveFormat& format);

    explicit SoundRecorder(const QString& program);
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    // False when no recorder could be started.
    bool start(const WaveFormat& format);
    // Ends the recording and gives its samples; nothing when no sample came (no recording
    // device, or none was started).
    std::optional<QByteArray> finish();
    // Ends the recording and drops it.
    void discard();
    bool recording() const { return m_process != nullptr; }

private:
    QString m_program;
    std::unique_ptr<QProcess> m_process;
    std::unique_ptr<QTemporaryFile> m_samples;
};

}  // namespace media
