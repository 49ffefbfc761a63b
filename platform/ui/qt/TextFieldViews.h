#pragma once
// Text fields: edit fields, combo boxes, memos and rich edits (their data-aware kinds included).
// The model holds the text, caret and selection and takes every key; the widget shows them. The
// widget also takes the mouse, so that the user places the caret and selects text by hand;
// that choice goes back to the model as the user's selection. A combo box's drop-down list is
// the widget's; the item chosen there goes to the model as the user's choice.
#include "platform/ui/qt/ControlView.h"

#include <QTextCursor>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QTextEdit;

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
// in proportion to the edits, not to the whole text each time. The edits of one turn of the
// event loop go into one edit block of the document, which lays out once when the turn ends
// (or before the widget paints or takes the mouse, should Qt let it first); the selection and
// the scroll position follow then.
class RichEditView : public ControlView {
public:
    RichEditView(Renderer& renderer, ui::RichEdit& edit);
    void apply(ui::Property property) override;
    void showPending() override;
    MouseRouting mouseRouting(const QWidget* receiver) const override;

private:
    QPalette::ColorRole backgroundRole() const override { return QPalette::Base; }
    QTextEdit* editor() const;
    // Opens the edit block of this turn unless it is open.
    void openBlock();
    void showAtNextTurn();
    void showRuns();
    bool showEdit(const ui::RichTextEdit& edit);
    // The model's selection, kept until the turn ends.
    void keepSelection();
    // The document position of a position of the model's text, counted from the last one found.
    int shownPosition(int position);

    std::optional<quint64> m_shownRevision;
    struct Anchor {
        int model = 0;
        int shown = 0;
    } m_anchor;
    // Watches the widget for what must find it up to date, and carries the showing posted for
    // the end of the turn, so that neither outlives the view.
    std::unique_ptr<QObject> m_catchUp;
    std::optional<QTextCursor> m_openBlock;
    bool m_showPosted = false;
    // Whether the content changed, which shows it from its start again; then each selection the
    // model had since, as start and end in its text, in order: each scrolls its caret into view.
    bool m_scrollToStart = false;
    std::vector<std::pair<int, int>> m_selections;
};

}  // namespace uiqt
