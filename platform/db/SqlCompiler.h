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

// The fields a select list names, every column of the table when it names none.
TableSchema selectedFields(const TableSchema& table, const SelectStatement& select);

// "rowid, "a", "b"": the key, then the fields, as a native select list.
QString nativeSelectList(const TableSchema& fields);

// SELECT rowid, fields FROM t WHERE (where) AND (filter) ORDER BY order, rowid; the conditions
// and the order may name any column of the table.
NativeSql compileSelect(const TableSchema& table, const TableSchema& fields, const std::optional<Condition>& where,
                        const std::optional<Condition>& filter, const std::vector<OrderTerm>& order);

NativeSql compileStatement(const Statement& statement, const Schema& schema);

}  // namespace db
