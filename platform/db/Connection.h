#pragma once
// The connection to the program's database file. It opens lazily (the first data set or
// statement that needs it), never creates a missing file, and registers the JET collation
// and LIKE on its handle. Statements are the Jet subset the program writes, parsed and
// bound (SqlParser, SqlCompiler). A connection outlives the data sets that use it.
#include "platform/db/Params.h"
#include "platform/db/Schema.h"
#include "platform/db/SqlAst.h"
#include "platform/db/Value.h"

#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

class DataSet;

class Connection {
public:
    // Maps the program's Windows-style path text ("C:\Qvlzantor\Test1.bib") to a native path.
    using PathMapper = std::function<QString(const QString&)>;
    // Milliseconds of a steady clock.
    using Clock = std::function<qint64()>;

    Connection();
    explicit Connection(const QString& connectionString, PathMapper pathMapper = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // The file is the "Data Source" of the string. Setting it closes the connection.
    void setConnectionString(const QString& connectionString);
    const QString& connectionString() const { return connectionString_; }
    void setPathMapper(PathMapper pathMapper);
    QString nativePath() const;

    void open();
    // Closes every data set on the connection first and commits pending work (a bulk scope
    // still open goes on without a transaction).
    void close();
    bool connected() const { return handle_ != nullptr; }

    // One statement of the Jet subset with its parameters' values; returns the rows it changed.
    int execute(const QString& jetSql, const Params& params = {});
    qint64 lastInsertKey() const;

    const Schema& schema();
    const TableSchema& table(const QString& name) { return schema().table(name); }

    // A consistent copy of the database as committed, through SQLite's backup API; work
    // pending in a bulk scope is committed first. The target is replaced whole or not at all.
    void backupTo(const QString& nativeTarget);

    // Bulk scopes commit their work at least this often (and when the outermost one ends).
    void setBulkCommitInterval(qint64 milliseconds) { bulkCommitInterval_ = milliseconds; }
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // ---- used by the layer's own classes ----
    // The statement read from its text, its parameters bound; texts are read once and kept,
    // so that a statement run again with other values is not parsed again.
    Statement boundStatement(const QString& jetSql, const Params& params);
    // A prepared statement of native SQLite text, cached by its text; reset after use by
    // the Prepared that runs it.
    sqlite3_stmt* prepare(const QString& nativeSql);
    // Binds the values to ?1..?n and runs the statement to its end; returns the rows changed.
    int run(const QString& nativeSql, const std::vector<Value>& binds);
    void noteWrite();
    void beginBulk();
    void endBulk() noexcept;
    void attach(DataSet* dataSet);
    void detach(DataSet* dataSet);
    [[noreturn]] void fail(int resultCode) const;

private:
    void exec(const char* nativeSql);
    void commitAndContinue();
    void finalizeStatements();

    QString connectionString_;
    PathMapper pathMapper_;
    sqlite3* handle_ = nullptr;
    std::optional<Schema> schema_;
    QHash<QString, sqlite3_stmt*> statements_;
    QHash<QString, Statement> parsed_;
    std::vector<DataSet*> dataSets_;
    int bulkDepth_ = 0;
    qint64 lastCommit_ = 0;
    qint64 bulkCommitInterval_ = 1000;
    Clock clock_;
};

}  // namespace db
