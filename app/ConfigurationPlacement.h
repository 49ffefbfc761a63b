#pragma once
// The administrator's set-up screens (configuration, school coordinates) place their controls
// inside their panel under their designed names; their labels are white and bold.
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Label.h"

#include <QRect>

namespace app {

// A label in white, readable on the coloured panels.
inline ui::Label* placeSetupLabel(ui::Form& frm, const char* name, ui::WinControl* screen, const QRect& place,
                                  const QString& caption)
{
    auto* label = ui::placeControl<ui::Label>(frm, name, screen, place, caption);
    ui::Font font;
    font.color = ui::colors::white;
    font.bold = true;
    label->setFont(font);
    return label;
}

}  // namespace app
