#pragma once
// The balloon of a control's balloon hint: its icon, title and text in its colours, centred
// under the control while the pointer rests on it.
#include "platform/ui/WinControl.h"

class QWidget;

namespace uiqt {

namespace balloon {
void show(QWidget* anchor, const ui::BalloonHint& hint);
// Hides the balloon when it belongs to anchor (any balloon for nullptr).
void hide(const QWidget* anchor = nullptr);
// The balloon shown, nullptr when none is.
QWidget* shown();
}  // namespace balloon

}  // namespace uiqt
