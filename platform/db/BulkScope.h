#pragma once
// A bulk loop's transaction: nestable; commits when the outermost scope ends, also when it
// ends by an exception (the rows written so far stay written, as they would without a
// scope), and every so often in between (Connection::setBulkCommitInterval).
#include "platform/db/Connection.h"

namespace db {

class BulkScope {
public:
    explicit BulkScope(Connection& connection) : connection_(connection) { connection_.beginBulk(); }
    ~BulkScope() { connection_.endBulk(); }
    BulkScope(const BulkScope&) = delete;
    BulkScope& operator=(const BulkScope&) = delete;

private:
    Connection& connection_;
};

}  // namespace db
