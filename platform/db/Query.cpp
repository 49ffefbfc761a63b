#include "platform/db/Query.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Connection.h"
#include "platform/db/Error.h"

namespace db {

Query::Query(Connection& connection) : DataSet(connection) {}

void Query::clearSql()
{
    close();
    lines_.clear();
    params_ = {};
}

void Query::addSql(const QString& line)
{
    close();
    lines_ << line;
}

void Query::setSql(const QString& text, Params params)
{
    close();
    lines_ = QStringList{text};
    params_ = std::move(params);
}

void Query::setParams(Params params)
{
    close();
    params_ = std::move(params);
}

QString Query::sql() const { return lines_.join(QStringLiteral("\r\n")); }

int Query::execSql() { return connection().execute(sql(), params_); }

SelectStatement Query::selectStatement() const
{
    Statement statement = connection().boundStatement(sql(), params_);
    if (auto* select = std::get_if<SelectStatement>(&statement))
        return std::move(*select);
    throw Error(Error::Kind::State, errorTexts().noResultSet);
}

}  // namespace db
