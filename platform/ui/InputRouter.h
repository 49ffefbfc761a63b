#pragma once
// Internal to the control model: delivers queued mouse input and menu commands to controls.
// The control under the pointer is found when the message is handled; the control that took a
// button press receives its release (mouse capture) and is clicked when the release falls
// inside it; the second press of a double click runs OnDblClick; the control under a moving
// pointer gets OnMouseEnter, the one it left OnMouseLeave.
#include "platform/ui/MessageQueue.h"

#include <optional>

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
    // The control follows the pointer, from where the message being handled put it, until the
    // button is released.
    void beginMoveDrag(Control& control);

private:
    Control* target(QPoint screenPos) const;
    void hover(Control* control);
    void press(Control* control, const MouseMessage& message, MouseButton button, bool doubleClick);
    void release(const MouseMessage& message, MouseButton button);

    Application& m_application;
    struct MoveDrag {
        Control* control;
        QPoint pointerStart;
        QPoint controlStart;
    };
    std::optional<MoveDrag> m_drag;
    QPoint m_pointer;  // of the mouse message being handled
    Control* m_hovered = nullptr;
    Control* m_captured = nullptr;
    // Whether releasing the captured control's press clicks it (not after the second press of
    // a double click, except on buttons and check boxes).
    bool m_clickOnRelease = false;
};

}  // namespace ui
