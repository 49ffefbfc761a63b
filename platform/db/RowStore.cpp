#include "platform/db/RowStore.h"

#include <QString>
#include <cstring>
#include <sqlite3.h>

namespace db {

void RowStore::reset(int columnCount)
{
    columns_ = columnCount;
    slots_ = 0;
    blocks_.clear();
    texts_.clear();
    textBlockSize_ = 0;
    textRoom_ = 0;
}

int RowStore::newSlot()
{
    if (slots_ % kRowsPerBlock == 0) {
        const size_t cells = size_t(kRowsPerBlock) * size_t(columns_);
        blocks_.push_back(Block{std::unique_ptr<Cell[]>(new Cell[cells]),
                                std::unique_ptr<Value::Kind[]>(new Value::Kind[cells])});
    }
    return slots_++;
}

int RowStore::addSlot()
{
    const int slot = newSlot();
    std::fill_n(block(slot).kinds.get() + offset(slot), columns_, Value::Kind::Null);
    return slot;
}

int RowStore::addSlot(sqlite3_stmt* statement, int first)
{
    const int slot = newSlot();
    read(slot, statement, first);
    return slot;
}

const char* RowStore::putText(const char* utf8, int size)
{
    // Each text starts on a 4-byte boundary with its byte count.
    const qsizetype needed = (qsizetype(sizeof(qint32)) + size + 3) & ~qsizetype(3);
    if (needed > textRoom_) {
        textBlockSize_ = std::max(kTextBlock, needed);
        texts_.emplace_back(new char[size_t(textBlockSize_)]);
        textRoom_ = textBlockSize_;
    }
    char* place = texts_.back().get() + (textBlockSize_ - textRoom_);
    const qint32 count = size;
    std::memcpy(place, &count, sizeof count);
    std::memcpy(place + sizeof count, utf8, size_t(size));
    textRoom_ -= needed;
    return place;
}

void RowStore::read(int slot, sqlite3_stmt* statement, int first)
{
    const Block& b = block(slot);
    Cell* cells = b.cells.get() + offset(slot);
    Value::Kind* kinds = b.kinds.get() + offset(slot);
    for (int column = 0; column < columns_; ++column) {
        sqlite3_value* v = sqlite3_column_value(statement, first + column);
        switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            kinds[column] = Value::Kind::Integer;
            cells[column].integer = sqlite3_value_int64(v);
            break;
        case SQLITE_FLOAT:
            kinds[column] = Value::Kind::Real;
            cells[column].real = sqlite3_value_double(v);
            break;
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
            kinds[column] = Value::Kind::Text;
            cells[column].text = putText(text, sqlite3_value_bytes(v));
            break;
        }
        default:
            kinds[column] = Value::Kind::Null;
            break;
        }
    }
}

Value RowStore::value(int slot, int column) const
{
    const Block& b = block(slot);
    const size_t at = offset(slot) + size_t(column);
    const Cell& c = b.cells[at];
    switch (b.kinds[at]) {
    case Value::Kind::Null:
        return Value();
    case Value::Kind::Integer:
        return Value(c.integer);
    case Value::Kind::Real:
        return Value(c.real);
    case Value::Kind::Text: {
        qint32 size;
        std::memcpy(&size, c.text, sizeof size);
        return Value(QString::fromUtf8(c.text + sizeof size, size));
    }
    }
    return Value();
}

void RowStore::setValue(int slot, int column, const Value& value)
{
    const Block& b = block(slot);
    const size_t at = offset(slot) + size_t(column);
    Cell& c = b.cells[at];
    b.kinds[at] = value.kind();
    switch (value.kind()) {
    case Value::Kind::Null:
        break;
    case Value::Kind::Integer:
        c.integer = value.integer();
        break;
    case Value::Kind::Real:
        c.real = value.number();
        break;
    case Value::Kind::Text: {
        const QByteArray utf8 = value.text().toUtf8();
        c.text = putText(utf8.constData(), int(utf8.size()));
        break;
    }
    }
}

}  // namespace db
