#pragma once
// The tables of an open database as the layer sees them. Column types are read from the
// declared types of the schema, which use the Jet type names: TEXT(n), LONGTEXT, SMALLINT,
// INTEGER, BIT, DATETIME, CURRENCY; the INTEGER PRIMARY KEY is the AutoNumber.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct sqlite3;

namespace db {

enum class FieldType { Text, Memo, SmallInt, Integer, AutoInc, Boolean, DateTime, Currency, Float };

struct Column {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;  // longest text in UTF-16 units; 0 = no limit or not a text
    bool readOnly() const { return type == FieldType::AutoInc; }
    bool isText() const { return type == FieldType::Text || type == FieldType::Memo; }
};

class TableSchema {
public:
    TableSchema(QString name, std::vector<Column> columns);

    const QString& name() const { return name_; }
    const std::vector<Column>& columns() const { return columns_; }
    const Column& column(int index) const { return columns_[size_t(index)]; }
    int columnCount() const { return int(columns_.size()); }
    // Names match in any case; -1 when the table has no such column.
    int indexOf(const QString& name) const;
    // As indexOf, but an unknown name is an Error of kind UnknownName.
    int require(const QString& name) const;
    // The named columns only, in the order given, as the fields of a select list.
    TableSchema projected(const std::vector<QString>& names) const;

private:
    QString name_;
    std::vector<Column> columns_;
    QHash<QString, int> exact_;
};

class Schema {
public:
    static Schema read(sqlite3* handle);

    // Names match in any case; nullptr when there is no such table.
    const TableSchema* find(const QString& name) const;
    // As find, but an unknown name is an Error of kind UnknownName.
    const TableSchema& table(const QString& name) const;
    QStringList tableNames() const;

private:
    std::vector<TableSchema> tables_;
};

FieldType fieldTypeOfDeclared(const QString& declaredType, bool primaryKey, int* size);

// A name as native SQL text: "N°", with inner double quotes doubled.
QString quotedIdentifier(const QString& name);

}  // namespace db
