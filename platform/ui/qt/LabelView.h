#pragma once
// A label: its caption at the top left, on its parent's colour unless it has its own.
#include "platform/ui/qt/ControlView.h"

namespace ui {
class Label;
}

namespace uiqt {

class LabelView : public ControlView {
public:
    LabelView(Renderer& renderer, ui::Label& label);

private:
    void applyText() override;
    bool fillsBackground() const override { return !control().parentColor(); }
};

}  // namespace uiqt
