#pragma once
// Text fields: edit fields, combo boxes, memos and rich edits (their data-aware kinds included).
// The model holds the text, caret and selection and takes every key; the widget shows them. The
// widget also takes the mouse, so that the user places the caret and selects text by hand;
// that choice goes back to the model as the user's selection. A combo box's drop-down list is
// the widget's; the item chosen there goes to the model as the user's choice.
#include "platform/ui/qt/ControlView.h"

#include <functional>

namespace ui {
class ComboBox;
class CustomEdit;
class DBComboBox;
class Memo;
class RichEdit;
}  // namespace ui

namespace uiqt {

class EditView : public ControlView {
public:
    EditView(Renderer& renderer, ui::CustomEdit& edit);
    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget*) const override { return MouseRouting::Shared; }

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::Base; }
};

class ComboBoxView : public ControlView {
public:
    ComboBoxView(Renderer& renderer, ui::ComboBox& combo);
    // A data-aware combo box edits its row when the user chooses an item.
    ComboBoxView(Renderer& renderer, ui::DBComboBox& combo);
    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget*) const override { return MouseRouting::Shared; }

private:
    ComboBoxView(Renderer& renderer, ui::ComboBox& combo, std::function<void(int)> userSelectItem);
    QPalette::ColorRole backgroundRole() const override { return QPalette::Base; }
};

class MemoView : public ControlView {
public:
    MemoView(Renderer& renderer, ui::Memo& memo);
    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::Base; }
};

class RichEditView : public ControlView {
public:
    RichEditView(Renderer& renderer, ui::RichEdit& edit);
    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::Base; }
};

}  // namespace uiqt
