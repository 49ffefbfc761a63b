#pragma once
// The data-aware controls that are more than a text field: the grid and the record navigator.
//
// The grid shows the rows of its data set in a table; the model's current row and selected
// column are its current cell. A press in a cell, on a column title, a double click in a cell
// and the text typed into a cell's editor are the user's actions on the grid. Keys typed while
// the grid has the focus stay with the table, which moves between cells and opens a cell's
// editor as the library's grid does; Enter and Escape outside an editor go to the model (the
// default button). The rows are read again once per turn of the event loop,
// however often the data set moves meanwhile.
#include "platform/ui/qt/ControlView.h"

#include <memory>

class QTableView;

namespace ui {
class DBGrid;
class DBNavigator;
}  // namespace ui

namespace uiqt {

class GridAdapter;

class DBGridView : public ControlView {
public:
    DBGridView(Renderer& renderer, ui::DBGrid& grid);
    ~DBGridView() override;

    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;
    void userPressed(QWidget* receiver, QPoint pos) override;
    // The first press chose the cell; the second runs only the model's OnDblClick, never a
    // second title click.
    void userDoublePressed(QWidget*, QPoint) override {}
    bool keyToWidget(const QWidget* receiver, const QKeyEvent* event) const override;

    QTableView* table() const;
    // Reads the rows again now rather than at the next turn of the event loop.
    void refresh();

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::Base; }
    void scheduleRefresh();
    // Each column at least as wide as its title.
    void fitColumnsToTitles();

    std::unique_ptr<GridAdapter> m_adapter;
    bool m_refreshPending = false;
};

class DBNavigatorView : public ControlView {
public:
    DBNavigatorView(Renderer& renderer, ui::DBNavigator& navigator);

    void apply(ui::Property property) override;
    void userPressed(QWidget* receiver, QPoint pos) override;
    void userReleased() override;
};

}  // namespace uiqt
