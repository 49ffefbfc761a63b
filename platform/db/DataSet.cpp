#include "platform/db/DataSet.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Coercion.h"
#include "platform/db/Connection.h"
#include "platform/db/Error.h"
#include "platform/db/Prepared.h"
#include "platform/db/SqlCompiler.h"
#include "platform/db/SqlParser.h"
#include "platform/db/TextForm.h"

#include <algorithm>
#include <sqlite3.h>

namespace db {

DataSet::DataSet(Connection& connection) : connection_(&connection) { connection.attach(this); }

DataSet::~DataSet()
{
    const std::vector<DataLink*> links = links_;
    for (DataLink* link : links)
        link->dataSetDestroyed(*this);
    if (connection_)
        connection_->detach(this);
}

// ---- life cycle ----------------------------------------------------------------------------

void DataSet::open()
{
    if (active())
        return;
    readRows(0);
    setState(DataSetState::Browse);
    notifyDataSetChanged();
}

void DataSet::close()
{
    if (active())
        closeCursor();
}

void DataSet::setActive(bool active)
{
    if (active)
        open();
    else
        close();
}

void DataSet::refresh()
{
    requireActive();
    checkBrowseMode();
    readRows(currentKey());
    notifyDataSetChanged();
}

void DataSet::closeCursor()
{
    view_.clear();
    keys_.clear();
    rows_.reset(0);
    buffer_.clear();
    changed_.clear();
    modified_ = false;
    current_ = -1;
    bof_ = eof_ = true;
    filterSql_.reset();
    setState(DataSetState::Inactive);
    notifyDataSetChanged();
}

// Runs the data set's statement with its filter and sort, and takes every row at once so that
// no statement stays open. The current row becomes the one with keepKey, else the first.
void DataSet::readRows(qint64 keepKey)
{
    const SelectStatement select = selectStatement();
    const TableSchema& table = connection_->table(select.table);
    std::optional<Condition> filter;
    if (filtered_) {
        filter = parseFilter(filter_);
        filterParams_.bind(filter);
    }
    std::vector<OrderTerm> order = parseSort(sort_);
    if (order.empty())
        order = select.order;
    TableSchema fields = selectedFields(table, select);
    const NativeSql sql = compileSelect(table, fields, select.where, filter, order);

    RowStore rows;
    rows.reset(fields.columnCount());
    std::vector<qint64> keys;
    std::vector<int> view;
    {
        Prepared statement(*connection_, sql.text, sql.binds);
        while (statement.step()) {
            const int slot = rows.addSlot(statement.statement(), 1);
            keys.push_back(sqlite3_column_int64(statement.statement(), 0));
            view.push_back(slot);
        }
    }

    table_.emplace(std::move(fields));
    updateColumns_.clear();
    rows_ = std::move(rows);
    keys_ = std::move(keys);
    view_ = std::move(view);
    filterSql_.reset();
    if (filter) {
        filterSql_ = compileCondition(*filter, table, PatternStyle::Filter);
        filterSql_->text = QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ? AND %2")
                               .arg(quotedIdentifier(table.name()), filterSql_->text);
    }
    current_ = view_.empty() ? -1 : 0;
    if (keepKey != 0) {
        for (size_t i = 0; i < view_.size(); ++i) {
            if (keys_[size_t(view_[i])] == keepKey) {
                current_ = int(i);
                break;
            }
        }
    }
    bof_ = current_ <= 0;
    eof_ = view_.empty();
}

// ---- navigation ----------------------------------------------------------------------------

void DataSet::first()
{
    requireActive();
    checkBrowseMode();
    current_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    notifyCurrentRowChanged();
}

void DataSet::last()
{
    requireActive();
    checkBrowseMode();
    current_ = int(view_.size()) - 1;
    eof_ = true;
    bof_ = view_.empty();
    notifyCurrentRowChanged();
}

void DataSet::next() { moveBy(1); }

void DataSet::prior() { moveBy(-1); }

// As Delphi: a step towards an end already reached changes nothing; otherwise both flags clear
// and the end the steps ran into is flagged.
int DataSet::moveBy(int distance)
{
    requireActive();
    checkBrowseMode();
    if ((distance > 0 && eof_) || (distance < 0 && bof_) || distance == 0)
        return 0;
    bof_ = eof_ = false;
    const int target = std::clamp(current_ + distance, 0, int(view_.size()) - 1);
    const int moved = target - current_;
    if (moved != distance)
        (distance > 0 ? eof_ : bof_) = true;
    if (moved == 0)
        return 0;
    current_ = target;
    notifyCurrentRowChanged();
    return moved < 0 ? -moved : moved;
}

void DataSet::setRecNo(int recNo)
{
    requireActive();
    checkBrowseMode();
    if (recNo < 1 || recNo > int(view_.size()) || recNo == current_ + 1)
        return;
    current_ = recNo - 1;
    bof_ = eof_ = false;
    notifyCurrentRowChanged();
}

qint64 DataSet::currentKey() const
{
    if (current_ < 0 || current_ >= int(view_.size()))
        return 0;
    return keys_[size_t(view_[size_t(current_)])];
}

bool DataSet::goToKey(qint64 key)
{
    requireActive();
    checkBrowseMode();
    for (size_t i = 0; i < view_.size(); ++i) {
        if (keys_[size_t(view_[i])] == key) {
            current_ = int(i);
            bof_ = eof_ = false;
            notifyCurrentRowChanged();
            return true;
        }
    }
    return false;
}

// ---- fields --------------------------------------------------------------------------------

const TableSchema& DataSet::table() const
{
    requireActive();
    return *table_;
}

int DataSet::fieldCount() const { return active() ? table_->columnCount() : 0; }

Field DataSet::field(int index)
{
    if (index < 0 || index >= fieldCount())
        throw Error(Error::Kind::UnknownName, errorTexts().noFieldNumber.arg(index));
    return Field(*this, index);
}

Field DataSet::fieldByName(const QString& name) { return Field(*this, table().require(name)); }

std::optional<Field> DataSet::findField(const QString& name)
{
    const int index = table().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return Field(*this, index);
}

QStringList DataSet::fieldNames() const
{
    QStringList names;
    if (active()) {
        for (const Column& column : table_->columns())
            names << column.name;
    }
    return names;
}

Value DataSet::valueAt(int row, int column) const
{
    if (!active() || row < 0 || row >= int(view_.size()) || column < 0 || column >= table_->columnCount())
        return Value();
    if (row == current_ && changed_.size() > size_t(column) && changed_[size_t(column)])
        return buffer_[size_t(column)];
    return rows_.value(view_[size_t(row)], column);
}

QString DataSet::textAt(int row, int column) const
{
    if (!active() || column < 0 || column >= table_->columnCount())
        return {};
    return textform::format(valueAt(row, column), table_->column(column).type);
}

Value DataSet::fieldValue(int column) const { return valueAt(current_, column); }

void DataSet::setFieldValue(int column, const Value& value)
{
    requireEditing();
    const Column& c = table_->column(column);
    if (c.readOnly())
        throw Error(Error::Kind::State, errorTexts().fieldNotModifiable.arg(c.name));
    buffer_[size_t(column)] = coerce(value, c);
    changed_[size_t(column)] = true;
    modified_ = true;
    notifyFieldChanged(column);
}

// ---- editing -------------------------------------------------------------------------------

void DataSet::requireActive() const
{
    if (!active())
        throw Error(Error::Kind::State, errorTexts().closedDataSet);
}

void DataSet::requireEditing() const
{
    if (!editing())
        throw Error(Error::Kind::State, errorTexts().notEditing);
}

void DataSet::requireRow() const
{
    requireActive();
    if (view_.empty())
        throw Error(Error::Kind::State, errorTexts().emptyDataSet);
}

// Before the current row is left: a changed row is posted, an untouched one given up.
void DataSet::checkBrowseMode()
{
    if (!editing())
        return;
    notifyUpdateRecord();
    if (modified_)
        post();
    else
        cancel();
}

// The edit buffer holds the fields assigned since; the others read from the row.
void DataSet::startEditing(DataSetState state)
{
    const size_t columns = size_t(table_->columnCount());
    buffer_.assign(columns, Value());
    changed_.assign(columns, false);
    modified_ = false;
    setState(state);
}

void DataSet::edit()
{
    if (editing())
        return;
    requireRow();
    startEditing(DataSetState::Edit);
}

void DataSet::insert() { insertAt(false); }

void DataSet::append() { insertAt(true); }

void DataSet::insertAt(bool atEnd)
{
    requireActive();
    checkBrowseMode();
    beforeInsert_ = current_;
    const int slot = rows_.addSlot();
    keys_.push_back(0);
    const int position = atEnd ? int(view_.size()) : std::max(current_, 0);
    view_.insert(view_.begin() + position, slot);
    current_ = position;
    bof_ = eof_ = false;
    startEditing(DataSetState::Insert);
    notifyDataSetChanged();
}

void DataSet::post()
{
    if (!editing())
        return;
    notifyUpdateRecord();
    const TableSchema& t = *table_;
    const int slot = view_[size_t(current_)];
    std::vector<Value> binds;
    for (int column = 0; column < t.columnCount(); ++column) {
        if (changed_[size_t(column)])
            binds.push_back(buffer_[size_t(column)]);
    }

    if (state_ == DataSetState::Edit) {
        if (!binds.empty()) {
            const qint64 key = keys_[size_t(slot)];
            binds.push_back(Value(key));
            if (changed_ != updateColumns_) {
                updateColumns_ = changed_;
                updateSql_ = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                 .arg(quotedIdentifier(t.name()), changedNames(QStringLiteral(" = ?")));
            }
            const int changed = connection_->run(updateSql_, binds);
            connection_->noteWrite();
            if (changed == 0) {
                throw Error(Error::Kind::RowGone,
                            errorTexts().rowGone);
            }
            for (int column = 0; column < t.columnCount(); ++column) {
                if (changed_[size_t(column)])
                    rows_.setValue(slot, column, buffer_[size_t(column)]);
            }
            endEditing();
            if (!matchesFilter(key))
                dropCurrentFromView();
        } else {
            endEditing();
        }
        notifyDataSetChanged();
        return;
    }

    const QString table = quotedIdentifier(t.name());
    const QString insert = binds.empty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
              .arg(table, changedNames(QString()),
                   QStringLiteral("?, ").repeated(qsizetype(binds.size()) - 1) + u'?');
    connection_->run(insert, binds);
    connection_->noteWrite();
    const qint64 key = connection_->lastInsertKey();
    keys_[size_t(slot)] = key;
    {
        // The row as stored, with the defaults of the columns left out and its AutoNumber.
        Prepared stored(*connection_, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(nativeSelectList(t), table),
                        {Value(key)});
        if (stored.step())
            rows_.read(slot, stored.statement(), 1);
    }
    endEditing();
    notifyDataSetChanged();
}

// The changed columns as native SQL names, each followed by the suffix: "a" = ?, "b" = ?
QString DataSet::changedNames(const QString& suffix) const
{
    QStringList names;
    for (size_t column = 0; column < changed_.size(); ++column) {
        if (changed_[column])
            names << quotedIdentifier(table_->column(int(column)).name) + suffix;
    }
    return names.join(QStringLiteral(", "));
}

void DataSet::endEditing()
{
    changed_.assign(changed_.size(), false);
    modified_ = false;
    setState(DataSetState::Browse);
}

void DataSet::cancel()
{
    if (state_ == DataSetState::Edit) {
        endEditing();
        notifyCurrentRowChanged();
    } else if (state_ == DataSetState::Insert) {
        view_.erase(view_.begin() + current_);
        current_ = std::min(beforeInsert_, int(view_.size()) - 1);
        if (view_.empty())
            bof_ = eof_ = true;
        endEditing();
        notifyDataSetChanged();
    }
}

void DataSet::remove()
{
    if (state_ == DataSetState::Insert) {
        cancel();
        return;
    }
    if (state_ == DataSetState::Edit)
        cancel();
    requireRow();
    connection_->run(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quotedIdentifier(table_->name())),
                     {Value(currentKey())});
    connection_->noteWrite();
    dropCurrentFromView();
    notifyDataSetChanged();
}

bool DataSet::matchesFilter(qint64 key)
{
    if (!filterSql_)
        return true;
    std::vector<Value> binds{Value(key)};
    binds.insert(binds.end(), filterSql_->binds.begin(), filterSql_->binds.end());
    Prepared match(*connection_, filterSql_->text, binds);
    return match.step();
}

// The row after the current one takes its place; after the last row, the new last row.
void DataSet::dropCurrentFromView()
{
    view_.erase(view_.begin() + current_);
    if (view_.empty()) {
        current_ = -1;
        bof_ = eof_ = true;
    } else if (current_ >= int(view_.size())) {
        current_ = int(view_.size()) - 1;
        eof_ = true;
    }
}

// ---- filter and sort -----------------------------------------------------------------------

// Changes a setting of the view and reads the rows again; a setting the rows cannot be read
// with is refused, and the view stays as it was.
template <typename Setting>
void DataSet::reapply(Setting& setting, const Setting& value, bool keepRow)
{
    if (!active()) {
        setting = value;
        return;
    }
    checkBrowseMode();
    const Setting previous = setting;
    setting = value;
    try {
        readRows(keepRow ? currentKey() : 0);
    } catch (...) {
        setting = previous;
        throw;
    }
    notifyDataSetChanged();
}

void DataSet::setFilter(const QString& criteria, const Params& params)
{
    if (!filtered_) {
        filter_ = criteria;
        filterParams_ = params;
        return;
    }
    const Params previous = filterParams_;
    filterParams_ = params;
    try {
        reapply(filter_, criteria, false);
    } catch (...) {
        filterParams_ = previous;
        throw;
    }
}

void DataSet::setFiltered(bool filtered)
{
    if (filtered != filtered_)
        reapply(filtered_, filtered, false);
}

void DataSet::setSort(const QString& sort) { reapply(sort_, sort, true); }

// ---- notification --------------------------------------------------------------------------

void DataSet::addLink(DataLink* link)
{
    if (std::find(links_.begin(), links_.end(), link) == links_.end())
        links_.push_back(link);
}

void DataSet::removeLink(DataLink* link) { links_.erase(std::remove(links_.begin(), links_.end(), link), links_.end()); }

template <typename Call>
void DataSet::notify(Call call)
{
    const std::vector<DataLink*> links = links_;
    for (DataLink* link : links) {
        if (std::find(links_.begin(), links_.end(), link) != links_.end())
            call(*link);
    }
}

void DataSet::setState(DataSetState state)
{
    if (state_ == state)
        return;
    state_ = state;
    notify([](DataLink& link) { link.stateChanged(); });
}

void DataSet::notifyDataSetChanged()
{
    notify([](DataLink& link) { link.dataSetChanged(); });
}

void DataSet::notifyCurrentRowChanged()
{
    notify([](DataLink& link) { link.currentRowChanged(); });
}

void DataSet::notifyFieldChanged(int column)
{
    const Field changed(*this, column);
    notify([&](DataLink& link) { link.fieldChanged(changed); });
}

void DataSet::notifyUpdateRecord()
{
    notify([](DataLink& link) { link.updateRecord(); });
}

}  // namespace db
