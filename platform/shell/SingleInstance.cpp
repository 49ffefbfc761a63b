#include "platform/shell/SingleInstance.h"

#include "platform/shell/ErrorTexts.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

SingleInstance::Claim SingleInstance::fail(const QString& reason)
{
    error_ = errorTexts().unusableLock.arg(lockPath_, reason);
    return Claim::Failed;
}

SingleInstance::Claim SingleInstance::acquire()
{
    error_.clear();
    if (descriptor_ >= 0)
        return Claim::Held;
    // Close-on-exec: a program started from here (the archiver outlives us) must not inherit
    // the lock and block the next start. Non-blocking: a pipe under the name must not hold the
    // start until someone reads it.
    const int fd = ::open(QFile::encodeName(lockPath_).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(QString::fromLocal8Bit(std::strerror(error)));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(errorTexts().notRegularFile);
    }
    // Someone else's file could be locked by its owner at will.
    if (st.st_uid != ::geteuid()) {
        ::close(fd);
        return fail(errorTexts().otherUsersFile);
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return Claim::HeldElsewhere;
        return fail(QString::fromLocal8Bit(std::strerror(error)));
    }
    descriptor_ = fd;
    return Claim::Held;
}

void SingleInstance::release()
{
    if (descriptor_ < 0)
        return;
    ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace shell
