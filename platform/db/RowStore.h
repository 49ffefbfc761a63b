#pragma once
// The values of a data set's rows, each row one packed record: the kind of each value, where
// each value ends, then the values themselves (texts in UTF-8, whole numbers in as few bytes as
// they need). Records are written one after the other into chunks that are reused from one
// read to the next, so that reading 50,000 rows costs no allocation per value and touches
// little new memory. Rows are addressed by slot; a slot never moves.
#include "platform/db/ChunkPool.h"
#include "platform/db/Value.h"

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
    // One value on its way into a record.
    struct Piece {
        Value::Kind kind = Value::Kind::Null;
        const char* bytes = nullptr;  // the UTF-8 of a text
        int size = 0;                 // bytes the value takes in the record
        qint64 integer = 0;
        double real = 0;
    };

    const char* record(int slot) const { return records_[size_t(slot)]; }
    Piece piece(int slot, int column) const;
    const char* write(const std::vector<Piece>& pieces);
    char* room(size_t size);

    int columns_ = 0;
    std::vector<const char*> records_;  // by slot; nullptr for a row of no values
    std::vector<Chunk> chunks_;
    char* free_ = nullptr;  // the unused end of the last chunk
    size_t freeSize_ = 0;
    std::vector<Piece> pieces_;  // kept between rows to spare an allocation per row
};

}  // namespace db
