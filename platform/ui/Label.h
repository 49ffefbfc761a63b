#pragma once
// A caption drawn on its parent, in its parent's colour unless given its own.
#include "platform/ui/Control.h"

namespace ui {

class Label : public Control {
public:
    Label(Form& form, const QString& name);
};

}  // namespace ui
