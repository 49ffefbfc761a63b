#pragma once
// Making database files: from the schema text (native SQL with the JET collation), or by
// filling a new file some other way (the backup copy). The target is replaced whole or not at
// all, through a temporary file beside it.
#include <QString>
#include <functional>

struct sqlite3;

namespace db {

void createDatabase(const QString& nativePath, const QString& schemaSql);

// fill gets the new file's handle; it throws an Error to give up.
void writeDatabaseFile(const QString& nativePath, const std::function<void(sqlite3* handle)>& fill);

}  // namespace db
