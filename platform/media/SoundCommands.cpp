#include "platform/media/SoundCommands.h"

#include <QFile>
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

bool isWaveFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.endsWith("WAVE");
}

}  // namespace

SoundCommands::SoundCommands(PathMapper nativePath, const QString& playerProgram)
    : nativePath_(std::move(nativePath)), playerProgram_(playerProgram)
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
    if (verb == u"play")
        device->second.player->play(device->second.file);
    else if (verb == u"stop")
        device->second.player->stop();
    else if (verb == u"record" || verb == u"save")
        return Status::NotAvailable;
    return Status::Ok;
}

Status SoundCommands::open(const QStringList& words)
{
    qsizetype aliasAt = 2;
    while (aliasAt < words.size() && words[aliasAt].compare(u"alias", Qt::CaseInsensitive) != 0)
        ++aliasAt;
    if (aliasAt + 1 >= words.size())
        return Status::UnknownCommand;
    if (words[1].compare(u"new", Qt::CaseInsensitive) == 0)
        return Status::NotAvailable;
    const QString alias = words[aliasAt + 1].toLower();
    if (devices_.count(alias))
        return Status::AliasInUse;
    QString file;
    try {
        file = nativePath_ ? nativePath_(words[1]) : words[1];
    } catch (const std::exception&) {
        return Status::FileNotPlayable;
    }
    if (!isWaveFile(file))
        return Status::FileNotPlayable;
    devices_[alias] = Device{file, std::make_unique<SoundPlayer>(playerProgram_)};
    return Status::Ok;
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
