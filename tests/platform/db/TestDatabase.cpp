#include "tests/platform/db/TestDatabase.h"

#include "platform/db/DatabaseFile.h"

#include <QFile>

namespace dbtest {

QString schemaSql()
{
    QFile file(QStringLiteral(QVL_SOURCE_DIR "/data/schema/Test1.sql"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

TestDatabase::TestDatabase()
{
    static const QString schema = schemaSql();
    db::createDatabase(path(), schema);
    connection_ = std::make_unique<db::Connection>(QStringLiteral("Provider=x;Data Source=") + path() + u';');
}

void TestDatabase::run(std::initializer_list<const char*> statements)
{
    for (const char* statement : statements)
        connection_->execute(QString::fromUtf8(statement));
}

}  // namespace dbtest
