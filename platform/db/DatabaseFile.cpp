#include "platform/db/DatabaseFile.h"

#include "platform/db/EngineSettings.h"
#include "platform/db/Error.h"
#include "platform/db/JetCollation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <sqlite3.h>

namespace db {

void writeDatabaseFile(const QString& nativePath, const std::function<void(sqlite3* handle)>& fill)
{
    QDir().mkpath(QFileInfo(nativePath).absolutePath());
    const QString partial = nativePath + QStringLiteral(".part");
    QFile::remove(partial);
    configureEngine();
    sqlite3* handle = nullptr;
    QString failure;
    const int rc = sqlite3_open_v2(QFile::encodeName(partial).constData(), &handle,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        failure = QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc));
    } else {
        try {
            fill(handle);
        } catch (const Error& e) {
            failure = e.message();
        }
    }
    if (sqlite3_close(handle) != SQLITE_OK && failure.isEmpty())
        failure = QString::fromUtf8(sqlite3_errmsg(handle));
    if (failure.isEmpty()) {
        std::error_code renamed;
        std::filesystem::rename(QFile::encodeName(partial).toStdString(), QFile::encodeName(nativePath).toStdString(),
                                renamed);
        if (!renamed)
            return;
        failure = QString::fromStdString(renamed.message());
    }
    QFile::remove(partial);
    throw Error(Error::Kind::Engine, QStringLiteral("%1: %2").arg(failure, nativePath));
}

void createDatabase(const QString& nativePath, const QString& schemaSql)
{
    writeDatabaseFile(nativePath, [&](sqlite3* handle) {
        jet::registerOn(handle);
        if (sqlite3_exec(handle, schemaSql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw Error(Error::Kind::Engine, QString::fromUtf8(sqlite3_errmsg(handle)));
    });
}

}  // namespace db
