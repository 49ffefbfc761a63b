#pragma once
// The values of a data set's rows, kept compactly: one fixed-size cell per value and the
// texts in one UTF-8 buffer, so that reading 50,000 rows costs no allocation per value.
// Rows are addressed by slot; a slot never moves once added.
#include "platform/db/Value.h"

#include <QByteArray>
#include <vector>

struct sqlite3_stmt;

namespace db {

class RowStore {
public:
    void reset(int columnCount);
    int columnCount() const { return columns_; }
    int slotCount() const { return columns_ ? int(cells_.size() / size_t(columns_)) : 0; }

    // A new row of no values; returns its slot.
    int addSlot();
    // Columns [first, first + columnCount) of the statement's current row into the slot.
    void read(int slot, sqlite3_stmt* statement, int first);

    Value value(int slot, int column) const;
    void setValue(int slot, int column, const Value& value);

private:
    struct Cell {
        union {
            qint64 integer;
            double real;
            qint64 offset;  // into texts_
        };
        qint32 size;  // text bytes
        Value::Kind kind;
    };

    Cell& cell(int slot, int column) { return cells_[size_t(slot) * size_t(columns_) + size_t(column)]; }
    void putText(Cell& cell, const char* utf8, int size);

    int columns_ = 0;
    std::vector<Cell> cells_;
    QByteArray texts_;
};

}  // namespace db
