#include "platform/ui/RichEdit.h"

#include <iterator>

namespace ui {

RichEdit::RichEdit(Form& form, const QString& name) : CustomEdit(form, name), m_selAttributes(font()) {}

void RichEdit::textChanged()
{
    m_scrolledToEnd = false;
    m_runs.clear();
    if (!text().isEmpty())
        m_runs.push_back(TextRun{text(), font()});
    notify(Property::RichText);
    CustomEdit::textChanged();
}

namespace {

// Adds a piece at the end of runs, merged into the last run when it has the same font.
void appendRun(std::vector<TextRun>& runs, QString piece, const Font& font)
{
    if (piece.isEmpty())
        return;
    if (!runs.empty() && runs.back().font == font)
        runs.back().text += piece;
    else
        runs.push_back(TextRun{std::move(piece), font});
}

}  // namespace

void RichEdit::setRuns(const std::vector<TextRun>& runs)
{
    m_runs.clear();
    for (const TextRun& run : runs)
        appendRun(m_runs, run.text, run.font);
    storeRuns();
    setSelStart(0);
    change();
}

void RichEdit::replaceText(int start, int length, const QString& inserted)
{
    // Only the runs around the edit are rebuilt, in place; they are looked for from the end,
    // where a sheet being built grows.
    if (m_runs.empty()) {
        appendRun(m_runs, inserted, m_selAttributes);
    } else {
        // The first run ending at or after start, and the run holding the end of the replaced range.
        size_t first = m_runs.size() - 1;
        int firstStart = int(text().size() - m_runs[first].text.size());
        while (first > 0 && firstStart >= start) {
            --first;
            firstStart -= int(m_runs[first].text.size());
        }
        const int end = start + length;
        size_t last = first;
        int lastStart = firstStart;
        while (last + 1 < m_runs.size() && lastStart + int(m_runs[last].text.size()) < end) {
            lastStart += int(m_runs[last].text.size());
            ++last;
        }
        // The neighbours go through the merge too, so that equal fonts meeting join.
        size_t from = first, to = last + 1;
        std::vector<TextRun> rebuilt;
        QString tail = m_runs[last].text.mid(end - lastStart);
        const Font tailFont = m_runs[last].font;
        TextRun head = std::move(m_runs[first]);
        head.text.truncate(start - firstStart);
        if (from > 0) {
            --from;
            rebuilt.push_back(std::move(m_runs[from]));
        }
        appendRun(rebuilt, std::move(head.text), head.font);
        appendRun(rebuilt, inserted, m_selAttributes);
        appendRun(rebuilt, std::move(tail), tailFont);
        if (to < m_runs.size()) {
            appendRun(rebuilt, std::move(m_runs[to].text), m_runs[to].font);
            ++to;
        }
        const auto at = m_runs.erase(m_runs.begin() + qsizetype(from), m_runs.begin() + qsizetype(to));
        m_runs.insert(at, std::make_move_iterator(rebuilt.begin()), std::make_move_iterator(rebuilt.end()));
    }
    m_scrolledToEnd = false;
    CustomEdit::replaceText(start, length, inserted);
    notify(Property::RichText);
}

void RichEdit::storeRuns()
{
    m_scrolledToEnd = false;
    QString all;
    for (const TextRun& run : m_runs)
        all += run.text;
    storeText(all);
    notify(Property::RichText);
}

void RichEdit::scrollToEnd()
{
    m_scrolledToEnd = true;
    notify(Property::Selection);
}

void RichEdit::addLine(const QString& line)
{
    setSelStart(int(text().size()));
    const bool needsBreak = !text().isEmpty() && !text().endsWith(QStringLiteral("\r\n"));
    setSelText((needsBreak ? QStringLiteral("\r\n") : QString()) + line + QStringLiteral("\r\n"));
}

void RichEdit::keyPress(QChar ch)
{
    if (ch == u'\r')
        editSelection(QStringLiteral("\r\n"));
    else if (ch == u'\t' && m_wantTabs)
        editSelection(QStringLiteral("\t"));
    else
        CustomEdit::keyPress(ch);
}

}  // namespace ui
