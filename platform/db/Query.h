#pragma once
// A query object: SQL text set line by line, executed, or opened and walked. Changing the
// text closes the query. The text is one statement of the Jet subset the program writes
// (SqlParser); its values are bound, never pasted into SQLite's text.
#include "platform/db/DataSet.h"

#include <QStringList>

namespace db {

class Query : public DataSet {
public:
    explicit Query(Connection& connection);

    void clearSql();
    void addSql(const QString& line);
    void setSql(const QString& text);
    QString sql() const;  // lines joined with CR LF

    // Runs the statement; returns the rows changed (0 for a SELECT, which is run and discarded).
    int execSql();

protected:
    SelectStatement selectStatement() const override;

private:
    QStringList lines_;
};

}  // namespace db
