#pragma once
// The check that the offsets the program clicks at, from the main window's outer top-left
// corner, land on the controls they name. Each screen's tests extend it with their own rows,
// with the screen shown as it is when the program clicks.
#include "platform/ui/Form.h"

#include <QPoint>
#include <vector>

namespace ui::testing {

struct OffsetCase {
    QPoint offset;
    const char* control;
};

// The name of the control that a click at the offset would reach ("" for none).
QString controlNameAtOffset(const Form& form, QPoint offset);

// A test failure for every row whose offset lands elsewhere.
void expectOffsetsLand(const Form& form, const std::vector<OffsetCase>& cases);

}  // namespace ui::testing
