#pragma once
// Controls that only show: the progress gauge and the status bar.
#include "platform/ui/qt/ControlView.h"

namespace ui {
class Gauge;
class StatusBar;
}  // namespace ui

namespace uiqt {

class GaugeView : public ControlView {
public:
    GaugeView(Renderer& renderer, ui::Gauge& gauge);
    void apply(ui::Property property) override;
};

// One sunken panel with the simple text, or one per panel text sharing the width.
class StatusBarView : public ControlView {
public:
    StatusBarView(Renderer& renderer, ui::StatusBar& bar);
    void apply(ui::Property property) override;
};

}  // namespace uiqt
