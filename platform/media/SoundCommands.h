#pragma once
// The multimedia command strings the program sends, interpreted over WAV files:
//
//   close all | close ALIAS
//   open "FILE" [type T] alias ALIAS      a WAV file to play
//   open new type waveaudio alias ALIAS   a new recording: not available here
//   play | stop | seek | set | record | save ALIAS ...
//
// Words are case-insensitive; a path stands between double quotes. Each open device
// plays through its own SoundPlayer. Sound recording is not available: those commands
// report NotAvailable and nothing is written. Callers, like the program's, may ignore
// every result.
#include "platform/media/SoundPlayer.h"

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
    NotAvailable,     // recording
};

class SoundCommands {
public:
    // Turns the program's path text into a native path; may throw (the open then fails).
    using PathMapper = std::function<QString(const QString&)>;

    explicit SoundCommands(PathMapper nativePath = {}, const QString& playerProgram = SoundPlayer::findProgram());
    ~SoundCommands();

    Status send(const QString& command);

private:
    struct Device {
        QString file;
        std::unique_ptr<SoundPlayer> player;
    };

    Status open(const QStringList& words);
    Status close(const QString& alias);

    PathMapper nativePath_;
    QString playerProgram_;
    std::map<QString, Device> devices_;  // by alias in lower case
};

}  // namespace media
