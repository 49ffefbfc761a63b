#pragma once
// The focus rectangle of a selection being dragged: a dotted outline over its siblings. Its view
// lets the mouse through; disabled, it lets the model's mouse through too, so that the drag goes
// on on the control beneath it.
#include "platform/ui/Control.h"

namespace ui {

class FocusFrame : public Control {
public:
    FocusFrame(Form& form, const QString& name);
};

}  // namespace ui
