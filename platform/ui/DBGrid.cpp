#include "platform/ui/DBGrid.h"

#include "platform/db/DataSet.h"

namespace ui {

DBGrid::DBGrid(Form& form, const QString& name)
    : WinControl(form, name), m_watch([this] { notify(Property::Data); })
{
    setColor(colors::window);
}

void DBGrid::setColumns(const QStringList& fieldNames)
{
    m_columns = fieldNames;
    notify(Property::Data);
}

QStringList DBGrid::columns() const
{
    if (!m_columns.isEmpty())
        return m_columns;
    const db::DataSet* dataSet = activeDataSet();
    return dataSet ? dataSet->fieldNames() : QStringList();
}

int DBGrid::fieldIndex(int column) const
{
    db::DataSet* dataSet = activeDataSet();
    const QStringList names = columns();
    if (!dataSet || column < 0 || column >= names.size())
        return -1;
    const std::optional<db::Field> field = dataSet->findField(names[column]);
    return field ? field->index() : -1;
}

int DBGrid::rowCount() const
{
    const db::DataSet* dataSet = activeDataSet();
    return dataSet ? dataSet->recordCount() : 0;
}

int DBGrid::currentRow() const
{
    const db::DataSet* dataSet = activeDataSet();
    return dataSet ? dataSet->recNo() - 1 : -1;
}

QString DBGrid::cellText(int row, int column) const
{
    const int index = fieldIndex(column);
    return index < 0 || row < 0 || row >= rowCount() ? QString() : activeDataSet()->textAt(row, index);
}

db::Value DBGrid::cellValue(int row, int column) const
{
    const int index = fieldIndex(column);
    return index < 0 || row < 0 || row >= rowCount() ? db::Value() : activeDataSet()->valueAt(row, index);
}

void DBGrid::setSelectedColumn(int column)
{
    if (column == m_selectedColumn || column < 0 || column >= columns().size())
        return;
    m_selectedColumn = column;
    notify(Property::Data);
}

std::optional<db::Field> DBGrid::selectedField() const
{
    const int index = fieldIndex(m_selectedColumn);
    if (index < 0 || currentRow() < 0)
        return std::nullopt;
    return activeDataSet()->field(index);
}

void DBGrid::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    notify(Property::Data);
}

void DBGrid::userSelectCell(int row, int column)
{
    if (canFocus() && !focused())
        setFocus();
    setSelectedColumn(column);
    if (db::DataSet* dataSet = activeDataSet(); dataSet && row >= 0 && row < dataSet->recordCount())
        dataSet->setRecNo(row + 1);
}

void DBGrid::userClickTitle(int column)
{
    if (onTitleClick && column >= 0 && column < columns().size())
        onTitleClick(column);
}

void DBGrid::userEditCell(int row, int column, const QString& text)
{
    userSelectCell(row, column);
    std::optional<db::Field> field = selectedField();
    if (m_readOnly || !field || field->readOnly() || currentRow() != row)
        return;
    field->dataSet().edit();
    field->setAsString(text);
}

}  // namespace ui
