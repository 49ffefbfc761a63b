#pragma once
// Turning parsed statements, filters and sorts into native SQLite text with every value
// bound: names resolved against the schema in any case, literals converted to the column's
// type (Coercion), rowid appended to every order so that runs are repeatable.
#include "platform/db/Schema.h"
#include "platform/db/SqlAst.h"
#include "platform/db/Value.h"

#include <QString>
#include <optional>
#include <vector>

namespace db {

struct NativeSql {
    QString text;
    std::vector<Value> binds;  // for the "?" of text, in order
};

// How LIKE patterns read: statements take % and _ anywhere; ADO filters take * or % only at
// the start or the end, every other character standing for itself.
enum class PatternStyle { Statement, Filter };

NativeSql compileCondition(const Condition& condition, const TableSchema& table, PatternStyle style);

// SELECT rowid, * FROM t WHERE (where) AND (filter) ORDER BY order, rowid
NativeSql compileSelect(const TableSchema& table, const std::optional<Condition>& where,
                        const std::optional<Condition>& filter, const std::vector<OrderTerm>& order);

NativeSql compileStatement(const Statement& statement, const Schema& schema);

}  // namespace db
