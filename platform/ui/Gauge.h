#pragma once
// A progress gauge drawn on its parent.
#include "platform/ui/Control.h"

namespace ui {

class Gauge : public Control {
public:
    Gauge(Form& form, const QString& name);

    int minValue() const { return m_minValue; }
    int maxValue() const { return m_maxValue; }
    void setRange(int minValue, int maxValue);
    int progress() const { return m_progress; }
    // Kept within the range.
    void setProgress(int progress);

private:
    int m_minValue = 0;
    int m_maxValue = 100;
    int m_progress = 0;
};

}  // namespace ui
