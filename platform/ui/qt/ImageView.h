#pragma once
// A picture drawn on its parent: at its natural size from the top left, or stretched to the
// control's size.
#include "platform/ui/qt/ControlView.h"

#include <QImage>

namespace ui {
class Image;
}

namespace uiqt {

class ImageView : public ControlView {
public:
    ImageView(Renderer& renderer, ui::Image& image);

    void apply(ui::Property property) override;

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::NoRole; }
};

}  // namespace uiqt
