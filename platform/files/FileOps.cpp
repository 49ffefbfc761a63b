#include "platform/files/FileOps.h"

#include "platform/files/WindowsPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace files {

bool fileExists(const QString& path) { return QFileInfo(nativePath(path)).isFile(); }

bool directoryExists(const QString& path) { return QFileInfo(nativePath(path)).isDir(); }

bool copyFile(const QString& source, const QString& target, bool failIfExists)
{
    const QString from = nativePath(source);
    const QString to = nativePath(target);
    if (!QFileInfo(from).isFile() || (failIfExists && QFileInfo::exists(to)))
        return false;
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return false;  // QSaveFile discards the partial copy
        if (n == 0)
            break;
        if (out.write(buffer, n) != n)
            return false;
    }
    return out.commit();
}

bool deleteFile(const QString& path)
{
    const QString p = nativePath(path);
    return QFileInfo(p).isFile() && QFile::remove(p);
}

bool renameFile(const QString& oldPath, const QString& newPath)
{
    const QString from = nativePath(oldPath);
    const QString to = nativePath(newPath);
    if (!QFileInfo::exists(from))
        return false;
    // A rename that only changes the case of the name is allowed, as on Windows.
    if (QFileInfo::exists(to) && QFileInfo(from).canonicalFilePath() != QFileInfo(to).canonicalFilePath())
        return false;
    return QDir().rename(from, to);
}

qint64 fileSize(const QString& path)
{
    const QFileInfo info(nativePath(path));
    return info.isFile() ? info.size() : -1;
}

bool isReadOnly(const QString& path)
{
    const QFileInfo info(nativePath(path));
    return info.isFile() && !info.isWritable();
}

bool createDirectory(const QString& path)
{
    const QString p = nativePath(path);
    return QFileInfo(p).isDir() || QDir().mkdir(p);
}

bool forceDirectories(const QString& path)
{
    const QString p = nativePath(path);
    return QFileInfo(p).isDir() || QDir().mkpath(p);
}

static QStringList sortedEntries(const QString& folder, const QString& pattern, QDir::Filters filters)
{
    QDir dir(nativePath(folder));
    if (!dir.exists())
        return {};
    dir.setNameFilters({pattern});
    QStringList names = dir.entryList(filters | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

QStringList listFiles(const QString& folder, const QString& pattern)
{
    return sortedEntries(folder, pattern, QDir::Files);
}

QStringList listDirectories(const QString& folder)
{
    return sortedEntries(folder, QStringLiteral("*"), QDir::Dirs);
}

static bool copyTree(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    const QDir dir(from);
    bool ok = true;
    for (const QFileInfo& entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir())
            ok = copyTree(entry.filePath(), target) && ok;
        else
            ok = copyFile(windowsPath(entry.filePath()), windowsPath(target)) && ok;
    }
    return ok;
}

bool copyFolder(const QString& source, const QString& dest)
{
    const QString from = nativePath(source);
    QString to = nativePath(dest);
    if (!QFileInfo(from).isDir())
        return false;
    if (QFileInfo(to).isDir())
        to = to + u'/' + QFileInfo(from).fileName();
    // Copying a folder into itself would never end.
    const QString canonicalFrom = QFileInfo(from).canonicalFilePath();
    if ((QDir::cleanPath(to) + u'/').startsWith(canonicalFrom + u'/'))
        return false;
    return copyTree(from, to);
}

}  // namespace files
