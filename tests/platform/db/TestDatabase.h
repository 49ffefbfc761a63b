#pragma once
// A fresh database of the program's schema in a temporary folder, and a connection to it.
#include "platform/db/Connection.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace dbtest {

class TestDatabase {
public:
    TestDatabase();

    QString path() const { return dir_.filePath(QStringLiteral("Test1.bib")); }
    QString pathOf(const QString& name) const { return dir_.filePath(name); }
    db::Connection& connection() { return *connection_; }
    // Runs each statement through the connection.
    void run(std::initializer_list<const char*> statements);

private:
    QTemporaryDir dir_;
    std::unique_ptr<db::Connection> connection_;
};

QString schemaSql();

}  // namespace dbtest
