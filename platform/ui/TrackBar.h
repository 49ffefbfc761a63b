#pragma once
// A track bar: a thumb on a scale from min to max with ticks; the arrow keys move it by one,
// Home and End to the ends. OnChange follows every change of the position.
#include "platform/ui/WinControl.h"

namespace ui {

class TrackBar : public WinControl {
public:
    TrackBar(Form& form, const QString& name);

    int minValue() const { return m_min; }
    int maxValue() const { return m_max; }
    void setRange(int minValue, int maxValue);
    int frequency() const { return m_frequency; }
    void setFrequency(int frequency);
    int position() const { return m_position; }
    // Kept within the range.
    void setPosition(int position);
    // The user dragged the thumb there (called from the message loop).
    void userSetPosition(int position) { setPosition(position); }

    NotifyEvent onChange;

protected:
    bool takesFocusOnClick() const override { return true; }
    void keyDown(quint16 vk, ShiftState shift) override;

private:
    int m_min = 0;
    int m_max = 10;
    int m_frequency = 1;
    int m_position = 0;
};

}  // namespace ui
