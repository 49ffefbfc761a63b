#pragma once
// A fresh database of the program's schema in a temporary folder, a connection to it, and a
// handful of books that the tests of statements, filters and navigation share.
#include "platform/db/Connection.h"
#include "platform/db/DataSet.h"
#include "tests/support/QtPrinters.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>


namespace dbtest {

class TestDatabase {
public:
    TestDatabase();

    QString path() const { return pathOf(QStringLiteral("Test1.bib")); }
    QString pathOf(const QString& name) const { return dir_.filePath(name); }
    static QString connectionStringFor(const QString& nativePath);
    db::Connection& connection() { return *connection_; }

    void run(std::initializer_list<const char*> statements);
    // Five copies, numbered 1 to 5:
    //   1 "L'école des loisirs"  LIVRE  Roman  out to DUPONT (5) from 08/12/2025, 1 copy, max
    //   2 "Ecole"                livre  Conte  EmpNom '', DateEmprunt 0, code 00012
    //   3 "Zoo"                  DVD           code 00012, copy 2, max
    //   4 "école"                LIVRE  Roman  copy 0, price 12,50
    //   5 "abc[1]"               (no type)
    void addBooks();
    // Every row of a statement's result, as its key column, in order.
    std::vector<qint64> keys(const QString& select);

private:
    QTemporaryDir dir_;
    std::unique_ptr<db::Connection> connection_;
};

QString schemaSql();
// The first column of every row, walking from first to eof.
std::vector<qint64> walk(db::DataSet& dataSet);

}  // namespace dbtest
