#pragma once
// A table object: every row of one table, in the order of its index fields (rowid order
// when it has none), narrowed by the filter while filtered.
#include "platform/db/DataSet.h"

namespace db {

class Table : public DataSet {
public:
    explicit Table(Connection& connection, const QString& tableName = {},
                   const QString& indexFieldNames = {});

    // Setting either closes the table.
    void setTableName(const QString& name);
    const QString& tableName() const { return tableName_; }
    void setIndexFieldNames(const QString& names);  // "NumLivre" or "Classe;EmpNom"
    const QString& indexFieldNames() const { return indexFieldNames_; }

protected:
    SelectStatement selectStatement() const override;

private:
    QString tableName_;
    QString indexFieldNames_;
};

}  // namespace db
