#include "platform/scan/DefaultSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace scan {

namespace {

QString& configFolderName()
{
    static QString name;
    return name;
}

}  // namespace

void setConfigFolderName(const QString& name) { configFolderName() = name; }

QString defaultSourceFile()
{
    const QString folder = configFolderName().isEmpty() ? QCoreApplication::applicationName() : configFolderName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + folder
           + QStringLiteral("/image-source");
}

QString storedDefaultSource()
{
    QFile file(defaultSourceFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.read(4096)).trimmed();
}

void storeDefaultSource(const QString& id)
{
    const QString path = defaultSourceFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(id.toUtf8());
        file.commit();
    }
}

std::optional<SourceEntry> defaultSourceAmong(const QList<SourceEntry>& sources)
{
    const QString chosen = storedDefaultSource();
    for (const SourceEntry& s : sources)
        if (s.id == chosen)
            return s;
    if (sources.isEmpty())
        return std::nullopt;
    return sources.front();
}

}  // namespace scan
