#pragma once
// One field of every row a statement gives, in its order.
#include "platform/db/Connection.h"
#include "platform/db/Query.h"

#include <QStringList>

inline QStringList columnValues(db::Connection& connection, const QString& sql, const char* field,
                                const db::Params& params = {})
{
    db::Query q(connection);
    q.setSql(sql, params);
    q.open();
    QStringList values;
    for (q.first(); !q.eof(); q.next())
        values << q.fieldByName(QString::fromLatin1(field)).asString();
    return values;
}
