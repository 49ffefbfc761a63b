#pragma once
// A value as the database stores it: nothing, a whole number, a real number or a text.
// Booleans are stored as 0/1 and dates as day serials counted from 30/12/1899; the
// column's FieldType says how a stored value reads (see TextForm).
#include <QDate>
#include <QString>
#include <variant>

namespace db {

class Value {
public:
    enum class Kind { Null, Integer, Real, Text };

    Value() = default;
    Value(qint64 v) : data_(v) {}
    Value(int v) : data_(qint64(v)) {}
    Value(double v) : data_(v) {}
    Value(const QString& v) : data_(v) {}
    Value(const char* utf8) : data_(QString::fromUtf8(utf8)) {}
    static Value boolean(bool b) { return Value(qint64(b ? 1 : 0)); }
    // The day serial of the date, counted from 30/12/1899; no value for an invalid date.
    static Value date(const QDate& d);

    Kind kind() const { return Kind(data_.index()); }
    bool isNull() const { return kind() == Kind::Null; }
    bool isNumber() const { return kind() == Kind::Integer || kind() == Kind::Real; }

    // The held value; other kinds read as 0 / 0.0 / "".
    qint64 integer() const;
    double number() const;  // Integer or Real as a double
    QString text() const;

    bool operator==(const Value& other) const = default;

private:
    std::variant<std::monostate, qint64, double, QString> data_;
};

}  // namespace db
