#include "platform/ui/RichEdit.h"

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

void RichEdit::setRuns(const std::vector<TextRun>& runs)
{
    m_runs = runs;
    storeRuns();
    setSelStart(0);
    change();
}

void RichEdit::replaceText(int start, int length, const QString& inserted)
{
    std::vector<TextRun> updated;
    int position = 0;
    const auto append = [&updated](const QString& piece, const Font& font) {
        if (piece.isEmpty())
            return;
        if (!updated.empty() && updated.back().font == font)
            updated.back().text += piece;
        else
            updated.push_back(TextRun{piece, font});
    };
    bool placed = false;
    for (const TextRun& run : m_runs) {
        const int runEnd = position + int(run.text.size());
        append(run.text.left(std::max(0, std::min(start, runEnd) - position)), run.font);
        if (!placed && start <= runEnd) {
            append(inserted, m_selAttributes);
            placed = true;
        }
        const int keepFrom = std::max(position, start + length);
        if (keepFrom < runEnd)
            append(run.text.mid(keepFrom - position), run.font);
        position = runEnd;
    }
    if (!placed)
        append(inserted, m_selAttributes);
    m_runs = std::move(updated);
    storeRuns();
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
