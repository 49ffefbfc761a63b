#include "platform/shell/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace shell {

QString SingleInstance::lockPathFor(const QString& name)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(name + QStringLiteral(".lock"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("%1-%2.lock").arg(name).arg(::getuid()));
}

SingleInstance::SingleInstance(const QString& lockPath) : lockPath_(lockPath) {}

SingleInstance::~SingleInstance()
{
    release();
}

bool SingleInstance::acquire()
{
    if (descriptor_ >= 0)
        return true;
    // Close-on-exec: a program started from here (the archiver outlives us) must not
    // inherit the lock and block the next start.
    const int fd = ::open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    descriptor_ = fd;
    return true;
}

void SingleInstance::release()
{
    if (descriptor_ < 0)
        return;
    ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace shell
