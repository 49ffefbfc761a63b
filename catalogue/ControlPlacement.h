#pragma once
// A screen's control created under its designed name, inside its parent, at its place.
#include "app/FrmPrin.h"

#include <QRect>
#include <QString>

namespace catalogue {

// A null place leaves the bounds to the parent (tab sheets take theirs from their page control).
template <class T>
T* placeControl(app::TFrmPrin& frm, const char* name, ui::WinControl* parent, const QRect& place,
                const QString& text = {})
{
    T* c = frm.create<T>(QString::fromLatin1(name), parent);
    if (!place.isNull())
        c->setBounds(place);
    if (!text.isEmpty())
        c->setText(text);
    return c;
}

}  // namespace catalogue
