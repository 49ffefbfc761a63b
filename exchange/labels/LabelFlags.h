#pragma once
// The print flags (IMP_CodeBarres) a confirmed print clears: those of the copies that were on
// the printed labels, so that a copy flagged meanwhile, or left out by the type boxes, still
// waits for its label.
#include <QList>

namespace app {
class TFrmPrin;
}

namespace labels {

// One transaction for the whole list; a copy listed twice is cleared once.
void clearLabelFlags(app::TFrmPrin& frm, const QList<qint64>& copies);

}  // namespace labels
