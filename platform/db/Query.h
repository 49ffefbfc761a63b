#pragma once
// A query object: SQL text set line by line with the values of its parameters, executed, or
// opened and walked. Changing the text or the values closes the query. The text is one
// statement of the Jet subset the program writes (SqlParser); values belong in parameters
// ("?", ":name"), never in the text, and are bound, never pasted into SQLite's text.
#include "platform/db/DataSet.h"
#include "platform/db/Params.h"

#include <QStringList>

namespace db {

class Query : public DataSet {
public:
    explicit Query(Connection& connection);

    // Setting or clearing the text clears the values, as a new text has its own parameters.
    void clearSql();
    void addSql(const QString& line);
    void setSql(const QString& text, Params params = {});
    QString sql() const;  // lines joined with CR LF
    void setParams(Params params);
    const Params& params() const { return params_; }

    // Runs the statement; returns the rows changed (0 for a SELECT, which is run and discarded).
    int execSql();

protected:
    SelectStatement selectStatement() const override;

private:
    QStringList lines_;
    Params params_;
};

}  // namespace db
