#pragma once
// The artwork drawn at build time for the tool bar buttons and picture buttons, one picture a
// button, named after it.
#include <QString>

namespace ui {
class Form;
}  // namespace ui

namespace app {

// Native path of the artwork of the button of that name.
QString buttonArtworkPath(const QString& name);

// Every picture control of the window that has no picture yet shows the artwork drawn for it,
// if any.
void loadPictureButtons(ui::Form& window);

}  // namespace app
