#include "platform/ui/CheckBox.h"

namespace ui {

CheckBox::CheckBox(Form& form, const QString& name) : WinControl(form, name) {}

void CheckBox::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    notify(Property::Checked);
    click();
}

void CheckBox::keyPress(QChar ch)
{
    if (ch == u' ')
        userClick();
}

RadioButton::RadioButton(Form& form, const QString& name) : WinControl(form, name) {}

void RadioButton::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    notify(Property::Checked);
    if (!checked)
        return;
    if (parent())
        for (Control* sibling : parent()->controls())
            if (auto* radio = dynamic_cast<RadioButton*>(sibling); radio && radio != this)
                radio->setChecked(false);
    click();
}

}  // namespace ui
