#include "platform/ui/Image.h"

namespace ui {

Image::Image(Form& form, const QString& name) : Control(form, name) {}

void Image::setPicture(PicturePtr picture)
{
    if (picture == m_picture)
        return;
    m_picture = std::move(picture);
    notify(Property::Picture);
}

void Image::setStretch(bool stretch)
{
    if (stretch == m_stretch)
        return;
    m_stretch = stretch;
    notify(Property::Picture);
}

}  // namespace ui
