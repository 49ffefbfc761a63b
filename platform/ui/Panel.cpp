#include "platform/ui/Panel.h"

namespace ui {

Panel::Panel(Form& form, const QString& name) : WinControl(form, name) {}

GroupBox::GroupBox(Form& form, const QString& name) : WinControl(form, name) {}

}  // namespace ui
