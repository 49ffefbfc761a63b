#include "app/GridSorting.h"

#include "app/FrmPrin.h"
#include "platform/db/DataSet.h"
#include "platform/ui/DBGrid.h"

namespace app {

GridSorting::GridSorting(TFrmPrin& frm)
{
    const std::pair<const char*, db::DataSet*> grids[] = {{"DBGrid1", &frm.db.ADOTable1},
                                                          {"DBGrid2", &frm.db.ADOTable1},
                                                          {"DBGrid3", &frm.db.ADOTable3},
                                                          {"DBGrid4", &frm.db.ADOTable1}};
    for (const auto& [name, dataSet] : grids) {
        auto& grid = frm.get<ui::DBGrid>(QString::fromLatin1(name));
        grid.onTitleClick = [this, &grid, dataSet](int column) { sortOnTitle(grid, *dataSet, column); };
    }
}

void GridSorting::sortOnTitle(const ui::DBGrid& grid, db::DataSet& dataSet, int column)
{
    dataSet.open();
    m_direction = m_direction == QLatin1String(" DESC") ? QStringLiteral(" ASC") : QStringLiteral(" DESC");
    // The columns are read once the data set is open: a grid showing every field lists them then.
    const QString field = grid.columns().value(column);
    if (field.isEmpty())
        return;
    dataSet.setSort(field + m_direction);
    dataSet.setFiltered(true);
    dataSet.setActive(true);
}

}  // namespace app
