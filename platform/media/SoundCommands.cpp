#include "platform/media/SoundCommands.h"

#include <QStringList>

namespace media {

namespace {

// Blank-separated words; a double-quoted part is one word without its quotes.
QStringList wordsOf(const QString& command)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : command) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == u' ' && !quoted) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

}  // namespace

SoundCommands::SoundCommands(PathMapper nativePath, const QString& playerProgram, const QString& recorderProgram)
    : nativePath_(std::move(nativePath)), playerProgram_(playerProgram), recorderProgram_(recorderProgram)
{
}

SoundCommands::~SoundCommands() = default;

Status SoundCommands::send(const QString& command)
{
    const QStringList words = wordsOf(command);
    if (words.size() < 2)
        return Status::UnknownCommand;
    const QString verb = words[0].toLower();
    if (verb == u"open")
        return open(words);
    const QString alias = words[1].toLower();
    if (verb == u"close")
        return close(alias);

    const auto device = devices_.find(alias);
    const bool known = verb == u"play" || verb == u"stop" || verb == u"seek" || verb == u"set"
                       || verb == u"record" || verb == u"save";
    if (!known)
        return Status::UnknownCommand;
    if (device == devices_.end())
        return Status::NotOpen;
    Device& d = device->second;
    if (verb == u"set")
        set(d, words);
    else if (verb == u"save")
        return save(d, words);
    else if (verb == u"record")
        return d.recorder && d.recorder->start(d.format) ? Status::Ok : Status::NotAvailable;
    else if (verb == u"play" && d.player)
        d.player->play(d.file);
    else if (verb == u"stop" && d.player)
        d.player->stop();
    return Status::Ok;
}

Status SoundCommands::open(const QStringList& words)
{
    qsizetype aliasAt = 2;
    while (aliasAt < words.size() && words[aliasAt].compare(u"alias", Qt::CaseInsensitive) != 0)
        ++aliasAt;
    if (aliasAt + 1 >= words.size())
        return Status::UnknownCommand;
    const QString alias = words[aliasAt + 1].toLower();
    if (devices_.count(alias))
        return Status::AliasInUse;
    if (words[1].compare(u"new", Qt::CaseInsensitive) == 0) {
        devices_[alias] = Device{QString(), nullptr, std::make_unique<SoundRecorder>(recorderProgram_), WaveFormat()};
        return Status::Ok;
    }
    QString file;
    try {
        file = nativePath_ ? nativePath_(words[1]) : words[1];
    } catch (const std::exception&) {
        return Status::FileNotPlayable;
    }
    if (!isWaveFile(file))
        return Status::FileNotPlayable;
    devices_[alias] = Device{file, std::make_unique<SoundPlayer>(playerProgram_), nullptr, WaveFormat()};
    return Status::Ok;
}

void SoundCommands::set(Device& device, const QStringList& words)
{
    if (words.size() < 4)
        return;
    const QString item = words[2].toLower();
    const int value = words[3].toInt();
    if (value <= 0)
        return;
    if (item == u"samplespersec")
        device.format.samplesPerSec = value;
    else if (item == u"bitspersample")
        device.format.bitsPerSample = value;
    else if (item == u"channels")
        device.format.channels = value;
}

Status SoundCommands::save(Device& device, const QStringList& words)
{
    if (!device.recorder || words.size() < 3)
        return Status::UnknownCommand;
    const std::optional<QByteArray> samples = device.recorder->finish();
    if (!samples)
        return Status::NotAvailable;
    QString file;
    try {
        file = nativePath_ ? nativePath_(words[2]) : words[2];
    } catch (const std::exception&) {
        return Status::FileNotWritable;
    }
    return writeWaveFile(file, device.format, *samples) ? Status::Ok : Status::FileNotWritable;
}

Status SoundCommands::close(const QString& alias)
{
    if (alias == u"all") {
        devices_.clear();
        return Status::Ok;
    }
    return devices_.erase(alias) ? Status::Ok : Status::NotOpen;
}

}  // namespace media
