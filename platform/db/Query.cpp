#include "platform/db/Query.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/SqlParser.h"

namespace db {

Query::Query(Connection& connection) : DataSet(connection) {}

void Query::clearSql()
{
    close();
    lines_.clear();
}

void Query::addSql(const QString& line)
{
    close();
    lines_ << line;
}

void Query::setSql(const QString& text)
{
    close();
    lines_ = QStringList{text};
}

QString Query::sql() const { return lines_.join(QStringLiteral("\r\n")); }

int Query::execSql() { return connection().execute(sql()); }

SelectStatement Query::selectStatement() const
{
    Statement statement = parseStatement(sql());
    if (auto* select = std::get_if<SelectStatement>(&statement))
        return std::move(*select);
    throw Error(Error::Kind::State, errorTexts().noResultSet);
}

}  // namespace db
