#include "platform/ui/DBControls.h"

namespace ui {

template <class Base>
DataEditField<Base>::DataEditField(Form& form, const QString& name)
    : Base(form, name),
      m_link([this](const db::Field* field) { this->setText(field ? field->asString() : QString()); },
             [this](db::Field& field) { field.setAsString(this->text()); })
{
}

template <class Base>
void DataEditField<Base>::keyDown(quint16 vk, ShiftState shift)
{
    if (vk == vk::Delete && !m_link.edit())
        return;
    Base::keyDown(vk, shift);
}

template <class Base>
void DataEditField<Base>::keyPress(QChar ch)
{
    if (ch.unicode() == 0x1B) {
        m_link.reset();
        this->selectAll();
        return;
    }
    const bool edits = ch == u'\b' || ch.unicode() >= u' ' || (ch == u'\r' && this->wantsReturn());
    if (edits && !m_link.edit())
        return;
    Base::keyPress(ch);
}

template <class Base>
void DataEditField<Base>::showStandIn(const QString& text)
{
    if (m_link.modified())
        return;
    this->setText(text);
    m_link.forgetChange();
}

template class DataEditField<Edit>;
template class DataEditField<Memo>;
template class DataEditField<ComboBox>;

void DBComboBox::userSelectItem(int index)
{
    if (m_link.edit())
        ComboBox::userSelectItem(index);
}

DBCheckBox::DBCheckBox(Form& form, const QString& name)
    : CheckBox(form, name),
      m_link([this](const db::Field* field) { setChecked(field && field->asBoolean()); },
             [this](db::Field& field) { field.setAsBoolean(checked()); })
{
}

void DBCheckBox::userClick()
{
    if (!m_link.edit())
        return;
    CheckBox::userClick();
    m_link.setModified();
}

}  // namespace ui
