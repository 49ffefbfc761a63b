#pragma once
// A rich text field, as content: the text in runs of one font each. Text inserted at the caret
// takes the insertion font (selAttributes); text set from code takes the control's font.
// The document format (RTF) and printing live with the rich-text layer.
#include "platform/ui/Edit.h"

#include <optional>
#include <vector>

namespace ui {

struct TextRun {
    QString text;
    Font font;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// One edit of a rich edit's text: at `start`, `removed` gave way to `inserted` characters in `font`.
struct RichTextEdit {
    int start = 0;
    QString removed;
    int inserted = 0;
    Font font;
};

class RichEdit : public CustomEdit {
public:
    RichEdit(Form& form, const QString& name);

    // Never empty runs; neighbours with the same font are merged.
    const std::vector<TextRun>& runs() const { return m_runs; }
    // Replaces the whole content (a loaded document); OnChange runs.
    void setRuns(const std::vector<TextRun>& runs);

    // Counts the changes of the runs. A view that showed the previous count follows the last edit
    // instead of showing every run again; a change of the whole content has no edit.
    quint64 runsRevision() const { return m_runsRevision; }
    const std::optional<RichTextEdit>& lastEdit() const { return m_lastEdit; }

    const Font& selAttributes() const { return m_selAttributes; }
    void setSelAttributes(const Font& font) { m_selAttributes = font; }

    // Lines.Add: the line and CR LF at the end of the text, in the insertion font.
    void addLine(const QString& line);

    // A vertical scroll to the bottom (SB_BOTTOM), told as a change of the view like the caret's;
    // the next change of the content shows its start again, until the next scroll.
    void scrollToEnd();
    bool scrolledToEnd() const { return m_scrolledToEnd; }

    bool wantTabs() const { return m_wantTabs; }
    void setWantTabs(bool wantTabs) { m_wantTabs = wantTabs; }
    bool plainText() const { return m_plainText; }
    void setPlainText(bool plainText) { m_plainText = plainText; }

protected:
    bool wantsReturn() const override { return true; }
    void keyPress(QChar ch) override;
    void textChanged() override;
    void replaceText(int start, int length, const QString& inserted) override;

private:
    void storeRuns();
    void runsChanged(std::optional<RichTextEdit> edit);

    std::vector<TextRun> m_runs;
    Font m_selAttributes;
    bool m_wantTabs = false;
    bool m_plainText = false;
    bool m_scrolledToEnd = false;
    quint64 m_runsRevision = 0;
    std::optional<RichTextEdit> m_lastEdit;
};

}  // namespace ui
