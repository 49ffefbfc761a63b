#pragma once
// A form shown as its own top-level window (FormWindow): caption, menu bar, client area, the
// focus of its focused control, modality while its modal loop runs.
#include "platform/ui/qt/ControlView.h"
#include "platform/ui/qt/FormWindow.h"
#include "platform/ui/qt/MenuMirror.h"

namespace ui {
class Form;
class MenuItem;
}  // namespace ui

namespace uiqt {

class FormView : public ControlView {
public:
    FormView(Renderer& renderer, ui::Form& form);
    ~FormView() override;

    ui::Form& form() const { return m_form; }
    FormWindow* window() const { return m_window; }
    QWidget* childArea() const override { return m_window->client(); }
    MenuMirror& menu() { return m_menu; }

    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;

private:
    void applyColors() override;
    // Qt's focus follows the model's focused control.
    void applyFocus();

    ui::Form& m_form;
    FormWindow* m_window;
    MenuMirror m_menu;
};

}  // namespace uiqt
