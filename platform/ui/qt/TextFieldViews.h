#pragma once
// Text fields: edit fields, combo boxes, memos and rich edits (their data-aware kinds included).
// The model holds the text, caret and selection and takes every key; the widget shows them. The
// widget also takes the mouse, so that the user places the caret and selects text by hand;
// that choice goes back to the model as the user's selection. A combo box's drop-down list is
// the widget's; the item chosen there goes to the model as the user's choice.
#include "platform/ui/qt/ControlView.h"

#include <functional>
#include <optional>

namespace ui {
class ComboBox;
class CustomEdit;
class DBComboBox;
class Memo;
class RichEdit;
struct RichTextEdit;
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

// Follows the rich edit's edits in its document, so that a text growing edit by edit costs time
// in proportion to the edits, not to the whole text each time.
class RichEditView : public ControlView {
public:
    RichEditView(Renderer& renderer, ui::RichEdit& edit);
    void apply(ui::Property property) override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::Base; }
    void showRuns();
    bool showEdit(const ui::RichTextEdit& edit);
    void showSelection();
    // The document position of a position of the model's text, counted from the last one found.
    int shownPosition(int position);

    std::optional<quint64> m_shownRevision;
    struct Anchor {
        int model = 0;
        int shown = 0;
    } m_anchor;
};

}  // namespace uiqt
