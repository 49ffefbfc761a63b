#pragma once
// Internal to the control model: delivers queued mouse input and menu commands to controls.
// The control under the pointer is found when the message is handled; the control that took a
// button press receives its release (mouse capture) and is clicked when the release falls
// inside it; the control under a moving pointer gets OnMouseEnter, the one it left
// OnMouseLeave.
#include "platform/ui/MessageQueue.h"

namespace ui {

class Application;
class Control;
class Form;

class InputRouter {
public:
    explicit InputRouter(Application& application) : m_application(application) {}

    void mouse(const MouseMessage& message);
    void menu(const MenuMessage& message);
    // The form is going away: forget its controls.
    void forget(const Form& form);

private:
    Control* target(QPoint screenPos) const;
    void hover(Control* control);
    void press(Control* control, const MouseMessage& message, MouseButton button, bool doubleClick);
    void release(const MouseMessage& message, MouseButton button);

    Application& m_application;
    Control* m_hovered = nullptr;
    Control* m_captured = nullptr;
    bool m_captureFromDoubleClick = false;
};

}  // namespace ui
