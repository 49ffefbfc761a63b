#pragma once
// Controls that hold others: panels (the screens of the main window), tab sheets, the cool bar
// and tool bar, group boxes, and any other windowed control without a view of its own.
#include "platform/ui/qt/ControlView.h"

namespace ui {
class GroupBox;
class WinControl;
}  // namespace ui

namespace uiqt {

class ContainerView : public ControlView {
public:
    enum class Look {
        Plain,        // its colour only (tab sheets, unknown containers)
        Panel,        // raised edge, caption in the middle
        Band,         // raised edge (the cool bar)
        Transparent,  // nothing of its own (the tool bar lets its cool bar show)
    };

    ContainerView(Renderer& renderer, ui::WinControl& control, Look look = Look::Plain);

    void apply(ui::Property property) override;

private:
    bool fillsBackground() const override { return m_look != Look::Transparent; }

    Look m_look;
};

class GroupBoxView : public ControlView {
public:
    GroupBoxView(Renderer& renderer, ui::GroupBox& box);

private:
    void applyText() override;
};

}  // namespace uiqt
