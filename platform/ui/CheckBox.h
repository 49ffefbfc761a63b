#pragma once
// Check boxes and radio buttons. Changing the checked state (from code or by a click) runs
// OnClick, as in the library; a radio button that becomes checked unchecks its siblings.
#include "platform/ui/WinControl.h"

namespace ui {

class CheckBox : public WinControl {
public:
    CheckBox(Form& form, const QString& name);

    bool checked() const { return m_checked; }
    // OnClick runs when the state changes; an exception leaving it reaches the caller.
    void setChecked(bool checked);

protected:
    bool takesFocusOnClick() const override { return true; }
    bool clicksOnDoublePress() const override { return true; }
    void userClick() override { setChecked(!m_checked); }
    // Space toggles the focused box.
    void keyPress(QChar ch) override;

private:
    bool m_checked = false;
};

class RadioButton : public WinControl {
public:
    RadioButton(Form& form, const QString& name);

    bool checked() const { return m_checked; }
    void setChecked(bool checked);

protected:
    bool takesFocusOnClick() const override { return true; }
    void userClick() override { setChecked(true); }

private:
    bool m_checked = false;
};

}  // namespace ui
