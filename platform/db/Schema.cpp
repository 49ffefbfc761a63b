#include "platform/db/Schema.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Error.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace db {

TableSchema::TableSchema(QString name, std::vector<Column> columns)
    : name_(std::move(name)), columns_(std::move(columns))
{
    for (int i = 0; i < columnCount(); ++i)
        exact_.insert(columns_[size_t(i)].name, i);
}

int TableSchema::indexOf(const QString& name) const
{
    // Callers mostly spell names as the schema does; the exact look-up spares the fold.
    const auto it = exact_.constFind(name);
    if (it != exact_.constEnd())
        return *it;
    for (int i = 0; i < columnCount(); ++i) {
        if (columns_[size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int TableSchema::require(const QString& name) const
{
    const int index = indexOf(name);
    if (index < 0)
        throw Error(Error::Kind::UnknownName, errorTexts().noSuchColumn.arg(name));
    return index;
}

TableSchema TableSchema::projected(const std::vector<QString>& names) const
{
    std::vector<Column> columns;
    columns.reserve(names.size());
    for (const QString& name : names)
        columns.push_back(column(require(name)));
    return TableSchema(name_, std::move(columns));
}

FieldType fieldTypeOfDeclared(const QString& declaredType, bool primaryKey, int* size)
{
    static const QRegularExpression shape(QStringLiteral(R"(^\s*([A-Za-z ]*?)\s*(?:\(\s*(\d+)\s*\))?\s*$)"));
    const auto m = shape.match(declaredType);
    const QString name = m.hasMatch() ? m.captured(1).toUpper() : declaredType.toUpper();
    const int declaredSize = m.hasMatch() && !m.captured(2).isEmpty() ? m.captured(2).toInt() : 0;
    *size = 0;
    if (name == u"TEXT" || name == u"VARCHAR" || name == u"CHAR") {
        *size = declaredSize > 0 ? declaredSize : 255;
        return FieldType::Text;
    }
    if (name == u"SMALLINT" || name == u"SHORT")
        return FieldType::SmallInt;
    if (name == u"INTEGER" || name == u"INT" || name == u"LONG")
        return primaryKey ? FieldType::AutoInc : FieldType::Integer;
    if (name == u"BIT" || name == u"YESNO" || name == u"LOGICAL" || name == u"BOOLEAN")
        return FieldType::Boolean;
    if (name == u"DATETIME" || name == u"DATE")
        return FieldType::DateTime;
    if (name == u"CURRENCY" || name == u"MONEY")
        return FieldType::Currency;
    if (name == u"REAL" || name == u"DOUBLE" || name == u"FLOAT")
        return FieldType::Float;
    return FieldType::Memo;
}

QString quotedIdentifier(const QString& name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

namespace {

QString columnText(sqlite3_stmt* statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

// Runs a schema query; a file that is not a database fails here first.
std::vector<std::vector<QString>> rowsOf(sqlite3* handle, const QString& sql, int columns)
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    int rc = sqlite3_prepare_v2(handle, utf8.constData(), int(utf8.size()), &statement, nullptr);
    std::vector<std::vector<QString>> rows;
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            std::vector<QString> row;
            for (int c = 0; c < columns; ++c)
                row.push_back(columnText(statement, c));
            rows.push_back(std::move(row));
        }
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        throw Error(Error::Kind::Open, QString::fromUtf8(sqlite3_errmsg(handle)));
    return rows;
}

}  // namespace

Schema Schema::read(sqlite3* handle)
{
    Schema schema;
    const auto tables = rowsOf(handle, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), 1);
    for (const auto& table : tables) {
        const QString& name = table[0];
        if (name.startsWith(QLatin1String("sqlite_")))
            continue;
        std::vector<Column> columns;
        // cid, name, type, notnull, dflt_value, pk
        for (const auto& info : rowsOf(handle, QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(name)), 6)) {
            Column column;
            column.name = info[1];
            column.type = fieldTypeOfDeclared(info[2], info[5] == u"1", &column.size);
            columns.push_back(std::move(column));
        }
        schema.tables_.emplace_back(name, std::move(columns));
    }
    return schema;
}

const TableSchema* Schema::find(const QString& name) const
{
    for (const auto& table : tables_) {
        if (table.name().compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

const TableSchema& Schema::table(const QString& name) const
{
    if (const auto* found = find(name))
        return *found;
    throw Error(Error::Kind::UnknownName, errorTexts().noSuchTable.arg(name));
}

QStringList Schema::tableNames() const
{
    QStringList names;
    for (const auto& table : tables_)
        names << table.name();
    return names;
}

}  // namespace db
