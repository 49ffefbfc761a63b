#include "platform/db/Connection.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/CommitHold.h"
#include "platform/db/DataSet.h"
#include "platform/db/DatabaseFile.h"
#include "platform/db/EngineSettings.h"
#include "platform/db/Error.h"
#include "platform/db/JetCollation.h"
#include "platform/db/Prepared.h"
#include "platform/db/SqlCompiler.h"
#include "platform/db/SqlParser.h"
#include "platform/text/PascalText.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtDebug>
#include <algorithm>
#include <sqlite3.h>

namespace db {

namespace {

qint64 steadyMilliseconds()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

// Cached statements beyond this many are dropped (those not running) before a new one.
constexpr int kStatementCacheLimit = 200;
// How long a statement waits for a lock another program holds on the file.
constexpr int kBusyTimeoutMs = 2000;

}  // namespace

Connection::Connection() : clock_(steadyMilliseconds) {}

Connection::Connection(const QString& connectionString, PathMapper pathMapper)
    : connectionString_(connectionString), pathMapper_(std::move(pathMapper)), clock_(steadyMilliseconds)
{
}

Connection::~Connection()
{
    close();
    for (DataSet* dataSet : dataSets_)
        dataSet->connection_ = nullptr;
}

void Connection::setConnectionString(const QString& connectionString)
{
    close();
    connectionString_ = connectionString;
}

void Connection::setPathMapper(PathMapper pathMapper)
{
    close();
    pathMapper_ = std::move(pathMapper);
}

QString Connection::nativePath() const
{
    static const QRegularExpression source(QStringLiteral("(?:^|;)\\s*Data Source\\s*=([^;]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto m = source.match(connectionString_);
    const QString path = m.hasMatch() ? text::Trim(m.captured(1)) : QString();
    return pathMapper_ && !path.isEmpty() ? pathMapper_(path) : path;
}

void Connection::open()
{
    if (handle_)
        return;
    configureEngine();
    const QString path = nativePath();
    if (path.isEmpty())
        throw Error(Error::Kind::Open, errorTexts().noDatabaseFile);
    sqlite3* handle = nullptr;
    // Never SQLITE_OPEN_CREATE: a missing file is an error, not a new empty database.
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &handle,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    // Every way out but success closes the handle, or each failed open keeps a file open.
    auto closeHandle = qScopeGuard([&handle] { sqlite3_close_v2(handle); });
    const auto refuse = [&path](const QString& why) {
        throw Error(Error::Kind::Open, QStringLiteral("%1: %2").arg(why, path));
    };
    if (rc != SQLITE_OK)
        refuse(QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc)));
    // Before the first statement: a file another program holds locked at this moment is waited
    // for, as a lock met later is.
    sqlite3_busy_timeout(handle, kBusyTimeoutMs);
    try {
        jet::registerOn(handle);
        Schema schema = Schema::read(handle);
        if (schema.tableNames().isEmpty())
            throw Error(Error::Kind::Open, QString::fromUtf8(sqlite3_errstr(SQLITE_NOTADB)));
        // A rollback journal keeps the file whole whenever no transaction is open.
        const QByteArray cacheSize = "PRAGMA cache_size = -" + QByteArray::number(kPageCacheKiB);
        for (const char* pragma : {"PRAGMA journal_mode = DELETE", cacheSize.constData()}) {
            if (sqlite3_exec(handle, pragma, nullptr, nullptr, nullptr) != SQLITE_OK)
                throw Error(Error::Kind::Engine, QString::fromUtf8(sqlite3_errmsg(handle)));
        }
        schema_ = std::move(schema);
    } catch (const Error& e) {
        refuse(e.message());
    }
    closeHandle.dismiss();
    handle_ = handle;
}

void Connection::close()
{
    if (!handle_)
        return;
    const std::vector<DataSet*> dataSets = dataSets_;
    for (DataSet* dataSet : dataSets)
        dataSet->closeCursor();
    finalizeStatements();
    if (!sqlite3_get_autocommit(handle_) && sqlite3_exec(handle_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        qWarning("database: pending work could not be committed: %s", sqlite3_errmsg(handle_));
        sqlite3_exec(handle_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close_v2(handle_);
    handle_ = nullptr;
    schema_.reset();
}

const Schema& Connection::schema()
{
    open();
    return *schema_;
}

Statement Connection::boundStatement(const QString& jetSql, const Params& params)
{
    auto cached = parsed_.constFind(jetSql);
    if (cached == parsed_.cend()) {
        if (parsed_.size() >= kStatementCacheLimit)
            parsed_.clear();
        cached = parsed_.insert(jetSql, parseStatement(jetSql));
    }
    Statement statement = *cached;
    params.bind(statement);
    return statement;
}

int Connection::execute(const QString& jetSql, const Params& params)
{
    open();
    const Statement statement = boundStatement(jetSql, params);
    const NativeSql native = compileStatement(statement, *schema_);
    if (std::holds_alternative<SelectStatement>(statement)) {
        Prepared select(*this, native.text, native.binds);
        while (select.step()) {
        }
        return 0;
    }
    const int changed = run(native.text, native.binds);
    noteWrite();
    return changed;
}

qint64 Connection::lastInsertKey() const
{
    return handle_ ? sqlite3_last_insert_rowid(handle_) : 0;
}

sqlite3_stmt* Connection::prepare(const QString& nativeSql)
{
    open();
    if (sqlite3_stmt* cached = statements_.value(nativeSql))
        return cached;
    if (statements_.size() >= kStatementCacheLimit) {
        for (auto it = statements_.begin(); it != statements_.end();) {
            if (sqlite3_stmt_busy(*it)) {
                ++it;
            } else {
                sqlite3_finalize(*it);
                it = statements_.erase(it);
            }
        }
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = nativeSql.toUtf8();
    const int rc = sqlite3_prepare_v3(handle_, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                                      &statement, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
    statements_.insert(nativeSql, statement);
    return statement;
}

int Connection::run(const QString& nativeSql, const std::vector<Value>& binds)
{
    Prepared statement(*this, nativeSql, binds);
    while (statement.step()) {
    }
    return sqlite3_changes(handle_);
}

void Connection::fail(int resultCode) const
{
    const QString message = QString::fromUtf8(handle_ ? sqlite3_errmsg(handle_) : sqlite3_errstr(resultCode));
    const int primary = resultCode & 0xff;
    const bool unusable = primary == SQLITE_NOTADB || primary == SQLITE_CANTOPEN || primary == SQLITE_CORRUPT;
    throw Error(unusable ? Error::Kind::Open : Error::Kind::Engine, message);
}

void Connection::exec(const char* nativeSql)
{
    open();
    const int rc = sqlite3_exec(handle_, nativeSql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

void Connection::noteWrite()
{
    if (bulkDepth_ > 0 && handle_ && !sqlite3_get_autocommit(handle_) && !bulkCommitsHeld(*this)
        && clock_() - lastCommit_ >= bulkCommitInterval_)
        commitAndContinue();
}

void Connection::commitAndContinue()
{
    exec("COMMIT");
    exec("BEGIN IMMEDIATE");
    lastCommit_ = clock_();
}

void Connection::beginBulk()
{
    open();
    if (bulkDepth_ == 0 && sqlite3_get_autocommit(handle_)) {
        exec("BEGIN IMMEDIATE");
        lastCommit_ = clock_();
    }
    ++bulkDepth_;
}

void Connection::endBulk() noexcept
{
    if (bulkDepth_ == 0 || --bulkDepth_ > 0)
        return;
    if (!handle_ || sqlite3_get_autocommit(handle_) || bulkCommitsHeld(*this))
        return;
    if (sqlite3_exec(handle_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        qWarning("database: a bulk change could not be committed: %s", sqlite3_errmsg(handle_));
        sqlite3_exec(handle_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Connection::backupTo(const QString& nativeTarget)
{
    open();
    // The copy holds what is committed: work pending in a bulk scope is committed first.
    const bool inBulk = !sqlite3_get_autocommit(handle_);
    if (inBulk)
        exec("COMMIT");
    const auto copy = [this](sqlite3* target) {
        sqlite3_backup* backup = sqlite3_backup_init(target, "main", handle_, "main");
        if (!backup)
            throw Error(Error::Kind::Engine, QString::fromUtf8(sqlite3_errmsg(target)));
        const int rc = sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        if (rc != SQLITE_DONE)
            throw Error(Error::Kind::Engine, QString::fromUtf8(sqlite3_errstr(rc)));
    };
    try {
        writeDatabaseFile(nativeTarget, copy);
    } catch (...) {
        if (inBulk)
            exec("BEGIN IMMEDIATE");
        throw;
    }
    if (inBulk)
        exec("BEGIN IMMEDIATE");
}

void Connection::attach(DataSet* dataSet) { dataSets_.push_back(dataSet); }

void Connection::detach(DataSet* dataSet)
{
    dataSets_.erase(std::remove(dataSets_.begin(), dataSets_.end(), dataSet), dataSets_.end());
}

void Connection::finalizeStatements()
{
    for (sqlite3_stmt* statement : std::as_const(statements_))
        sqlite3_finalize(statement);
    statements_.clear();
}

}  // namespace db
