#include "StoredColumn.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Query.h"
#include "platform/files/WindowsPath.h"

QStringList storedColumn(const ProgramFolder& program, const QString& sql, const QString& field)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    db::Query q(connection);
    q.setSql(sql);
    q.open();
    QStringList values;
    for (q.first(); !q.eof(); q.next())
        values << q.fieldByName(field).asString();
    return values;
}
