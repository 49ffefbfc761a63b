#pragma once
// One use of a cached prepared statement: binds the values to ?1..?n, steps, and resets the
// statement when it goes, so that no statement stays open between uses.
#include "platform/db/Value.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct sqlite3_stmt;

namespace db {

class Connection;

class Prepared {
public:
    Prepared(Connection& connection, const QString& nativeSql, const std::vector<Value>& binds = {});
    ~Prepared();
    Prepared(const Prepared&) = delete;
    Prepared& operator=(const Prepared&) = delete;

    // True while there is a row to read.
    bool step();
    sqlite3_stmt* statement() const { return statement_; }

private:
    Connection& connection_;
    sqlite3_stmt* statement_;
    std::vector<QByteArray> texts_;  // the bound texts, kept until the statement is reset
};

}  // namespace db
