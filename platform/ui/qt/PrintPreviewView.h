#pragma once
// The print preview: the page shown, drawn by the preview engine at the control's scale and
// scroll offsets on the workspace colour, with the scroll bars the control's mode gives.
#include "platform/ui/qt/ControlView.h"

namespace ui {
class RichEditPrintPreview;
}

namespace uiqt {

class PrintPreviewView : public ControlView {
public:
    PrintPreviewView(Renderer& renderer, ui::RichEditPrintPreview& preview);
    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;
};

}  // namespace uiqt
