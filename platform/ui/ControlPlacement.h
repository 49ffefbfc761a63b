#pragma once
// A screen's control created under its designed name, inside its parent, at its place: the one
// way every layout places its controls.
#include "platform/ui/Form.h"

#include <QRect>
#include <QString>

namespace ui {

// A null place leaves the bounds to the parent (tab sheets take theirs from their page control);
// a text, when given, is the control's caption or contents.
template <class T>
T* placeControl(Form& form, const char* name, WinControl* parent, const QRect& place, const QString& text = {})
{
    T* c = form.create<T>(QString::fromLatin1(name), parent);
    if (!place.isNull())
        c->setBounds(place);
    if (!text.isEmpty())
        c->setText(text);
    return c;
}

}  // namespace ui
