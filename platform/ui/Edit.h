#pragma once
// Text fields. Per typed character: OnKeyPress sees the text before the character goes in, then
// the character replaces the selection at the caret, then OnChange runs. OnChange runs at once
// on every real change, nested when a handler changes the text again, never when a new text
// equals the old one. Setting the text from code puts the caret at 0.
#include "platform/ui/WinControl.h"

#include <QStringList>

namespace ui {

class CustomEdit : public WinControl {
public:
    // Caret and selection, in UTF-16 units from the start of the text.
    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }
    QString selText() const { return text().mid(m_selStart, m_selLength); }
    void setSelStart(int position);
    void setSelLength(int length);
    void selectAll();
    // Replaces the selection, leaving the caret after the new text; OnChange runs.
    void setSelText(const QString& text);

    void clear() { setText(QString()); }

    // Runs at once on every real change of the text. An exception leaving it shows in the
    // standard error box and ends only it; the change stays.
    NotifyEvent onChange;

protected:
    CustomEdit(Form& form, const QString& name);

    bool takesFocusOnClick() const override { return true; }
    void textChanged() override;
    void keyDown(quint16 vk, ShiftState shift) override;
    void keyPress(QChar ch) override;

    // The text was set from code (after the caret went to 0): OnChange, unless the control
    // reports only the user's changes.
    virtual void textSetByCode() { change(); }
    // Stores the text with [start, start + length) replaced.
    virtual void replaceText(int start, int length, const QString& inserted);
    // Replaces the selection as the user's typing does: caret after the new text, OnChange.
    void editSelection(const QString& inserted);
    // The text changed: contentChanged(), then OnChange.
    void change();
    // Reacts to a change before OnChange runs (data-aware fields mark their text modified).
    virtual void contentChanged() {}

private:
    void setSelection(int start, int length);

    int m_selStart = 0;
    int m_selLength = 0;
};

// A single-line text field. Enter does not go into it.
class Edit : public CustomEdit {
public:
    Edit(Form& form, const QString& name);
};

// A multi-line text field: Enter starts a new line (so the default button does not take it).
// Lines are separated by CR LF.
class Memo : public CustomEdit {
public:
    Memo(Form& form, const QString& name);

    // The library's view of the lines: a final CR LF does not start another line.
    QStringList lines() const;
    int lineCount() const { return int(lines().size()); }
    // Each of these sets the text as code does (caret 0, OnChange).
    void setLines(const QStringList& lines);  // every line ends with CR LF
    void addLine(const QString& line);
    // Replaces one line's characters; an index past the last line changes nothing.
    void setLine(int index, const QString& line);

protected:
    bool wantsReturn() const override { return true; }
    void keyPress(QChar ch) override;
};

}  // namespace ui
