#include "platform/files/WindowsPath.h"

#include "platform/files/FolderIndex.h"


#include <QDir>
#include <QFileInfo>

namespace files {

namespace {

struct Mapping {
    QString programFolder;  // native, no trailing slash
    QString driveRoot;      // native, no trailing slash ("" for "/")
};

Mapping& mapping()
{
    static Mapping m = [] {
        Mapping init;
        init.programFolder = QDir::currentPath();
        init.driveRoot = QFileInfo(init.programFolder).path();
        return init;
    }();
    return m;
}

QString withoutTrailingSlash(QString p)
{
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    return p == u"/" ? QString() : p;
}

bool isSeparator(QChar c) { return c == u'\\' || c == u'/'; }

// Finds an existing entry of `dir` named `name` without regard to case; the exact
// spelling wins, so two entries that differ only by case stay reachable.
QString resolveComponent(const QString& dir, const QString& name)
{
    const QString direct = dir + u'/' + name;
    if (QFileInfo::exists(direct))
        return name;
    const QString entry = caseInsensitiveEntry(dir.isEmpty() ? QStringLiteral("/") : dir, name);
    return entry.isEmpty() ? name : entry;
}

}  // namespace

void setProgramFolder(const QString& nativeProgramFolder, const QString& nativeDriveRoot)
{
    Mapping& m = mapping();
    m.programFolder = withoutTrailingSlash(QDir::cleanPath(QFileInfo(nativeProgramFolder).absoluteFilePath()));
    m.driveRoot = nativeDriveRoot.isEmpty() ? withoutTrailingSlash(QFileInfo(m.programFolder).path())
                                            : withoutTrailingSlash(QDir::cleanPath(QFileInfo(nativeDriveRoot).absoluteFilePath()));
}

QString nativeProgramFolder() { return mapping().programFolder; }
QString nativeDriveRoot() { return mapping().driveRoot.isEmpty() ? QStringLiteral("/") : mapping().driveRoot; }

QString appDrive() { return QStringLiteral("C:\\"); }

QString appDir() { return windowsPath(mapping().programFolder) + u'\\'; }

QString nativePath(const QString& path)
{
    QString root;
    qsizetype start = 0;
    if (path.size() >= 2 && path[1] == u':' && path[0].isLetter()) {
        const QChar drive = path[0].toUpper();
        if (drive == u'C')
            root = mapping().driveRoot;
        else if (drive == u'Z')
            root = QString();
        else
            throw PathError(QStringLiteral("Lecteur inconnu : %1").arg(path));
        start = 2;
    } else if (path.startsWith(u'/')) {
        root = QString();
    } else if (path.startsWith(u'\\')) {
        root = mapping().driveRoot;
    } else {
        root = withoutTrailingSlash(QDir::currentPath());
    }

    QStringList components;
    QString current;
    auto flush = [&] {
        if (current.isEmpty() || current == u".") {
        } else if (current == u"..") {
            if (components.isEmpty())
                throw PathError(QStringLiteral("Chemin hors du dossier permis : %1").arg(path));
            components.removeLast();
        } else {
            components << current;
        }
        current.clear();
    };
    for (qsizetype i = start; i < path.size(); ++i) {
        if (isSeparator(path[i]))
            flush();
        else
            current += path[i];
    }
    flush();

    QString result = root;
    for (const QString& c : components)
        result += u'/' + resolveComponent(result, c);
    if (result.isEmpty())
        result = QStringLiteral("/");
    else if (isSeparator(path.back()) && !components.isEmpty())
        result += u'/';
    return result;
}

QString windowsPath(const QString& native)
{
    const QString abs = withoutTrailingSlash(QDir::cleanPath(QFileInfo(native).absoluteFilePath()));
    const QString& drive = mapping().driveRoot;
    QString rest;
    QString prefix;
    if (drive.isEmpty() || abs == drive || abs.startsWith(drive + u'/')) {
        prefix = QStringLiteral("C:");
        rest = abs.mid(drive.size());
    } else {
        prefix = QStringLiteral("Z:");
        rest = abs;
    }
    rest.replace(u'/', u'\\');
    return prefix + (rest.isEmpty() ? QStringLiteral("\\") : rest);
}

static qsizetype lastDelimiter(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]) || path[i] == u':')
            return i;
    return -1;
}

QString extractFilePath(const QString& path) { return path.left(lastDelimiter(path) + 1); }

QString extractFileName(const QString& path) { return path.mid(lastDelimiter(path) + 1); }

QString extractFileExt(const QString& path)
{
    const QString name = extractFileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

}  // namespace files
