#include "platform/shell/SystemShell.h"

#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <cstdlib>

namespace shell {

bool SystemShell::handOver(const QString& target)
{
    // The opener would only fail later, out of sight.
    if (target.startsWith(u'/') && !QFileInfo::exists(target))
        return false;
    return start(QStringLiteral("xdg-open"), {target});
}

bool SystemShell::start(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

void SystemShell::endProcess()
{
    runCleanUp();
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace shell
