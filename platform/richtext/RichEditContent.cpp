#include "platform/richtext/RichEditContent.h"

#include "platform/ui/qt/Appearance.h"

#include <algorithm>

namespace richtext {

CharFormat charFormatOf(const ui::Font& font)
{
    CharFormat f;
    f.face = font.name;
    f.halfPoints = font.size * 2;
    f.bold = font.bold;
    f.italic = font.italic;
    f.underline = font.underline;
    f.color = uiqt::toQColor(font.color).rgb();
    return f;
}

ui::Font fontOf(const CharFormat& format)
{
    ui::Font font;
    font.name = format.face;
    font.size = (format.halfPoints + 1) / 2;
    font.bold = format.bold;
    font.italic = format.italic;
    font.underline = format.underline;
    font.color = ui::Color::fromRgb(format.color & 0xFFFFFF);
    return font;
}

Document documentOf(const std::vector<ui::TextRun>& runs)
{
    Document document;
    // Room for every paragraph at once: each end is one or two of these characters.
    qsizetype ends = 0;
    for (const ui::TextRun& run : runs)
        for (const QChar c : run.text)
            ends += c == u'\r' || c == u'\n' || c == u'\f';
    document.reserve(ends + 1);
    for (const ui::TextRun& run : runs)
        document.append(run.text, charFormatOf(run.font));
    return document;
}

std::vector<ui::TextRun> runsOf(const Document& document)
{
    static const QString crlf = QStringLiteral("\r\n");
    std::vector<ui::TextRun> runs;
    // The texts of the run being gathered, joined at once when its font ends; a text alone
    // stays shared.
    std::vector<const QString*> pieces;
    ui::Font font;
    const CharFormat* format = nullptr;  // of the last text added, whose font is `font`
    const auto endRun = [&] {
        if (pieces.size() == 1) {
            runs.push_back(ui::TextRun{*pieces.front(), font});
        } else {
            qsizetype size = 0;
            for (const QString* piece : pieces)
                size += piece->size();
            QString text(size, Qt::Uninitialized);
            QChar* out = text.data();
            for (const QString* piece : pieces)
                out = std::copy(piece->begin(), piece->end(), out);
            runs.push_back(ui::TextRun{std::move(text), font});
        }
        pieces.clear();
    };
    const auto add = [&](const QString& text, const CharFormat& f) {
        if (!format || !(*format == f)) {
            ui::Font next = fontOf(f);
            if (!pieces.empty() && !(next == font))
                endRun();
            font = std::move(next);
            format = &f;
        }
        pieces.push_back(&text);
    };
    const auto& paragraphs = document.paragraphs();
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        for (const Run& run : paragraphs[i].runs)
            add(run.text, run.format);
        if (i + 1 < paragraphs.size())
            add(crlf, paragraphs[i].markFormat);
    }
    if (!pieces.empty())
        endRun();
    return runs;
}

}  // namespace richtext
