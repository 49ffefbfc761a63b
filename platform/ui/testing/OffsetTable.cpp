#include "platform/ui/testing/OffsetTable.h"

#include "platform/ui/HitTest.h"

#include <gtest/gtest.h>

namespace ui::testing {

QString controlNameAtOffset(const Form& form, QPoint offset)
{
    const Control* control = controlAt(form.application(), form.bounds().topLeft() + offset);
    return control ? control->name() : QString();
}

void expectOffsetsLand(const Form& form, const std::vector<OffsetCase>& cases)
{
    for (const OffsetCase& row : cases)
        EXPECT_EQ(controlNameAtOffset(form, row.offset).toStdString(), row.control)
            << "offset (" << row.offset.x() << ", " << row.offset.y() << ")";
}

}  // namespace ui::testing
