#pragma once
// The statements, conditions and sort orders of the Jet subset the program writes, as read
// by SqlParser, before their names are resolved and their values converted (SqlCompiler).
#include "platform/db/Value.h"

#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace db {

// A value written in the text, a parameter ("?" or ":name") still to be given its value, or a
// parameter's value once bound (Params).
struct Literal {
    enum class Kind { Text, Number, Boolean, Parameter, Bound };
    Kind kind = Kind::Text;
    QString text;          // quoted text without its quotes, a number as written ("00012"), a parameter's name
    bool boolean = false;  // True / False
    int position = -1;     // a "?": its place among the statement's "?", from 0
    Value value;           // Bound

    static Literal quoted(const QString& t) { return {Kind::Text, t, false, -1, {}}; }
    static Literal number(const QString& t) { return {Kind::Number, t, false, -1, {}}; }
    static Literal truth(bool b) { return {Kind::Boolean, {}, b, -1, {}}; }
    static Literal positional(int p) { return {Kind::Parameter, {}, false, p, {}}; }
    static Literal named(const QString& name) { return {Kind::Parameter, name, false, -1, {}}; }
    static Literal bound(const Value& v) { return {Kind::Bound, {}, false, -1, v}; }
};

enum class CompareOp { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, Like };

struct Condition {
    enum class Kind { Compare, And, Or };
    Kind kind = Kind::Compare;
    QString column;  // Compare
    CompareOp op = CompareOp::Equal;
    Literal value;
    std::vector<Condition> operands;  // And, Or
};

struct OrderTerm {
    QString column;
    bool descending = false;
};

struct SelectStatement {
    QString table;
    std::vector<QString> columns;  // none: every column (*)
    std::optional<Condition> where;
    std::vector<OrderTerm> order;
};

struct UpdateStatement {
    QString table;
    std::vector<std::pair<QString, Literal>> assignments;
    std::optional<Condition> where;
};

struct InsertStatement {
    QString table;
    std::vector<QString> columns;
    std::vector<Literal> values;
};

struct DeleteStatement {
    QString table;
    std::optional<Condition> where;
};

using Statement = std::variant<SelectStatement, UpdateStatement, InsertStatement, DeleteStatement>;

}  // namespace db
