#pragma once
// The catalogue's database opened with SQLite alone, with the Jet collation the schema names:
// what the data layer's work is compared against.
#include "platform/db/JetCollation.h"

#include <QFile>
#include <QString>
#include <sqlite3.h>

namespace bench {

class BareSqlite {
public:
    explicit BareSqlite(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &handle_, SQLITE_OPEN_READWRITE, nullptr);
        db::jet::registerOn(handle_);
    }
    ~BareSqlite() { sqlite3_close_v2(handle_); }
    BareSqlite(const BareSqlite&) = delete;
    BareSqlite& operator=(const BareSqlite&) = delete;
    sqlite3* handle() const { return handle_; }

private:
    sqlite3* handle_ = nullptr;
};

}  // namespace bench
