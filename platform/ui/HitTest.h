#pragma once
// Which control lies under a screen point, as the library finds it for mouse input.
#include <QPoint>

namespace ui {

class Application;
class Control;
class WinControl;

// The topmost shown form containing the point (the active form first), then inside its client
// area the deepest control that is visible and enabled: windowed children above graphic ones,
// later siblings above earlier ones, every child clipped by its parents (so only the active tab
// sheet of a page control is found). A point on a form's frame, caption or menu bar, or outside
// every form, gives nullptr; a point on no child gives the form itself.
Control* controlAt(const Application& application, QPoint screenPos);

// The deepest control under a point of parent's client area (parent itself when none).
Control* childAt(WinControl& parent, QPoint clientPos);

}  // namespace ui
