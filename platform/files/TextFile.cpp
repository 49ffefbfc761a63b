#include "platform/files/TextFile.h"

#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"

#include <QFile>
#include <QScopeGuard>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

qint64 nanoseconds(const timespec& t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

std::optional<FileStamp> stampOf(const struct stat& st)
{
    if (!S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), nanoseconds(st.st_mtim),
                     nanoseconds(st.st_ctim)};
}

}  // namespace

std::optional<FileStamp> regularFileStamp(const QString& nativePath)
{
    struct stat st {};
    if (::stat(QFile::encodeName(nativePath).constData(), &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

bool readRegularFile(const QString& nativePath, QByteArray& bytes, FileStamp* stamp)
{
    // Non-blocking, or opening a pipe would wait for a writer before the check below.
    const int fd = ::open(QFile::encodeName(nativePath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    const std::optional<FileStamp> opened = stampOf(st);
    if (!opened)
        return false;
    QByteArray content;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        content.append(buffer, qsizetype(n));
    }
    bytes = std::move(content);
    if (stamp)
        *stamp = *opened;
    return true;
}

bool readTextFile(const QString& nativePath, QString& content)
{
    QByteArray bytes;
    if (!readRegularFile(nativePath, bytes))
        return false;
    content = text::decodeWindows1252(bytes);
    return true;
}

bool readTextFileLines(const QString& nativePath, QStringList& lines)
{
    QString content;
    if (!readTextFile(nativePath, content))
        return false;
    lines = text::splitLines(content);
    return true;
}

}  // namespace files
