#include "DriverRun.h"

#include "ColumnValues.h"
#include "app/DatabaseObjects.h"
#include "platform/files/WindowsPath.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

DriverResult play(const ProgramFolder& program, const QString& script, const QStringList& options)
{
    const QString scriptFile = program.drive(QStringLiteral("scenario.txt"));
    QFile f(scriptFile);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(script.toUtf8());
    f.close();
    QProcess driver;
    driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    driver.start(QStringLiteral(QVL_DRIVER), options + QStringList{program.folder(), scriptFile});
    DriverResult result;
    // Generous: a way out over a few thousand books runs several times slower in the sanitizer build.
    if (!driver.waitForFinished(360000)) {
        ADD_FAILURE() << "the driver did not finish";
        driver.kill();
        return result;
    }
    result.exitCode = driver.exitCode();
    result.lines = QString::fromUtf8(driver.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return result;
}

QStringList databaseRows(const ProgramFolder& program, const QString& sql, const QStringList& fields)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    return rowValues(connection, sql, fields);
}
