#include "platform/ui/SpeedButton.h"

namespace ui {

SpeedButton::SpeedButton(Form& form, const QString& name) : Control(form, name) {}

void SpeedButton::setGlyph(PicturePtr glyph)
{
    m_glyph = std::move(glyph);
    notify(Property::Picture);
}

}  // namespace ui
