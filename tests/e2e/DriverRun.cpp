#include "DriverRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

}  // namespace

ProgramCopy::ProgramCopy()
{
    copyTree(QStringLiteral(QVL_PROGRAM_DIR), folder());
}

QString ProgramCopy::drive(const QString& relative) const { return m_drive.path() + u'/' + relative; }

QString ProgramCopy::folder(const QString& relative) const { return drive(QStringLiteral("Qvlzantor/")) + relative; }

DriverResult ProgramCopy::play(const QString& script) const
{
    const QString scriptFile = drive(QStringLiteral("scenario.txt"));
    QFile f(scriptFile);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(script.toUtf8());
    f.close();
    QProcess driver;
    driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    driver.start(QStringLiteral(QVL_DRIVER), {folder(), scriptFile});
    DriverResult result;
    if (!driver.waitForFinished(120000)) {
        ADD_FAILURE() << "the driver did not finish";
        driver.kill();
        return result;
    }
    result.exitCode = driver.exitCode();
    result.lines = QString::fromUtf8(driver.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return result;
}

QByteArray ProgramCopy::read(const QString& relativeToFolder) const
{
    QFile f(folder(relativeToFolder));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ProgramCopy::write(const QString& relativeToFolder, const QByteArray& bytes) const
{
    QFile f(folder(relativeToFolder));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
