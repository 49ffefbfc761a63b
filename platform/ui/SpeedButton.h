#pragma once
// A button drawn on its parent: clicking it never moves the focus, so a scanner keeps typing
// into the field that has it.
#include "platform/ui/Control.h"
#include "platform/ui/Picture.h"

namespace ui {

class SpeedButton : public Control {
public:
    SpeedButton(Form& form, const QString& name);

    const PicturePtr& glyph() const { return m_glyph; }
    void setGlyph(PicturePtr glyph);

protected:
    bool clicksOnDoublePress() const override { return true; }

private:
    PicturePtr m_glyph;
};

}  // namespace ui
