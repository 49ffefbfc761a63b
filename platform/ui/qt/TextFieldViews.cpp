#include "platform/ui/qt/TextFieldViews.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/qt/Appearance.h"

#include <algorithm>
#include <utility>

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCharFormat>
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

// Characters a document shows for a piece of the model's text: one each, none for the LF of a
// CR LF (whose CR may end the text before the piece).
int shownLength(QStringView piece, bool afterCr)
{
    int shown = int(piece.size());
    for (QChar c : piece) {
        if (c == u'\n' && afterCr)
            --shown;
        afterCr = c == u'\r';
    }
    return shown;
}

int displayedPosition(const QString& text, int position) { return shownLength(QStringView(text).left(position), false); }

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

// The selection between two positions of the document.
template <class Editor>
void showSelection(Editor* editor, int start, int end)
{
    const QSignalBlocker blocker(editor);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

bool crBefore(const QString& text, qsizetype i) { return i > 0 && text[i - 1] == u'\r'; }

QString displayedPiece(QStringView piece, bool afterCr)
{
    // A CR LF split between the text before and the piece is still one line end.
    if (afterCr && piece.startsWith(u'\n'))
        piece = piece.mid(1);
    return displayedText(piece.toString());
}

QTextCharFormat runFormat(const ui::Font& font)
{
    QTextCharFormat format;
    format.setFont(toQFont(font));
    format.setForeground(toQColor(font.color));
    return format;
}

MouseRouting documentRouting(const QWidget* receiver)
{
    return isScrollBarPart(receiver) ? MouseRouting::WidgetOnly : MouseRouting::Shared;
}

// Runs catchUp before the watched widget paints or handles the mouse.
class CatchUpFilter : public QObject {
public:
    explicit CatchUpFilter(std::function<void()> catchUp) : m_catchUp(std::move(catchUp)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel: m_catchUp(); break;
        default: break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_catchUp;
};

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
    case ui::Property::Selection:
        showSelection(editor, displayedPosition(memo.text(), memo.selStart()),
                      displayedPosition(memo.text(), memo.selStart() + memo.selLength()));
        break;
    default: ControlView::apply(property); break;
    }
}

MouseRouting MemoView::mouseRouting(const QWidget* receiver) const { return documentRouting(receiver); }

RichEditView::RichEditView(Renderer& renderer, ui::RichEdit& edit)
    : ControlView(renderer, edit, new QTextEdit), m_catchUp(std::make_unique<CatchUpFilter>([this] { showPending(); }))
{
    editor()->setAcceptRichText(false);
    // The model keeps the history of edits; the document would keep every edit it follows.
    editor()->document()->setUndoRedoEnabled(false);
    editor()->viewport()->installEventFilter(m_catchUp.get());
    followDocumentEditor(editor(), edit);
}

QTextEdit* RichEditView::editor() const { return static_cast<QTextEdit*>(widget()); }

void RichEditView::apply(ui::Property property)
{
    auto& edit = static_cast<ui::RichEdit&>(control());
    switch (property) {
    case ui::Property::Text: break;  // the runs follow
    case ui::Property::RichText: {
        openBlock();
        const bool followsEdit = m_shownRevision && *m_shownRevision + 1 == edit.runsRevision() && edit.lastEdit();
        if (!followsEdit || !showEdit(*edit.lastEdit()))
            showRuns();
        m_shownRevision = edit.runsRevision();
        // A changed content shows from its start down to the caret, as when shown anew.
        m_scrollToStart = true;
        m_selections.clear();
        keepSelection();
        break;
    }
    case ui::Property::Selection:
        keepSelection();
        if (edit.scrolledToEnd()) {
            // Like the scroll message it stands for, a scroll to the end is done at once.
            showPending();
            editor()->verticalScrollBar()->setValue(editor()->verticalScrollBar()->maximum());
        }
        break;
    default: ControlView::apply(property); break;
    }
}

void RichEditView::openBlock()
{
    if (!m_openBlock) {
        m_openBlock.emplace(editor()->document());
        m_openBlock->beginEditBlock();
    }
    showAtNextTurn();
}

void RichEditView::keepSelection()
{
    const auto& edit = static_cast<const ui::CustomEdit&>(control());
    const std::pair<int, int> selection{edit.selStart(), edit.selStart() + edit.selLength()};
    if (m_selections.empty() || m_selections.back() != selection)
        m_selections.push_back(selection);
    showAtNextTurn();
}

void RichEditView::showAtNextTurn()
{
    if (m_showPosted)
        return;
    m_showPosted = true;
    QMetaObject::invokeMethod(
        m_catchUp.get(),
        [this] {
            m_showPosted = false;
            showPending();
        },
        Qt::QueuedConnection);
}

void RichEditView::showPending()
{
    if (!m_openBlock && m_selections.empty())
        return;
    const QSignalBlocker blocker(editor());
    if (std::optional<QTextCursor> block = std::exchange(m_openBlock, std::nullopt))
        block->endEditBlock();
    if (std::exchange(m_scrollToStart, false))
        editor()->verticalScrollBar()->setValue(0);
    for (const auto& [start, end] : std::exchange(m_selections, {}))
        showSelection(editor(), shownPosition(start), shownPosition(end));
}

void RichEditView::showRuns()
{
    QTextCursor cursor(editor()->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    bool afterCr = false;
    for (const ui::TextRun& run : static_cast<ui::RichEdit&>(control()).runs()) {
        cursor.insertText(displayedPiece(run.text, afterCr), runFormat(run.font));
        afterCr = run.text.endsWith(u'\r');
    }
    m_anchor = {};
}

bool RichEditView::showEdit(const ui::RichTextEdit& edit)
{
    const QString& text = control().text();
    const int end = edit.start + edit.inserted;
    const bool afterCr = crBefore(text, edit.start);
    // Joining or splitting a CR LF changes whether the LF after the edit shows: all is shown anew.
    const bool crBeforeNext = edit.removed.isEmpty() ? afterCr : edit.removed.back() == u'\r';
    if (text.isEmpty() || (end < text.size() && text[end] == u'\n' && crBeforeNext != crBefore(text, end)))
        return false;
    const QStringView inserted = QStringView(text).mid(edit.start, edit.inserted);
    const int removedShown = shownLength(edit.removed, afterCr);
    const int insertedShown = shownLength(inserted, afterCr);
    if (m_anchor.model > edit.start) {
        if (m_anchor.model >= edit.start + edit.removed.size())
            m_anchor = {m_anchor.model - int(edit.removed.size()) + edit.inserted, m_anchor.shown - removedShown + insertedShown};
        else
            m_anchor = {};
    }
    const int from = shownPosition(edit.start);
    QTextCursor cursor(editor()->document());
    cursor.setPosition(from);
    cursor.setPosition(from + removedShown, QTextCursor::KeepAnchor);
    cursor.insertText(displayedPiece(inserted, afterCr), runFormat(edit.font));
    m_anchor = {end, from + insertedShown};
    return true;
}

int RichEditView::shownPosition(int position)
{
    const QString& text = control().text();
    position = std::min(position, int(text.size()));
    const Anchor from = m_anchor;
    const int shown = position >= from.model
                          ? from.shown + shownLength(QStringView(text).mid(from.model, position - from.model), crBefore(text, from.model))
                          : from.shown - shownLength(QStringView(text).mid(position, from.model - position), crBefore(text, position));
    m_anchor = {position, shown};
    return shown;
}

MouseRouting RichEditView::mouseRouting(const QWidget* receiver) const { return documentRouting(receiver); }

}  // namespace uiqt
