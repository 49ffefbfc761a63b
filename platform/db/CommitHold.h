#pragma once
// Holds on a connection's bulk commits: while all-or-nothing work is open on it (Transaction),
// the bulk scopes inside that work commit nothing, neither on their interval nor at their end,
// so that the work stays whole until it is committed or given up.
namespace db {

class Connection;

void holdBulkCommits(const Connection& connection);
void releaseBulkCommits(const Connection& connection);
bool bulkCommitsHeld(const Connection& connection);

}  // namespace db
