#include "platform/media/SoundPlayer.h"

#include <QProcess>
#include <QStandardPaths>

namespace media {

QString SoundPlayer::findProgram()
{
    for (const char* name : {"paplay", "aplay"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty())
            return program;
    }
    return {};
}

SoundPlayer::SoundPlayer(const QString& program) : program_(program) {}

SoundPlayer::~SoundPlayer()
{
    stop();
}

void SoundPlayer::play(const QString& wavPath)
{
    stop();
    if (program_.isEmpty())
        return;
    process_ = std::make_unique<QProcess>();
    process_->setProgram(program_);
    process_->setArguments({wavPath});
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    process_->start();
}

void SoundPlayer::stop()
{
    if (!process_)
        return;
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished();
    }
    process_.reset();
}

}  // namespace media
