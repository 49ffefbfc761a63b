#pragma once
// A grid over a data source: one row per row of the data set, one column per field shown; the
// data set's current row is the grid's current row. The grid reads the rows without moving
// the data set; the user's choice of a cell moves it.
#include "platform/ui/DataWatch.h"
#include "platform/ui/Picture.h"
#include "platform/ui/WinControl.h"

#include "platform/db/Value.h"

#include <QStringList>
#include <optional>

namespace ui {

class DBGrid : public WinControl {
public:
    DBGrid(Form& form, const QString& name);

    // The data source must outlive the grid or be unset first.
    db::DataSource* dataSource() const { return m_watch.source(); }
    void setDataSource(db::DataSource* source) { m_watch.setSource(source); }
    // Field names in the order shown; empty shows every field of the data set.
    void setColumns(const QStringList& fieldNames);
    QStringList columns() const;

    // 0 while the data set is closed.
    int rowCount() const;
    // 0-based; -1 without a current row.
    int currentRow() const;
    QString cellText(int row, int column) const;
    db::Value cellValue(int row, int column) const;

    int selectedColumn() const { return m_selectedColumn; }
    void setSelectedColumn(int column);
    // The field of the selected column in the current row.
    std::optional<db::Field> selectedField() const;

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // The user's actions, called from the message loop (the renderer and the test driver post
    // them as input).
    // A press in a cell: that row becomes current, that column selected, the grid focused. The
    // press itself comes as mouse input (a double click's second press runs OnDblClick on the
    // cell the first one chose).
    void userSelectCell(int row, int column);
    // A click on a column title: OnTitleClick.
    void userClickTitle(int column);
    // Text typed into a cell: the row goes into edit mode and the field takes the text
    // (nothing happens when the grid or the field is read-only).
    void userEditCell(int row, int column, const QString& text);

    std::function<void(int column)> onTitleClick;
    // Drawing a cell: the picture drawn at the top of the cell, centred across it, over the
    // cell's background instead of its text; nullptr draws the text.
    std::function<PicturePtr(int row, int column)> onDrawColumnCell;

protected:
    bool takesFocusOnClick() const override { return true; }

private:
    db::DataSet* activeDataSet() const { return m_watch.activeDataSet(); }
    int fieldIndex(int column) const;

    DataWatch m_watch;
    QStringList m_columns;
    int m_selectedColumn = 0;
    bool m_readOnly = false;
};

}  // namespace ui
