#include "platform/ui/qt/TextFieldViews.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/qt/Appearance.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextEdit>

namespace uiqt {

namespace {

// Multi-line widgets keep one LF where the model has CR LF (or a lone CR), so positions after a
// CR LF are one less in the widget.
bool crLfAt(const QString& text, qsizetype i)
{
    return i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n';
}

QString displayedText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return shown;
}

int displayedPosition(const QString& text, int position)
{
    int pairs = 0;
    for (qsizetype i = 0; i + 1 < position; ++i)
        if (crLfAt(text, i))
            ++pairs;
    return position - pairs;
}

int modelPosition(const QString& text, int displayed)
{
    qsizetype model = 0;
    for (int shown = 0; shown < displayed && model < text.size(); ++shown)
        model += crLfAt(text, model) ? 2 : 1;
    return int(model);
}

// A selection of the model's text, from the widget's cursor.
template <class Cursor>
std::pair<int, int> modelSelection(const QString& text, const Cursor& cursor)
{
    const int start = modelPosition(text, cursor.selectionStart());
    return {start, modelPosition(text, cursor.selectionEnd()) - start};
}

void reportSelection(ui::CustomEdit& edit, int start, int length)
{
    if (start == edit.selStart() && length == edit.selLength())
        return;
    edit.application().post([&edit, start, length] {
        edit.setSelStart(start);
        edit.setSelLength(length);
    });
}

// The line editor shows the model's text and selection and reports the selection the user
// makes with the mouse.
void followLineEditor(QLineEdit* line, ui::CustomEdit& edit)
{
    const auto report = [line, &edit] {
        const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        reportSelection(edit, start, int(line->selectedText().size()));
    };
    QObject::connect(line, &QLineEdit::selectionChanged, line, report);
    QObject::connect(line, &QLineEdit::cursorPositionChanged, line, report);
}

void showText(QLineEdit* line, const ui::CustomEdit& edit)
{
    const QSignalBlocker blocker(line);
    if (line->text() != edit.text())
        line->setText(edit.text());
}

void showSelection(QLineEdit* line, const ui::CustomEdit& edit)
{
    const QSignalBlocker blocker(line);
    if (edit.selLength() > 0)
        line->setSelection(edit.selStart(), edit.selLength());
    else
        line->setCursorPosition(edit.selStart());
}

// Memos and rich edits: the same for a text document's cursor.
template <class Editor>
void followDocumentEditor(Editor* editor, ui::CustomEdit& edit)
{
    const auto report = [editor, &edit] {
        const auto [start, length] = modelSelection(edit.text(), editor->textCursor());
        reportSelection(edit, start, length);
    };
    QObject::connect(editor, &Editor::selectionChanged, editor, report);
    QObject::connect(editor, &Editor::cursorPositionChanged, editor, report);
}

template <class Editor>
void showSelection(Editor* editor, const ui::CustomEdit& edit)
{
    const QSignalBlocker blocker(editor);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(displayedPosition(edit.text(), edit.selStart()));
    cursor.setPosition(displayedPosition(edit.text(), edit.selStart() + edit.selLength()), QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

MouseRouting documentRouting(const QWidget* receiver)
{
    return isScrollBarPart(receiver) ? MouseRouting::WidgetOnly : MouseRouting::Shared;
}

}  // namespace

EditView::EditView(Renderer& renderer, ui::CustomEdit& edit) : ControlView(renderer, edit, new QLineEdit)
{
    followLineEditor(static_cast<QLineEdit*>(widget()), edit);
}

void EditView::apply(ui::Property property)
{
    auto* line = static_cast<QLineEdit*>(widget());
    auto& edit = static_cast<ui::CustomEdit&>(control());
    switch (property) {
    case ui::Property::Text: showText(line, edit); break;
    case ui::Property::Selection: showSelection(line, edit); break;
    default: ControlView::apply(property); break;
    }
}

ComboBoxView::ComboBoxView(Renderer& renderer, ui::ComboBox& combo)
    : ComboBoxView(renderer, combo, [&combo](int index) { combo.userSelectItem(index); })
{
}

ComboBoxView::ComboBoxView(Renderer& renderer, ui::DBComboBox& combo)
    : ComboBoxView(renderer, combo, [&combo](int index) { combo.userSelectItem(index); })
{
}

ComboBoxView::ComboBoxView(Renderer& renderer, ui::ComboBox& combo, std::function<void(int)> userSelectItem)
    : ControlView(renderer, combo, new QComboBox)
{
    auto* box = static_cast<QComboBox*>(widget());
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    followLineEditor(box->lineEdit(), combo);
    QObject::connect(box, &QComboBox::activated, box, [this, userSelectItem](int index) {
        postUserAction([userSelectItem, index] { userSelectItem(index); });
    });
}

void ComboBoxView::apply(ui::Property property)
{
    auto* box = static_cast<QComboBox*>(widget());
    auto& combo = static_cast<ui::ComboBox&>(control());
    switch (property) {
    case ui::Property::Items: {
        const QSignalBlocker blocker(box);
        const QSignalBlocker lineBlocker(box->lineEdit());
        box->clear();
        box->addItems(combo.items());
        showText(box->lineEdit(), combo);
        showSelection(box->lineEdit(), combo);
        break;
    }
    case ui::Property::Text: showText(box->lineEdit(), combo); break;
    case ui::Property::Selection: showSelection(box->lineEdit(), combo); break;
    default: ControlView::apply(property); break;
    }
}

MemoView::MemoView(Renderer& renderer, ui::Memo& memo) : ControlView(renderer, memo, new QPlainTextEdit)
{
    auto* editor = static_cast<QPlainTextEdit*>(widget());
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    followDocumentEditor(editor, memo);
}

void MemoView::apply(ui::Property property)
{
    auto* editor = static_cast<QPlainTextEdit*>(widget());
    auto& memo = static_cast<ui::CustomEdit&>(control());
    switch (property) {
    case ui::Property::Text: {
        const QSignalBlocker blocker(editor);
        const QString shown = displayedText(memo.text());
        if (editor->toPlainText() != shown)
            editor->setPlainText(shown);
        break;
    }
    case ui::Property::Selection: showSelection(editor, memo); break;
    default: ControlView::apply(property); break;
    }
}

MouseRouting MemoView::mouseRouting(const QWidget* receiver) const { return documentRouting(receiver); }

RichEditView::RichEditView(Renderer& renderer, ui::RichEdit& edit) : ControlView(renderer, edit, new QTextEdit)
{
    auto* editor = static_cast<QTextEdit*>(widget());
    editor->setAcceptRichText(false);
    followDocumentEditor(editor, edit);
}

void RichEditView::apply(ui::Property property)
{
    auto* editor = static_cast<QTextEdit*>(widget());
    auto& edit = static_cast<ui::RichEdit&>(control());
    switch (property) {
    case ui::Property::Text: break;  // the runs follow
    case ui::Property::RichText: {
        const QSignalBlocker blocker(editor);
        editor->clear();
        QTextCursor cursor(editor->document());
        bool afterCr = false;
        for (const ui::TextRun& run : edit.runs()) {
            // A CR LF split between two runs is still one line end.
            QString piece = run.text;
            if (afterCr && piece.startsWith(u'\n'))
                piece.remove(0, 1);
            afterCr = run.text.endsWith(u'\r');
            QTextCharFormat format;
            format.setFont(toQFont(run.font));
            format.setForeground(toQColor(run.font.color));
            cursor.insertText(displayedText(piece), format);
        }
        showSelection(editor, edit);
        break;
    }
    case ui::Property::Selection:
        showSelection(editor, edit);
        if (edit.scrolledToEnd())
            editor->verticalScrollBar()->setValue(editor->verticalScrollBar()->maximum());
        break;
    default: ControlView::apply(property); break;
    }
}

MouseRouting RichEditView::mouseRouting(const QWidget* receiver) const { return documentRouting(receiver); }

}  // namespace uiqt
