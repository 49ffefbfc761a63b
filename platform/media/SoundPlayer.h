#pragma once
// Plays a WAV file through the machine's command-line player, without waiting for the end.
// A machine without a player stays silent, and a player that fails (no sound device) too:
// a sound is never worth an error.
#include <QString>
#include <memory>

class QProcess;

namespace media {

class SoundPlayer {
public:
    // paplay (PulseAudio, PipeWire), else aplay (ALSA); empty when neither is installed.
    static QString findProgram();

    // An empty program plays nothing.
    explicit SoundPlayer(const QString& program);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Stops what this player was playing, then starts the file.
    void play(const QString& wavPath);
    void stop();

private:
    QString program_;
    std::unique_ptr<QProcess> process_;
};

}  // namespace media
