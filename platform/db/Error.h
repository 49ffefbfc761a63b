#pragma once
// The one error type of the database layer. The message is the engine's (or, for the
// statements this layer parses itself, worded the same way); handlers show it as it is.
#include <QString>
#include <stdexcept>

namespace db {

class Error : public std::runtime_error {
public:
    enum class Kind {
        Open,         // the file is missing, locked or not a database
        Syntax,       // a statement, filter or sort text this layer cannot read
        UnknownName,  // no such table or column
        Conversion,   // a value that does not fit the column's type
        TooLong,      // a text longer than its column allows
        State,        // an operation the data set's state does not allow
        RowGone,      // the row was deleted since it was read
        Engine        // anything else SQLite refused (constraints, disk, locks)
    };

    Error(Kind kind, const QString& message);

    Kind kind() const { return kind_; }
    QString message() const { return QString::fromUtf8(what()); }

private:
    Kind kind_;
};

}  // namespace db
