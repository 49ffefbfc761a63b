#include "platform/ui/Gauge.h"

#include <algorithm>

namespace ui {

Gauge::Gauge(Form& form, const QString& name) : Control(form, name) {}

void Gauge::setRange(int minValue, int maxValue)
{
    m_minValue = minValue;
    m_maxValue = std::max(minValue, maxValue);
    notify(Property::Progress);
    setProgress(m_progress);
}

void Gauge::setProgress(int progress)
{
    progress = std::clamp(progress, m_minValue, m_maxValue);
    if (progress == m_progress)
        return;
    m_progress = progress;
    notify(Property::Progress);
}

}  // namespace ui
