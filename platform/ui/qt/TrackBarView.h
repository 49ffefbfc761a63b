#pragma once
// A track bar as a horizontal slider with ticks; a drag of its thumb goes back to the model.
#include "platform/ui/qt/ControlView.h"

namespace ui {
class TrackBar;
}

namespace uiqt {

class TrackBarView : public ControlView {
public:
    TrackBarView(Renderer& renderer, ui::TrackBar& bar);
    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget*) const override { return MouseRouting::Shared; }
};

}  // namespace uiqt
