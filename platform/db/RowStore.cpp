#include "platform/db/RowStore.h"

#include <sqlite3.h>

namespace db {

void RowStore::reset(int columnCount)
{
    columns_ = columnCount;
    cells_.clear();
    texts_.clear();
}

int RowStore::addSlot()
{
    const int slot = slotCount();
    Cell empty{};
    empty.kind = Value::Kind::Null;
    cells_.resize(cells_.size() + size_t(columns_), empty);
    return slot;
}

void RowStore::putText(Cell& cell, const char* utf8, int size)
{
    cell.kind = Value::Kind::Text;
    cell.offset = texts_.size();
    cell.size = size;
    texts_.append(utf8, size);
}

void RowStore::read(int slot, sqlite3_stmt* statement, int first)
{
    for (int column = 0; column < columns_; ++column) {
        Cell& c = cell(slot, column);
        const int source = first + column;
        switch (sqlite3_column_type(statement, source)) {
        case SQLITE_INTEGER:
            c.kind = Value::Kind::Integer;
            c.integer = sqlite3_column_int64(statement, source);
            break;
        case SQLITE_FLOAT:
            c.kind = Value::Kind::Real;
            c.real = sqlite3_column_double(statement, source);
            break;
        case SQLITE_TEXT:
            putText(c, reinterpret_cast<const char*>(sqlite3_column_text(statement, source)),
                    sqlite3_column_bytes(statement, source));
            break;
        default:
            c.kind = Value::Kind::Null;
            break;
        }
    }
}

Value RowStore::value(int slot, int column) const
{
    const Cell& c = cells_[size_t(slot) * size_t(columns_) + size_t(column)];
    switch (c.kind) {
    case Value::Kind::Null:
        return Value();
    case Value::Kind::Integer:
        return Value(c.integer);
    case Value::Kind::Real:
        return Value(c.real);
    case Value::Kind::Text:
        return Value(QString::fromUtf8(texts_.constData() + c.offset, c.size));
    }
    return Value();
}

void RowStore::setValue(int slot, int column, const Value& value)
{
    Cell& c = cell(slot, column);
    switch (value.kind()) {
    case Value::Kind::Null:
        c.kind = Value::Kind::Null;
        break;
    case Value::Kind::Integer:
        c.kind = Value::Kind::Integer;
        c.integer = value.integer();
        break;
    case Value::Kind::Real:
        c.kind = Value::Kind::Real;
        c.real = value.number();
        break;
    case Value::Kind::Text: {
        const QByteArray utf8 = value.text().toUtf8();
        putText(c, utf8.constData(), int(utf8.size()));
        break;
    }
    }
}

}  // namespace db
