#include "platform/ui/FocusFrame.h"

namespace ui {

FocusFrame::FocusFrame(Form& form, const QString& name) : Control(form, name) {}

}  // namespace ui
