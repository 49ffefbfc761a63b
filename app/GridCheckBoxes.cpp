#include "app/GridCheckBoxes.h"

#include "app/FrmPrin.h"
#include "platform/db/DataSet.h"
#include "platform/db/DataSource.h"
#include "platform/ui/DBGrid.h"

namespace app {

namespace {

constexpr int kSide = 16;
constexpr quint32 kFrame = 0xFF808080;
constexpr quint32 kInside = 0xFFFFFFFF;
constexpr quint32 kTick = 0xFF000000;
constexpr quint32 kClear = 0x00000000;

// A 13 x 13 box at the top left of the 16 x 16 picture, ticked or not.
ui::PicturePtr checkPicture(bool ticked)
{
    std::vector<quint32> pixels(size_t(kSide * kSide), kClear);
    auto set = [&pixels](int x, int y, quint32 colour) { pixels[size_t(y * kSide + x)] = colour; };
    constexpr int box = 13;
    for (int y = 0; y < box; ++y)
        for (int x = 0; x < box; ++x)
            set(x, y, x == 0 || y == 0 || x == box - 1 || y == box - 1 ? kFrame : kInside);
    if (ticked) {
        // A tick three pixels thick: down from (3, 5) to (5, 7), then up to (9, 3).
        for (int i = 0; i < 3; ++i) {
            for (int x = 3; x <= 5; ++x)
                set(x, x + 2 + i, kTick);
            for (int x = 6; x <= 9; ++x)
                set(x, 12 - x + i, kTick);
        }
    }
    return std::make_shared<ui::Picture>(kSide, kSide, std::move(pixels));
}

}  // namespace

TDmImages::TDmImages() : imgCheck{checkPicture(false), checkPicture(true)} {}

ui::PicturePtr DBGrid1DrawColumnCell(const TDmImages& images, const ui::DBGrid& grid, int row, int column)
{
    db::DataSource* source = grid.dataSource();
    db::DataSet* dataSet = source ? source->dataSet() : nullptr;
    const QStringList columns = grid.columns();
    if (!dataSet || column < 0 || column >= columns.size())
        return nullptr;
    const std::optional<db::Field> field = dataSet->findField(columns[column]);
    if (!field || field->type() != db::FieldType::Boolean)
        return nullptr;
    const db::Value value = grid.cellValue(row, column);
    const bool ticked = value.isNumber() && value.integer() != 0;
    return images.imgCheck[ticked ? 1 : 0];
}

void bindCheckBoxCells(TFrmPrin& frm, const TDmImages& images)
{
    for (const char* name : {"DBGrid1", "DBGrid2"}) {
        auto& grid = frm.get<ui::DBGrid>(QString::fromLatin1(name));
        grid.onDrawColumnCell = [&images, &grid](int row, int column) {
            return DBGrid1DrawColumnCell(images, grid, row, column);
        };
    }
}

}  // namespace app
