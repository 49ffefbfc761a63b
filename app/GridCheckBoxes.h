#pragma once
// Boolean fields of the books and other-media grids drawn as check boxes instead of
// "Vrai"/"Faux": the two 16 x 16 pictures of the data module TDmImages and the cell drawing.
#include "platform/ui/Picture.h"

#include <array>

namespace ui {
class DBGrid;
}

namespace app {

class TFrmPrin;

class TDmImages {
public:
    TDmImages();
    // Index 0 an empty box, index 1 a ticked box.
    std::array<ui::PicturePtr, 2> imgCheck;
};

// The picture of a Boolean cell: ticked when its value is true, empty otherwise (null included);
// nullptr for any other field, whose text is drawn.
ui::PicturePtr DBGrid1DrawColumnCell(const TDmImages& images, const ui::DBGrid& grid, int row, int column);

// Binds the cell drawing of DBGrid1 and DBGrid2, which must both be built.
void bindCheckBoxCells(TFrmPrin& frm, const TDmImages& images);

}  // namespace app
