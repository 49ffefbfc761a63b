#include "app/DailyCopy.h"

#include "platform/db/Connection.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>

namespace app {

namespace {

// A large catalogue zips in seconds; a stuck archiver must not keep the program from ending.
constexpr int kArchiverTimeLimitMs = 10 * 60 * 1000;

QString archiverProgram()
{
    for (const char* name : {"7za", "7z"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty())
            return found;
    }
    return {};
}

}  // namespace

QString dailyFolder() { return QStringLiteral("C:\\Sauvegardes_journalieres\\"); }

QString dailyCopyPath(const QString& backupDateText)
{
    return dailyFolder() + QStringLiteral("Test1_") + backupDateText + QStringLiteral("_.bib");
}

QString dailyArchivePath(const QString& backupDateText)
{
    return dailyFolder() + QStringLiteral("Test1_") + backupDateText + QStringLiteral("_.ZIP");
}

bool copyOpenDatabase(db::Connection& connection, const QString& targetWindowsPath)
{
    try {
        files::forceDirectories(files::extractFilePath(targetWindowsPath));
        connection.backupTo(files::nativePath(targetWindowsPath));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool zipFile(const QString& archiveWindowsPath, const QString& fileWindowsPath)
{
    const QString program = archiverProgram();
    if (program.isEmpty())
        return false;
    QString archive;
    QString file;
    try {
        archive = files::nativePath(archiveWindowsPath);
        file = files::nativePath(fileWindowsPath);
    } catch (const std::exception&) {
        return false;
    }
    // 7-Zip adds to an archive that exists; a new one is made beside it and then put in its place.
    const QString fresh = archive + QStringLiteral(".part");
    QFile::remove(fresh);
    QProcess zip;
    zip.setProgram(program);
    zip.setArguments({QStringLiteral("a"), QStringLiteral("-tzip"), QStringLiteral("-y"), fresh, file});
    zip.setStandardInputFile(QProcess::nullDevice());
    zip.setStandardOutputFile(QProcess::nullDevice());
    zip.setStandardErrorFile(QProcess::nullDevice());
    zip.start();
    const bool done = zip.waitForStarted() && zip.waitForFinished(kArchiverTimeLimitMs);
    if (!done)
        zip.kill();
    zip.waitForFinished();
    const bool ok = done && zip.exitStatus() == QProcess::NormalExit && zip.exitCode() == 0;
    if (!ok) {
        QFile::remove(fresh);
        return false;
    }
    return std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(archive).constData()) == 0;
}

}  // namespace app
