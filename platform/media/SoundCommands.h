#pragma once
// The multimedia command strings the program sends, interpreted over WAV files:
//
//   close all | close ALIAS
//   open "FILE" [type T] alias ALIAS      a WAV file to play
//   open new type waveaudio alias ALIAS   a new recording
//   set ALIAS samplespersec N | bitspersample N | channels N | time format ms
//   play | stop | seek | record ALIAS ...
//   save ALIAS "FILE"                     the recording so far, as a PCM WAV file
//
// Words are case-insensitive; a path stands between double quotes. Each open device plays
// through its own SoundPlayer or records through its own SoundRecorder. A machine without a
// recording device makes record or save report NotAvailable, and nothing is written.
#include "platform/media/SoundPlayer.h"
#include "platform/media/SoundRecorder.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

namespace media {

enum class Status {
    Ok,
    UnknownCommand,
    NotOpen,          // no device is open under that alias
    AliasInUse,
    FileNotPlayable,  // missing, unreadable or not a WAV file
    NotAvailable,     // no recording device
    FileNotWritable,  // a recording that cannot be saved there
};

class SoundCommands {
public:
    // Turns the program's path text into a native path; may throw (the open then fails).
    using PathMapper = std::function<QString(const QString&)>;

    explicit SoundCommands(PathMapper nativePath = {}, const QString& playerProgram = SoundPlayer::findProgram(),
                           const QString& recorderProgram = SoundRecorder::findProgram());
    ~SoundCommands();

    Status send(const QString& command);

private:
    // A device plays a file or, opened new, records.
    struct Device {
        QString file;
        std::unique_ptr<SoundPlayer> player;
        std::unique_ptr<SoundRecorder> recorder;
        WaveFormat format;
    };

    Status open(const QStringList& words);
    Status close(const QString& alias);
    static void set(Device& device, const QStringList& words);
    Status save(Device& device, const QStringList& words);

    PathMapper nativePath_;
    QString playerProgram_;
    QString recorderProgram_;
    std::map<QString, Device> devices_;  // by alias in lower case
};

}  // namespace media
