#pragma once
// The dotted outline of a dragged selection, drawn over the picture beneath it and transparent
// to the mouse.
#include "platform/ui/qt/ControlView.h"

namespace ui {
class FocusFrame;
}

namespace uiqt {

class FocusFrameView : public ControlView {
public:
    FocusFrameView(Renderer& renderer, ui::FocusFrame& frame);

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::NoRole; }
};

}  // namespace uiqt
