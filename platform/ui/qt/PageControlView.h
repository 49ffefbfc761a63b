#pragma once
// A page control: a row of tabs named after its sheets above the sheets' frame. The sheets are
// views of their own, placed where the model lays them out; a press on a tab is the user's
// choice of that page.
#include "platform/ui/qt/ControlView.h"

class QTabBar;

namespace ui {
class PageControl;
}

namespace uiqt {

class PageControlView : public ControlView {
public:
    PageControlView(Renderer& renderer, ui::PageControl& pages);

    void apply(ui::Property property) override;
    void childChanged(ui::Control& child, ui::Property property) override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;
    void userPressed(QWidget* receiver, QPoint pos) override;

    QTabBar* tabBar() const;

private:
    // The tabs name the sheets in their order, the active one current.
    void syncTabs();
};

}  // namespace uiqt
