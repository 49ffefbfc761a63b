#pragma once
// The statements, conditions and sort orders of the Jet subset the program writes, as read
// by SqlParser, before their names are resolved and their values converted (SqlCompiler).
#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace db {

struct Literal {
    enum class Kind { Text, Number, Boolean };
    Kind kind = Kind::Text;
    QString text;          // quoted text without its quotes, or a number as written ("00012")
    bool boolean = false;  // True / False

    static Literal quoted(const QString& t) { return {Kind::Text, t, false}; }
    static Literal number(const QString& t) { return {Kind::Number, t, false}; }
    static Literal truth(bool b) { return {Kind::Boolean, {}, b}; }
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
