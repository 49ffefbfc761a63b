#include "platform/db/Prepared.h"

#include "platform/db/Connection.h"

#include <sqlite3.h>

namespace db {

Prepared::Prepared(Connection& connection, const QString& nativeSql, const std::vector<Value>& binds)
    : connection_(connection), statement_(connection.prepare(nativeSql))
{
    texts_.reserve(binds.size());
    for (size_t i = 0; i < binds.size(); ++i) {
        const Value& value = binds[i];
        const int index = int(i) + 1;
        int rc = SQLITE_OK;
        switch (value.kind()) {
        case Value::Kind::Null:
            rc = sqlite3_bind_null(statement_, index);
            break;
        case Value::Kind::Integer:
            rc = sqlite3_bind_int64(statement_, index, value.integer());
            break;
        case Value::Kind::Real:
            rc = sqlite3_bind_double(statement_, index, value.number());
            break;
        case Value::Kind::Text: {
            const QByteArray& utf8 = texts_.emplace_back(value.text().toUtf8());
            rc = sqlite3_bind_text(statement_, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
            break;
        }
        }
        if (rc != SQLITE_OK) {
            sqlite3_clear_bindings(statement_);
            connection_.fail(rc);
        }
    }
}

Prepared::~Prepared()
{
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

bool Prepared::step()
{
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    connection_.fail(rc);
}

}  // namespace db
