#pragma once
// What queries and tables have in common: rows read completely when opened (a snapshot whose
// membership and order stay fixed until refreshed or reopened), a current row with the
// Delphi navigation flags, fields by name, editing of the current row, and an ADO filter and
// sort applied by the database.
#include "platform/db/DataLink.h"
#include "platform/db/Field.h"
#include "platform/db/Params.h"
#include "platform/db/RowStore.h"
#include "platform/db/Schema.h"
#include "platform/db/SqlAst.h"
#include "platform/db/SqlCompiler.h"
#include "platform/db/Value.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace db {

class Connection;

enum class DataSetState { Inactive, Browse, Edit, Insert };

class DataSet {
public:
    virtual ~DataSet();
    DataSet(const DataSet&) = delete;
    DataSet& operator=(const DataSet&) = delete;

    Connection& connection() const { return *connection_; }

    // Opening an open data set changes nothing; otherwise it stands on the first row.
    void open();
    // Discards an unposted edit.
    void close();
    bool active() const { return state_ != DataSetState::Inactive; }
    void setActive(bool active);
    // Reads the rows again; stays on the same row when it is still there, else the first.
    void refresh();

    // First sets bof, Last sets eof; a step past either end does not move and sets the
    // flag; an empty data set has both.
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);  // that many single steps; returns the rows actually moved
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    bool isEmpty() const { return view_.empty(); }
    int recordCount() const { return int(view_.size()); }
    int recNo() const { return current_ + 1; }  // 1-based; 0 with no current row
    void setRecNo(int recNo);
    // The key (rowid) of the current row, 0 with none; goToKey returns false when the
    // row is not in the data set.
    qint64 currentKey() const;
    bool goToKey(qint64 key);

    int fieldCount() const;
    Field field(int index);
    // Names match in any case; an unknown name is an Error of kind UnknownName.
    Field fieldByName(const QString& name);
    std::optional<Field> findField(const QString& name);
    QStringList fieldNames() const;

    // Any row of the data set, 0-based, read without moving (grids); the current row
    // reads with its unposted edits.
    Value valueAt(int row, int column) const;
    QString textAt(int row, int column) const;

    // Edit on an empty data set is an error; it never adds a row.
    void edit();
    // Insert puts a new row before the current one, append at the end; the row reaches
    // the database at post.
    void insert();
    void append();
    // Writes the changed fields of the row. An edited row that no longer matches the
    // filter leaves the data set; the row after it becomes current.
    void post();
    void cancel();
    // Deletes the current row; the row after it becomes current (the new last one when
    // it was the last).
    void remove();
    DataSetState state() const { return state_; }
    bool editing() const { return state_ == DataSetState::Edit || state_ == DataSetState::Insert; }
    bool modified() const { return modified_; }

    // ADO criteria ("Type='LIVRE' and Numemprunteur<>?") with the values of their parameters,
    // applied while filtered is on. While open, setting the filter (filtered on) or switching
    // filtering on or off posts a pending edit and moves to the first row of the new view; text
    // that cannot be read is refused with an Error and leaves the view as it was. Both survive
    // close and open.
    void setFilter(const QString& criteria, const Params& params = {});
    const QString& filter() const { return filter_; }
    const Params& filterParams() const { return filterParams_; }
    void setFiltered(bool filtered);
    bool filtered() const { return filtered_; }
    // "Titre DESC, NumLivre"; empty = the data set's own order. Keeps the current row.
    void setSort(const QString& sort);
    const QString& sort() const { return sort_; }

    void addLink(DataLink* link);
    void removeLink(DataLink* link);

protected:
    explicit DataSet(Connection& connection);
    // The statement the rows come from.
    virtual SelectStatement selectStatement() const = 0;

private:
    friend class Field;
    friend class Connection;

    const TableSchema& table() const;
    Value fieldValue(int column) const;
    void setFieldValue(int column, const Value& value);
    void requireActive() const;
    void requireEditing() const;
    void requireRow() const;
    void checkBrowseMode();
    void readRows(qint64 keepKey);
    template <typename Setting>
    void reapply(Setting& setting, const Setting& value, bool keepRow);
    void startEditing(DataSetState state);
    void insertAt(bool atEnd);
    void endEditing();
    QString changedNames(const QString& suffix) const;
    bool matchesFilter(qint64 key);
    void dropCurrentFromView();
    void closeCursor();
    void setState(DataSetState state);

    template <typename Call>
    void notify(Call call);
    void notifyDataSetChanged();
    void notifyCurrentRowChanged();
    void notifyFieldChanged(int column);
    void notifyUpdateRecord();

    Connection* connection_;
    std::optional<TableSchema> table_;
    DataSetState state_ = DataSetState::Inactive;
    RowStore rows_;
    std::vector<qint64> keys_;  // by slot of rows_
    std::vector<int> view_;     // slots in the data set's order
    int current_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    std::vector<Value> buffer_;  // fields of the current row assigned while edited or inserted
    std::vector<bool> changed_;
    bool modified_ = false;
    int beforeInsert_ = -1;
    QString filter_;
    Params filterParams_;
    bool filtered_ = false;
    QString sort_;
    std::optional<NativeSql> filterSql_;  // does one row still match the filter
    std::vector<bool> updateColumns_;     // the columns updateSql_ sets, kept for the next post
    QString updateSql_;
    std::vector<DataLink*> links_;
};

}  // namespace db
