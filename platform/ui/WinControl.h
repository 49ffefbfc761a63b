#pragma once
// A windowed control: it can hold child controls, take the keyboard focus and receive keys.
//
// Key order, per key the user or the program types (see Form::dispatchKey): OnKeyDown, then
// Enter goes to the active button (the focused button, else the form's default button while it
// can take the focus) and stops there, then OnKeyPress with the text still unchanged, then the
// control's own reaction (an edit inserts the character), then OnChange.
#include "platform/ui/Control.h"

#include <vector>

namespace ui {

// The balloon tooltip shown while the pointer rests on a control.
struct BalloonHint {
    int icon = 1;  // 0 none, 1 information, 2 warning, 3 error
    QString title;
    QString text;
    Color backColor = colors::cream;
    Color textColor = colors::black;
};

// key may be set to 0 by the handler to swallow the key.
using KeyEvent = std::function<void(quint16& key, ShiftState shift)>;
// key may be set to a null character by the handler to swallow the character.
using KeyPressEvent = std::function<void(QChar& key)>;

class WinControl : public Control {
public:
    bool isWindowed() const override { return true; }

    // Children from bottom to top of the z-order.
    const std::vector<Control*>& controls() const { return m_controls; }

    // Visible and enabled, and so are its parents up to (not including) the form.
    bool canFocus() const;
    bool focused() const;
    // Raises InvalidOperation(kCannotFocus) when the control cannot take the focus or its form
    // is not shown. OnExit of the control losing the focus, then OnEnter of this one, run before
    // it returns.
    void setFocus();

    const std::optional<BalloonHint>& balloonHint() const { return m_balloonHint; }
    void setBalloonHint(const BalloonHint& hint);

    KeyEvent onKeyDown;
    KeyEvent onKeyUp;
    KeyPressEvent onKeyPress;
    NotifyEvent onEnter;
    NotifyEvent onExit;

protected:
    WinControl(Form& form, const QString& name);
    WinControl(Application& application, Form& self, const QString& name);

    // Enter reaches the control instead of pressing a button (a memo's new line).
    virtual bool wantsReturn() const { return false; }
    // Buttons take part in the Enter rule (focused button, default button).
    virtual bool isButton() const { return false; }
    // A click on it moves the focus to it.
    virtual bool takesFocusOnClick() const { return false; }
    // The control's own reaction to a key after OnKeyDown (caret keys of an edit).
    virtual void keyDown(quint16 vk, ShiftState shift) {}
    // The control's own reaction to a character after OnKeyPress (insertion).
    virtual void keyPress(QChar ch) {}
    // A child was added, removed, shown or hidden (tool bars lay their buttons out again).
    virtual void childrenChanged() {}
    // The control lost the focus, before OnExit runs (data-aware fields write their text).
    virtual void focusLeft() {}

private:
    friend class Control;
    friend class Form;
    friend class InputRouter;

    std::vector<Control*> m_controls;
    std::optional<BalloonHint> m_balloonHint;
};

}  // namespace ui
