#include "platform/richtext/RichEditContent.h"

#include "platform/ui/qt/Appearance.h"

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
    for (const ui::TextRun& run : runs)
        document.append(run.text, charFormatOf(run.font));
    return document;
}

std::vector<ui::TextRun> runsOf(const Document& document)
{
    std::vector<ui::TextRun> runs;
    const auto add = [&runs](const QString& text, const ui::Font& font) {
        if (!runs.empty() && runs.back().font == font)
            runs.back().text += text;
        else
            runs.push_back(ui::TextRun{text, font});
    };
    const auto& paragraphs = document.paragraphs();
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        for (const Run& run : paragraphs[i].runs)
            add(run.text, fontOf(run.format));
        if (i + 1 < paragraphs.size())
            add(QStringLiteral("\r\n"), fontOf(paragraphs[i].markFormat));
    }
    return runs;
}

}  // namespace richtext
