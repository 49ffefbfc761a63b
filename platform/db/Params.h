#pragma once
// The values of a statement's or a filter's parameters: each "?" takes the next positional
// value, each ":name" the value set for its name (a name may stand more than once). Values are
// converted to their column's type as field assignments are (Coercion): Booleans as
// Value::boolean or "Vrai"/"Faux", dates as day serials (Value::date) or dd/mm/yyyy texts.
// Binding refuses a statement whose parameters and values do not match one for one.
#include "platform/db/SqlAst.h"
#include "platform/db/Value.h"

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

namespace db {

class Params {
public:
    Params() = default;
    Params(std::initializer_list<Value> positional) : positional_(positional) {}

    // The value of the next "?".
    Params& add(const Value& value);
    // The value of ":name" (names match in any case).
    Params& set(const QString& name, const Value& value);

    bool isEmpty() const { return positional_.empty() && named_.empty(); }
    bool operator==(const Params& other) const = default;

    // Every parameter of the statement or condition replaced by its value; throws Error of
    // kind Syntax when a parameter has no value or a value has no parameter.
    void bind(Statement& statement) const;
    void bind(std::optional<Condition>& condition) const;

private:
    class Binder;

    std::vector<Value> positional_;
    std::vector<std::pair<QString, Value>> named_;
};

// A statement's text with its parameters' values, for code that chooses the statement and
// leaves running it to others.
struct Command {
    QString sql;
    Params params;
};

}  // namespace db
