#include "platform/ui/Button.h"

#include "platform/ui/Form.h"

namespace ui {

Button::Button(Form& form, const QString& name) : WinControl(form, name), m_modalResult(ModalResult::None) {}

void Button::setDefault(bool isDefault)
{
    if (isDefault == m_default)
        return;
    m_default = isDefault;
    notify(Property::Default);
}

void Button::click()
{
    if (m_modalResult != ModalResult::None)
        form().setModalResult(m_modalResult);
    WinControl::click();
}

BitBtn::BitBtn(Form& form, const QString& name) : Button(form, name) {}

void BitBtn::setGlyph(PicturePtr glyph)
{
    m_glyph = std::move(glyph);
    notify(Property::Picture);
}

}  // namespace ui
