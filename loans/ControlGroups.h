#pragma once
// Controls shown, hidden or emptied together, whatever their kinds. A null control is one of a
// screen the program lacks, and is passed by.
#include "platform/ui/Control.h"

#include <initializer_list>

namespace loans {

template <class Controls>
void setShown(const Controls& controls, bool shown)
{
    for (ui::Control* control : controls)
        if (control)
            control->setVisible(shown);
}

inline void setShown(std::initializer_list<ui::Control*> controls, bool shown)
{
    setShown<std::initializer_list<ui::Control*>>(controls, shown);
}

inline void clearTexts(std::initializer_list<ui::Control*> controls)
{
    for (ui::Control* control : controls)
        control->setText(QString());
}

}  // namespace loans
