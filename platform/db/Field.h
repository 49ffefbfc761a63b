#pragma once
// One column of a data set's current row, found by name: ars.fieldByName("Titre").asString().
// Reading with no current row gives no value ("", 0, false); writing needs the data set in
// edit or insert mode and converts the value to the column's type.
#include "platform/db/Schema.h"
#include "platform/db/Value.h"

#include <QDateTime>
#include <QString>

namespace db {

class DataSet;

class Field {
public:
    Field(DataSet& dataSet, int index) : dataSet_(&dataSet), index_(index) {}

    DataSet& dataSet() const { return *dataSet_; }
    int index() const { return index_; }
    const Column& column() const;
    const QString& name() const { return column().name; }
    FieldType type() const { return column().type; }
    int size() const { return column().size; }
    bool readOnly() const { return column().readOnly(); }

    Value value() const;
    bool isNull() const { return value().isNull(); }
    QString asString() const;
    // A text that is not a whole number is a Conversion error; no value reads as 0.
    qint64 asInteger() const;
    // A text reads true for "Vrai"/"True" in any case; no value reads as false.
    bool asBoolean() const;
    // No value reads as 30/12/1899, day 0 of the serials.
    QDateTime asDateTime() const;
    double asFloat() const;

    void setValue(const Value& value);
    void clear() { setValue(Value()); }
    // Parsed as the column's type: "12,50" for currency, "Vrai"/"Faux" for Booleans, "" = no value.
    void setAsString(const QString& text);
    void setAsInteger(qint64 value);
    void setAsBoolean(bool value);
    void setAsDateTime(const QDateTime& value);
    void setAsFloat(double value);

private:
    DataSet* dataSet_;
    int index_;
};

}  // namespace db
