#include "platform/db/Table.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Error.h"
#include "platform/db/SqlParser.h"

namespace db {

Table::Table(Connection& connection, const QString& tableName, const QString& indexFieldNames)
    : DataSet(connection), tableName_(tableName), indexFieldNames_(indexFieldNames)
{
}

void Table::setTableName(const QString& name)
{
    close();
    tableName_ = name;
}

void Table::setIndexFieldNames(const QString& names)
{
    close();
    indexFieldNames_ = names;
}

SelectStatement Table::selectStatement() const
{
    if (tableName_.isEmpty())
        throw Error(Error::Kind::State, errorTexts().noTableName);
    return SelectStatement{tableName_, {}, std::nullopt, parseSort(QString(indexFieldNames_).replace(u';', u','))};
}

}  // namespace db
