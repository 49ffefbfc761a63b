#pragma once
// Reading the Jet subset the program writes:
//   SELECT * FROM t [WHERE cond] [ORDER BY col [ASC|DESC] {, ...}]
//   UPDATE t SET col = lit {, col = lit} [WHERE cond]
//   INSERT INTO t (col {, col}) VALUES (lit {, lit})
//   DELETE [*] FROM t [WHERE cond]
// with cond := col op lit {AND col op lit}, op one of = <> < > <= >= LIKE, and lit a quoted
// text, a number, True/False or a parameter ("?" in order, or ":name"); one statement, an optional ";" after it and nothing else.
// ADO filter criteria also take OR and parentheses.
#include "platform/db/SqlAst.h"

#include <QString>
#include <optional>
#include <vector>

namespace db {

// Throws Error of kind Syntax.
Statement parseStatement(const QString& text);
// No condition for an empty (or blank) filter.
std::optional<Condition> parseFilter(const QString& criteria);
// "Titre DESC, NumLivre"; an empty text gives no terms.
std::vector<OrderTerm> parseSort(const QString& sort);

}  // namespace db
