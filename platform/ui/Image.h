#pragma once
// A picture drawn on its parent; stretched to the control's size when stretch is set.
#include "platform/ui/Control.h"
#include "platform/ui/Picture.h"

namespace ui {

class Image : public Control {
public:
    Image(Form& form, const QString& name);

    // nullptr: no picture.
    const PicturePtr& picture() const { return m_picture; }
    void setPicture(PicturePtr picture);
    void clearPicture() { setPicture(nullptr); }

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

private:
    PicturePtr m_picture;
    bool m_stretch = false;
};

}  // namespace ui
