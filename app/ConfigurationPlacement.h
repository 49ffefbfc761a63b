#pragma once
// The administrator's set-up screens (configuration, school coordinates) place their controls
// inside their panel under their designed names.
#include "app/FrmPrin.h"
#include "platform/ui/Label.h"

#include <QRect>

namespace app {

template <class T>
T* placeSetupControl(TFrmPrin& frm, const char* name, ui::WinControl* screen, const QRect& place,
                     const QString& text = {})
{
    T* c = frm.create<T>(QString::fromLatin1(name), screen);
    c->setBounds(place);
    if (!text.isEmpty())
        c->setText(text);
    return c;
}

// A label in white, readable on the coloured panels.
inline ui::Label* placeSetupLabel(TFrmPrin& frm, const char* name, ui::WinControl* screen, const QRect& place,
                                  const QString& caption)
{
    auto* label = placeSetupControl<ui::Label>(frm, name, screen, place, caption);
    ui::Font font;
    font.color = ui::colors::white;
    font.bold = true;
    label->setFont(font);
    return label;
}

}  // namespace app
