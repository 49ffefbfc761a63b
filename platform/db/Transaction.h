#pragma once
// All-or-nothing work: what is written inside stays only when commit() is reached; an exception
// (or a killed process) leaves the database as it was. A savepoint, so it also nests inside a
// bulk scope's transaction; a bulk scope inside it commits nothing before it ends.
#include "platform/db/CommitHold.h"
#include "platform/db/Connection.h"

namespace db {

class Transaction {
public:
    explicit Transaction(Connection& connection) : connection_(connection)
    {
        connection_.run(QStringLiteral("SAVEPOINT all_or_nothing"), {});
        holdBulkCommits(connection_);
    }
    ~Transaction()
    {
        if (done_)
            return;
        releaseBulkCommits(connection_);
        try {
            connection_.run(QStringLiteral("ROLLBACK TO all_or_nothing"), {});
            connection_.run(QStringLiteral("RELEASE all_or_nothing"), {});
        } catch (const std::exception&) {
            // The connection is gone; nothing was committed.
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit()
    {
        connection_.run(QStringLiteral("RELEASE all_or_nothing"), {});
        done_ = true;
        releaseBulkCommits(connection_);
    }

private:
    Connection& connection_;
    bool done_ = false;
};

}  // namespace db
