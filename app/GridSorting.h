#pragma once
// A click on a column title of the books, other-media, borrowers or labels grid sorts its table
// on that column. The four grids share one direction, which each click flips: the first click
// after start sorts descending, and a click on any grid flips it for all of them.
#include <QString>

namespace db {
class DataSet;
}
namespace ui {
class DBGrid;
}

namespace app {

class TFrmPrin;

class GridSorting {
public:
    // Binds the title clicks of DBGrid1, DBGrid2 and DBGrid4 (ADOTable1) and DBGrid3
    // (ADOTable3), which must all be built.
    explicit GridSorting(TFrmPrin& frm);

    // " ASC" or " DESC": the direction of the last sort.
    const QString& direction() const { return m_direction; }
    // Flips the direction and sorts the data set on the column's field; its filter stays.
    void sortOnTitle(const ui::DBGrid& grid, db::DataSet& dataSet, int column);

private:
    QString m_direction = QStringLiteral(" ASC");
};

}  // namespace app
