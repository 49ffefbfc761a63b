#include "platform/db/RowStore.h"

#include <QByteArray>
#include <QString>
#include <cstring>
#include <sqlite3.h>

namespace db {

namespace {

// The fewest bytes from which the whole number reads back by sign extension; 0 holds 0.
int integerSize(qint64 v)
{
    for (int size = 0; size < 8; ++size) {
        const int shift = 64 - 8 * size;
        const qint64 kept = size == 0 ? 0 : qint64(quint64(v) << shift) >> shift;
        if (kept == v)
            return size;
    }
    return 8;
}

void putInteger(char* out, qint64 v, int size)
{
    for (int i = 0; i < size; ++i)
        out[i] = char(quint64(v) >> (8 * i));
}

qint64 integerAt(const char* in, int size)
{
    quint64 bits = 0;
    for (int i = 0; i < size; ++i)
        bits |= quint64(quint8(in[i])) << (8 * i);
    if (size == 0 || size == 8)
        return qint64(bits);
    const int shift = 64 - 8 * size;
    return qint64(bits << shift) >> shift;
}

// A record: one byte giving the width (2 or 4) of the end offsets, one kind byte per column,
// the end of each column's bytes counted from the start of the values, then the values.
size_t endAt(const char* ends, int width, int column)
{
    if (width == 2) {
        quint16 end;
        std::memcpy(&end, ends + 2 * column, 2);
        return end;
    }
    quint32 end;
    std::memcpy(&end, ends + 4 * size_t(column), 4);
    return end;
}

}  // namespace

void RowStore::reset(int columnCount)
{
    columns_ = columnCount;
    records_.clear();
    chunks_.clear();
    free_ = nullptr;
    freeSize_ = 0;
}

int RowStore::addSlot()
{
    records_.push_back(nullptr);
    return int(records_.size()) - 1;
}

int RowStore::addSlot(sqlite3_stmt* statement, int first)
{
    const int slot = addSlot();
    read(slot, statement, first);
    return slot;
}

void RowStore::read(int slot, sqlite3_stmt* statement, int first)
{
    pieces_.resize(size_t(columns_));
    for (int column = 0; column < columns_; ++column) {
        Piece& p = pieces_[size_t(column)];
        sqlite3_value* v = sqlite3_column_value(statement, first + column);
        switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            p.kind = Value::Kind::Integer;
            p.integer = sqlite3_value_int64(v);
            p.size = integerSize(p.integer);
            break;
        case SQLITE_FLOAT:
            p.kind = Value::Kind::Real;
            p.real = sqlite3_value_double(v);
            p.size = int(sizeof p.real);
            break;
        case SQLITE_TEXT:
            p.kind = Value::Kind::Text;
            p.bytes = reinterpret_cast<const char*>(sqlite3_value_text(v));
            p.size = sqlite3_value_bytes(v);
            break;
        default:
            p.kind = Value::Kind::Null;
            p.size = 0;
            break;
        }
    }
    records_[size_t(slot)] = write(pieces_);
}

char* RowStore::room(size_t size)
{
    if (size <= freeSize_) {
        char* place = free_;
        free_ += size;
        freeSize_ -= size;
        return place;
    }
    // A record too large for a chunk of its own share gets one to itself; the last chunk's
    // room stays for the next records.
    if (size > kUsualChunkSize / 4) {
        chunks_.push_back(takeChunk(size));
        return chunks_.back().get();
    }
    chunks_.push_back(takeChunk(kUsualChunkSize));
    free_ = chunks_.back().get() + size;
    freeSize_ = kUsualChunkSize - size;
    return chunks_.back().get();
}

const char* RowStore::write(const std::vector<Piece>& pieces)
{
    size_t valuesSize = 0;
    for (const Piece& p : pieces)
        valuesSize += size_t(p.size);
    const int width = valuesSize > 0xFFFF ? 4 : 2;
    const size_t headerSize = 1 + size_t(columns_) * size_t(1 + width);
    char* out = room(headerSize + valuesSize);
    out[0] = char(width);
    char* ends = out + 1 + columns_;
    char* values = out + headerSize;
    size_t end = 0;
    for (int column = 0; column < columns_; ++column) {
        const Piece& p = pieces[size_t(column)];
        out[1 + column] = char(p.kind);
        char* at = values + end;
        switch (p.kind) {
        case Value::Kind::Null:
            break;
        case Value::Kind::Integer:
            putInteger(at, p.integer, p.size);
            break;
        case Value::Kind::Real:
            std::memcpy(at, &p.real, sizeof p.real);
            break;
        case Value::Kind::Text:
            std::memcpy(at, p.bytes, size_t(p.size));
            break;
        }
        end += size_t(p.size);
        if (width == 2) {
            const quint16 e = quint16(end);
            std::memcpy(ends + 2 * column, &e, 2);
        } else {
            const quint32 e = quint32(end);
            std::memcpy(ends + 4 * size_t(column), &e, 4);
        }
    }
    return out;
}

RowStore::Piece RowStore::piece(int slot, int column) const
{
    Piece p;
    const char* r = record(slot);
    if (!r)
        return p;
    p.kind = Value::Kind(quint8(r[1 + column]));
    const int width = r[0];
    const char* ends = r + 1 + columns_;
    const size_t begin = column == 0 ? 0 : endAt(ends, width, column - 1);
    p.size = int(endAt(ends, width, column) - begin);
    const char* at = ends + size_t(columns_) * size_t(width) + begin;
    switch (p.kind) {
    case Value::Kind::Null:
        break;
    case Value::Kind::Integer:
        p.integer = integerAt(at, p.size);
        break;
    case Value::Kind::Real:
        std::memcpy(&p.real, at, sizeof p.real);
        break;
    case Value::Kind::Text:
        p.bytes = at;
        break;
    }
    return p;
}

Value RowStore::value(int slot, int column) const
{
    const Piece p = piece(slot, column);
    switch (p.kind) {
    case Value::Kind::Null:
        break;
    case Value::Kind::Integer:
        return Value(p.integer);
    case Value::Kind::Real:
        return Value(p.real);
    case Value::Kind::Text:
        return Value(QString::fromUtf8(p.bytes, p.size));
    }
    return Value();
}

// The row is written again whole; its old record stays unused until the store is reset.
void RowStore::setValue(int slot, int column, const Value& value)
{
    pieces_.resize(size_t(columns_));
    for (int c = 0; c < columns_; ++c)
        pieces_[size_t(c)] = piece(slot, c);
    Piece& p = pieces_[size_t(column)];
    p = Piece{value.kind()};
    QByteArray utf8;
    switch (value.kind()) {
    case Value::Kind::Null:
        break;
    case Value::Kind::Integer:
        p.integer = value.integer();
        p.size = integerSize(p.integer);
        break;
    case Value::Kind::Real:
        p.real = value.number();
        p.size = int(sizeof p.real);
        break;
    case Value::Kind::Text:
        utf8 = value.text().toUtf8();
        p.bytes = utf8.constData();
        p.size = int(utf8.size());
        break;
    }
    records_[size_t(slot)] = write(pieces_);
}

}  // namespace db
