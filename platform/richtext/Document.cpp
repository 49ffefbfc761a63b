#include "platform/richtext/Document.h"

namespace richtext {

QString Paragraph::text() const
{
    QString all;
    for (const Run& run : runs)
        all += run.text;
    return all;
}

int Paragraph::length() const
{
    int n = 0;
    for (const Run& run : runs)
        n += int(run.text.size());
    return n;
}

Document::Document() { m_paragraphs.emplace_back(); }

void Document::appendToLast(QStringView piece, const CharFormat& format)
{
    Paragraph& last = m_paragraphs.back();
    last.markFormat = format;
    if (piece.isEmpty())
        return;
    if (!last.runs.empty() && last.runs.back().format == format)
        last.runs.back().text += piece;
    else
        last.runs.push_back(Run{piece.toString(), format});
}

void Document::startParagraph(const CharFormat& format)
{
    Paragraph next;
    next.format = m_paragraphs.back().format;
    next.format.pageBreakBefore = false;
    next.markFormat = format;
    m_paragraphs.push_back(std::move(next));
}

void Document::append(const QString& text, const CharFormat& format)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n' && c != u'\f')
            continue;
        appendToLast(QStringView(text).mid(from, i - from), format);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        from = i + 1;
        startParagraph(format);
        if (c == u'\f')
            m_paragraphs.back().format.pageBreakBefore = true;
    }
    appendToLast(QStringView(text).mid(from), format);
}

void Document::setParagraphFormat(const ParagraphFormat& format) { m_paragraphs.back().format = format; }

int Document::length() const
{
    int n = int(m_paragraphs.size()) - 1;
    for (const Paragraph& p : m_paragraphs)
        n += p.length();
    return n;
}

QString Document::plainText() const
{
    QString all;
    for (size_t i = 0; i < m_paragraphs.size(); ++i) {
        if (i > 0)
            all += QStringLiteral("\r\n");
        all += m_paragraphs[i].text();
    }
    return all;
}

}  // namespace richtext
