#pragma once
// Buttons and boxes the user presses: push buttons (with a glyph for bit buttons), speed
// buttons, tool bar buttons, check boxes and radio buttons. The model decides what a press does;
// the widget only looks pressed while the button is held.
#include "platform/ui/qt/ControlView.h"

class QAbstractButton;

namespace ui {
class Button;
class CheckBox;
class RadioButton;
class SpeedButton;
class ToolButton;
}  // namespace ui

namespace uiqt {

class PressableView : public ControlView {
public:
    PressableView(Renderer& renderer, ui::Control& control, QAbstractButton* button);

    void userPressed(QWidget* receiver, QPoint pos) override;
    void userReleased() override;

protected:
    QAbstractButton* button() const;
    void applyText() override;
    // Buttons keep the platform's look; boxes show their parent behind them.
    QPalette::ColorRole backgroundRole() const override { return QPalette::NoRole; }
};

class ButtonView : public PressableView {
public:
    ButtonView(Renderer& renderer, ui::Button& button);
    void apply(ui::Property property) override;
};

class SpeedButtonView : public PressableView {
public:
    SpeedButtonView(Renderer& renderer, ui::SpeedButton& button);
    void apply(ui::Property property) override;
};

class ToolButtonView : public PressableView {
public:
    ToolButtonView(Renderer& renderer, ui::ToolButton& button);
    void apply(ui::Property property) override;

private:
    // Tool bar buttons show their icon only; the caption is their hint.
    void applyText() override {}
};

class CheckBoxView : public PressableView {
public:
    CheckBoxView(Renderer& renderer, ui::CheckBox& box);
    void apply(ui::Property property) override;
};

class RadioButtonView : public PressableView {
public:
    RadioButtonView(Renderer& renderer, ui::RadioButton& button);
    void apply(ui::Property property) override;
};

}  // namespace uiqt
