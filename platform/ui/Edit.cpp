#include "platform/ui/Edit.h"

#include <algorithm>

namespace ui {

static const QString kLineBreak = QStringLiteral("\r\n");

CustomEdit::CustomEdit(Form& form, const QString& name) : WinControl(form, name) { setColor(colors::window); }

void CustomEdit::setSelection(int start, int length)
{
    start = std::clamp(start, 0, int(text().size()));
    length = std::clamp(length, 0, int(text().size()) - start);
    if (start == m_selStart && length == m_selLength)
        return;
    m_selStart = start;
    m_selLength = length;
    notify(Property::Selection);
}

void CustomEdit::setSelStart(int position) { setSelection(position, 0); }

void CustomEdit::setSelLength(int length) { setSelection(m_selStart, length); }

void CustomEdit::selectAll() { setSelection(0, int(text().size())); }

void CustomEdit::setSelText(const QString& text) { editSelection(text); }

void CustomEdit::textChanged()
{
    m_selStart = 0;
    m_selLength = 0;
    notify(Property::Selection);
    textSetByCode();
}

void CustomEdit::change()
{
    contentChanged();
    if (onChange)
        guarded(onChange);
}

void CustomEdit::replaceText(int start, int length, const QString& inserted)
{
    storeTextReplacing(start, length, inserted);
}

void CustomEdit::editSelection(const QString& inserted)
{
    if (inserted.isEmpty() && m_selLength == 0)
        return;
    const int start = m_selStart;
    replaceText(start, m_selLength, inserted);
    m_selStart = start + int(inserted.size());
    m_selLength = 0;
    notify(Property::Selection);
    change();
}

void CustomEdit::keyDown(quint16 vk, ShiftState shift)
{
    const int length = int(text().size());
    switch (vk) {
    case vk::Left: setSelection(m_selLength ? m_selStart : m_selStart - 1, 0); break;
    case vk::Right: setSelection(m_selLength ? m_selStart + m_selLength : m_selStart + 1, 0); break;
    case vk::Home: setSelection(0, 0); break;
    case vk::End: setSelection(length, 0); break;
    case vk::Delete:
        if (m_selLength == 0 && m_selStart < length)
            m_selLength = text().mid(m_selStart, 2) == kLineBreak ? 2 : 1;
        editSelection(QString());
        break;
    default: break;
    }
}

void CustomEdit::keyPress(QChar ch)
{
    if (ch == u'\b') {
        if (m_selLength == 0 && m_selStart > 0) {
            const int width = m_selStart >= 2 && text().mid(m_selStart - 2, 2) == kLineBreak ? 2 : 1;
            m_selStart -= width;
            m_selLength = width;
        }
        editSelection(QString());
        return;
    }
    if (ch.unicode() >= u' ')
        editSelection(QString(ch));
}

Edit::Edit(Form& form, const QString& name) : CustomEdit(form, name) {}

Memo::Memo(Form& form, const QString& name) : CustomEdit(form, name) {}

void Memo::keyPress(QChar ch)
{
    if (ch == u'\r')
        editSelection(kLineBreak);
    else
        CustomEdit::keyPress(ch);
}

QStringList Memo::lines() const
{
    if (text().isEmpty())
        return {};
    QStringList result = text().split(kLineBreak);
    if (text().endsWith(kLineBreak))
        result.removeLast();
    return result;
}

void Memo::setLines(const QStringList& lines)
{
    setText(lines.isEmpty() ? QString() : lines.join(kLineBreak) + kLineBreak);
}

void Memo::addLine(const QString& line)
{
    const QString& current = text();
    if (current.isEmpty() || current.endsWith(kLineBreak))
        setText(current + line + kLineBreak);
    else
        setText(current + kLineBreak + line);
}

void Memo::setLine(int index, const QString& line)
{
    // Only that line's characters change; an index past the last line changes nothing.
    const QString& current = text();
    qsizetype begin = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype at = current.indexOf(kLineBreak, begin);
        if (at < 0)
            return;
        begin = at + kLineBreak.size();
    }
    if (index < 0 || (begin == current.size() && index > 0))
        return;
    qsizetype end = current.indexOf(kLineBreak, begin);
    if (end < 0)
        end = current.size();
    QString updated = current;
    updated.replace(begin, end - begin, line);
    setText(updated);
}

}  // namespace ui
