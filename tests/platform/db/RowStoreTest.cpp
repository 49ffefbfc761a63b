// Rows kept as packed records: every kind of value reads back as it was read or set, across
// chunks, in rows too long for short offsets, and after a row is rewritten.
#include "platform/db/RowStore.h"

#include <gtest/gtest.h>
#include <limits>
#include <sqlite3.h>

namespace {

using db::Value;

// "SELECT ?1, ?2, ..." on an empty in-memory database, stepped to its one row.
class OneRow {
public:
    explicit OneRow(const std::vector<Value>& values)
    {
        sqlite3_open(":memory:", &handle_);
        QByteArray sql = "SELECT 0";
        for (size_t i = 0; i < values.size(); ++i)
            sql += ", ?";
        sqlite3_prepare_v2(handle_, sql.constData(), -1, &statement_, nullptr);
        for (size_t i = 0; i < values.size(); ++i) {
            const int at = int(i) + 1;
            const Value& v = values[i];
            switch (v.kind()) {
            case Value::Kind::Null:
                sqlite3_bind_null(statement_, at);
                break;
            case Value::Kind::Integer:
                sqlite3_bind_int64(statement_, at, v.integer());
                break;
            case Value::Kind::Real:
                sqlite3_bind_double(statement_, at, v.number());
                break;
            case Value::Kind::Text: {
                const QByteArray utf8 = v.text().toUtf8();
                sqlite3_bind_text(statement_, at, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
                break;
            }
            }
        }
        EXPECT_EQ(sqlite3_step(statement_), SQLITE_ROW);
    }
    ~OneRow()
    {
        sqlite3_finalize(statement_);
        sqlite3_close(handle_);
    }
    sqlite3_stmt* statement() const { return statement_; }

private:
    sqlite3* handle_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
};

const std::vector<Value>& everyKind()
{
    static const std::vector<Value> values{
        Value(),
        Value(0),
        Value(1),
        Value(-1),
        Value(127),
        Value(128),
        Value(-128),
        Value(-129),
        Value(32767),
        Value(-32769),
        Value(qint64(1) << 31),
        Value(-(qint64(1) << 31) - 1),
        Value(qint64(1) << 55),
        Value(std::numeric_limits<qint64>::max()),
        Value(std::numeric_limits<qint64>::min()),
        Value(0.5),
        Value(-1e300),
        Value(QString()),
        Value(QStringLiteral("L'école des loisirs")),
        Value(QStringLiteral("汉字 \U0001F600")),
    };
    return values;
}

std::vector<Value> rowOf(const db::RowStore& rows, int slot)
{
    std::vector<Value> values;
    for (int column = 0; column < rows.columnCount(); ++column)
        values.push_back(rows.value(slot, column));
    return values;
}

TEST(RowStore, EveryKindOfValueReadsBackFromTheStatement)
{
    const std::vector<Value>& values = everyKind();
    OneRow row(values);
    db::RowStore rows;
    rows.reset(int(values.size()));
    const int slot = rows.addSlot(row.statement(), 1);
    EXPECT_EQ(rowOf(rows, slot), values);
}

TEST(RowStore, EveryKindOfValueCanBeSetInEveryColumn)
{
    const std::vector<Value>& values = everyKind();
    db::RowStore rows;
    rows.reset(int(values.size()));
    const int empty = rows.addSlot();
    EXPECT_EQ(rowOf(rows, empty), std::vector<Value>(values.size()));
    // Each column takes each value in turn; the others keep theirs.
    std::vector<Value> expected(values.size());
    for (size_t round = 0; round < values.size(); ++round) {
        for (size_t column = 0; column < values.size(); ++column) {
            const Value& v = values[(column + round) % values.size()];
            rows.setValue(empty, int(column), v);
            expected[column] = v;
            ASSERT_EQ(rowOf(rows, empty), expected) << "round " << round << ", column " << column;
        }
    }
}

TEST(RowStore, LongTextsAndManyRowsKeepEveryRow)
{
    // A row longer than short offsets reach and longer than a chunk's share, among enough
    // ordinary rows to fill several chunks.
    const QString longText(70000, u'é');
    db::RowStore rows;
    rows.reset(3);
    std::vector<std::vector<Value>> expected;
    for (int i = 0; i < 6000; ++i) {
        std::vector<Value> values{Value(i), Value(QStringLiteral("Élément de titre n°%1").arg(i).repeated(8)),
                                  i == 2500 ? Value(longText) : Value(double(i) / 4)};
        OneRow row(values);
        ASSERT_EQ(rows.addSlot(row.statement(), 1), i);
        expected.push_back(values);
    }
    rows.setValue(2500, 0, Value(QStringLiteral("changé")));
    expected[2500][0] = Value(QStringLiteral("changé"));
    for (int i = 0; i < 6000; ++i)
        ASSERT_EQ(rowOf(rows, i), expected[size_t(i)]) << "row " << i;
}

TEST(RowStore, ARowReadAgainReplacesItsValues)
{
    db::RowStore rows;
    rows.reset(2);
    const int inserted = rows.addSlot();
    rows.setValue(inserted, 0, Value(QStringLiteral("à écrire")));
    OneRow stored({Value(7), Value(QStringLiteral("écrit"))});
    rows.read(inserted, stored.statement(), 1);
    EXPECT_EQ(rowOf(rows, inserted), (std::vector<Value>{Value(7), Value(QStringLiteral("écrit"))}));
}

}  // namespace
