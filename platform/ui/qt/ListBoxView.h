#pragma once
// A list box: its items and the selected one. A press on an item is the user's choice of it.
#include "platform/ui/qt/ControlView.h"

namespace ui {
class ListBox;
}

namespace uiqt {

class ListBoxView : public ControlView {
public:
    ListBoxView(Renderer& renderer, ui::ListBox& list);

    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;
    void userPressed(QWidget* receiver, QPoint pos) override;

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::Base; }
};

}  // namespace uiqt
