#pragma once
// What a copy of the database must be to be worth keeping: a file SQLite opens, whose integrity
// check passes, holding the rows the program had.
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <sqlite3.h>

#include "platform/db/JetCollation.h"

struct DatabaseCopy {
    bool opens = false;
    QString integrity;  // "ok" for a sound file
    QStringList titles; // Table1's titles in NumLivre order
};

inline DatabaseCopy checkDatabaseCopy(const QString& nativePath)
{
    DatabaseCopy copy;
    if (!QFile::exists(nativePath))
        return copy;
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(nativePath).constData(), &handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        return copy;
    }
    copy.opens = true;
    db::jet::registerOn(handle);
    auto each = [handle](const char* sql, auto&& row) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(handle, sql, -1, &s, nullptr) == SQLITE_OK)
            while (sqlite3_step(s) == SQLITE_ROW)
                row(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))));
        sqlite3_finalize(s);
    };
    each("PRAGMA integrity_check", [&copy](const QString& v) { copy.integrity += v; });
    each("SELECT Titre FROM Table1 ORDER BY NumLivre", [&copy](const QString& v) { copy.titles << v; });
    sqlite3_close(handle);
    return copy;
}

// `7z t` of the archive, and the names of its members.
struct ZipArchiveCheck {
    bool tested = false;
    QStringList members;
};

inline ZipArchiveCheck checkZipArchive(const QString& nativePath)
{
    ZipArchiveCheck check;
    QProcess test;
    test.start(QStringLiteral("7z"), {QStringLiteral("t"), nativePath});
    check.tested = test.waitForFinished(120000) && test.exitStatus() == QProcess::NormalExit && test.exitCode() == 0;
    QProcess list;
    list.start(QStringLiteral("7z"), {QStringLiteral("l"), QStringLiteral("-slt"), nativePath});
    list.waitForFinished(120000);
    for (const QString& line : QString::fromUtf8(list.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QStringLiteral("Path = ")) && line.trimmed() != QStringLiteral("Path = ") + nativePath)
            check.members << line.mid(7).trimmed();
    return check;
}
