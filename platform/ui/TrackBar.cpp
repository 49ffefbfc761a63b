#include "platform/ui/TrackBar.h"

#include "platform/ui/Keys.h"

#include <algorithm>

namespace ui {

TrackBar::TrackBar(Form& form, const QString& name) : WinControl(form, name) {}

void TrackBar::setRange(int minValue, int maxValue)
{
    m_min = minValue;
    m_max = std::max(minValue, maxValue);
    notify(Property::Progress);
    setPosition(m_position);
}

void TrackBar::setFrequency(int frequency)
{
    m_frequency = std::max(1, frequency);
    notify(Property::Progress);
}

void TrackBar::setPosition(int position)
{
    position = std::clamp(position, m_min, m_max);
    if (position == m_position)
        return;
    m_position = position;
    notify(Property::Progress);
    if (onChange)
        onChange();
}

void TrackBar::keyDown(quint16 key, ShiftState)
{
    switch (key) {
    case vk::Left: case vk::Up: setPosition(m_position - 1); break;
    case vk::Right: case vk::Down: setPosition(m_position + 1); break;
    case vk::Home: setPosition(m_min); break;
    case vk::End: setPosition(m_max); break;
    default: break;
    }
}

}  // namespace ui
