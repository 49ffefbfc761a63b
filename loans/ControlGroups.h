#pragma once
// Controls of a screen shown, hidden or emptied together, whatever their kinds.
#include "platform/ui/Control.h"

#include <initializer_list>

namespace loans {

inline void setShown(std::initializer_list<ui::Control*> controls, bool shown)
{
    for (ui::Control* control : controls)
        control->setVisible(shown);
}

template <class Controls>
void setShown(const Controls& controls, bool shown)
{
    for (ui::Control* control : controls)
        control->setVisible(shown);
}

inline void clearTexts(std::initializer_list<ui::Control*> controls)
{
    for (ui::Control* control : controls)
        control->setText(QString());
}

}  // namespace loans
