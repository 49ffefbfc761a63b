#pragma once
// The values of a data set's rows, kept compactly: eight bytes and a kind per value, in
// blocks that never move, and the texts in UTF-8 (after their length) in blocks of their own,
// so that reading 50,000 rows costs no allocation per value. Rows are addressed by slot; a
// slot never moves.
#include "platform/db/Value.h"

#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace db {

class RowStore {
public:
    void reset(int columnCount);
    int columnCount() const { return columns_; }

    // A new row of no values; returns its slot.
    int addSlot();
    // A new row holding columns [first, first + columnCount) of the statement's current row.
    int addSlot(sqlite3_stmt* statement, int first);
    // The slot's values replaced by those of the statement's current row.
    void read(int slot, sqlite3_stmt* statement, int first);

    Value value(int slot, int column) const;
    void setValue(int slot, int column, const Value& value);

private:
    union Cell {
        qint64 integer;
        double real;
        const char* text;  // a qint32 byte count, then the UTF-8 bytes, in one of texts_
    };

    static constexpr int kRowsPerBlock = 512;
    static constexpr qsizetype kTextBlock = 256 * 1024;

    struct Block {
        std::unique_ptr<Cell[]> cells;
        std::unique_ptr<Value::Kind[]> kinds;
    };

    size_t offset(int slot) const { return size_t(slot % kRowsPerBlock) * size_t(columns_); }
    const Block& block(int slot) const { return blocks_[size_t(slot / kRowsPerBlock)]; }
    int newSlot();
    const char* putText(const char* utf8, int size);

    int columns_ = 0;
    int slots_ = 0;
    std::vector<Block> blocks_;
    std::vector<std::unique_ptr<char[]>> texts_;
    qsizetype textBlockSize_ = 0;  // of the last of texts_
    qsizetype textRoom_ = 0;       // bytes still free in it
};

}  // namespace db
