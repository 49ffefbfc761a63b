#include "platform/db/CommitHold.h"

#include <QHash>

namespace db {

namespace {

// One thread uses the connections: a plain table of the holds open on each.
QHash<const Connection*, int>& commitHolds()
{
    static QHash<const Connection*, int> holds;
    return holds;
}

}  // namespace

void holdBulkCommits(const Connection& connection) { ++commitHolds()[&connection]; }

void releaseBulkCommits(const Connection& connection)
{
    auto held = commitHolds().find(&connection);
    if (held != commitHolds().end() && --*held == 0)
        commitHolds().erase(held);
}

bool bulkCommitsHeld(const Connection& connection) { return commitHolds().contains(&connection); }

}  // namespace db
