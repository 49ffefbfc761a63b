#include "platform/ui/Label.h"

namespace ui {

Label::Label(Form& form, const QString& name) : Control(form, name) { setParentColorFlag(true); }

}  // namespace ui
