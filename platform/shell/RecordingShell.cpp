#include "platform/shell/RecordingShell.h"

namespace shell {

bool RecordingShell::handOver(const QString& target)
{
    records_ << QStringLiteral("open: ") + target;
    return !opensFail_;
}

bool RecordingShell::start(const QString& program, const QStringList& arguments)
{
    records_ << QStringLiteral("start: ") + (QStringList{program} + arguments).join(u' ');
    return true;
}

void RecordingShell::endProcess()
{
    records_ << QStringLiteral("exit");
    processEnded_ = true;
    runCleanUp();
}

void RecordingShell::failOpens()
{
    opensFail_ = true;
}

const QStringList& RecordingShell::records() const
{
    return records_;
}

bool RecordingShell::processEnded() const
{
    return processEnded_;
}

}  // namespace shell
