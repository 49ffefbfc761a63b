#pragma once
// The rows a statement gives, in its order, read back as text.
#include "platform/db/Connection.h"
#include "platform/db/Query.h"

#include <QStringList>

// Each row's `fields` joined by "|".
inline QStringList rowValues(db::Connection& connection, const QString& sql, const QStringList& fields,
                             const db::Params& params = {})
{
    db::Query q(connection);
    q.setSql(sql, params);
    q.open();
    QStringList rows;
    for (q.first(); !q.eof(); q.next()) {
        QStringList values;
        for (const QString& f : fields)
            values << q.fieldByName(f).asString();
        rows << values.join(u'|');
    }
    return rows;
}

// One field of every row.
inline QStringList columnValues(db::Connection& connection, const QString& sql, const char* field,
                                const db::Params& params = {})
{
    return rowValues(connection, sql, {QString::fromLatin1(field)}, params);
}
