#pragma once
// Containers: panels (the screens of the main window are panels) and group boxes.
#include "platform/ui/WinControl.h"

namespace ui {

class Panel : public WinControl {
public:
    Panel(Form& form, const QString& name);
};

// A framed container with its caption on the frame.
class GroupBox : public WinControl {
public:
    GroupBox(Form& form, const QString& name);
};

}  // namespace ui
