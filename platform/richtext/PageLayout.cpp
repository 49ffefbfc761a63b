#include "platform/richtext/PageLayout.h"

#include "platform/richtext/GlyphSubstitutions.h"
#include "platform/ui/qt/Appearance.h"

#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>

namespace richtext {

namespace {

constexpr int kTwipsPerPoint = 20;
// The rich-edit control's largest font, 1638 points: a file asking for more gets that.
constexpr int kMaxHalfPoints = 3276;
constexpr int kDefaultTabStop = 720;
// Qt measures the whole rest of a word for each line it breaks inside it: a paragraph with a
// longer word is laid out a stretch at a time, each stretch reaching past the lines kept of it.
constexpr int kLongWord = 1024;
// Qt shapes a paragraph in pieces of at most this many characters from its start, with no
// kerning across their ends: a stretch is no longer, and is cut where the paragraph is.
constexpr int kShapedPiece = 4096;

QTextCharFormat textFormat(const CharFormat& format)
{
    QTextCharFormat f;
    f.setFont(layoutFont(format));
    f.setForeground(QColor::fromRgb(format.color));
    return f;
}

Qt::Alignment qtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Left: return Qt::AlignLeft;
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Justify: return Qt::AlignJustify;
    }
    return Qt::AlignLeft;
}

// A file may give any indent: beyond the widest page RTF knows (22 inches) they all leave a
// line of its least width, and the sums stay far from overflowing.
int clampedIndent(int twips)
{
    constexpr int kWidestPage = 22 * 1440;
    return std::clamp(twips, -kWidestPage, kWidestPage);
}

bool hasLongWord(const QString& text)
{
    int word = 0;
    for (QChar c : text) {
        word = c.isSpace() ? 0 : word + 1;
        if (word > kLongWord)
            return true;
    }
    return false;
}

// The characters whose line is known without laying it out: the letters, digits and punctuation
// of the Windows code page, none of which joins, combines, breaks or turns the direction of a line.
constexpr char16_t kQuickFirst = 0x20, kQuickAsciiEnd = 0x7F, kQuickLatinFirst = 0xA1, kQuickLatinEnd = 0x180;
constexpr char16_t kQuickPunctuation[] = {0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x2020,
                                          0x2021, 0x2022, 0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122};
constexpr int kQuickLatinAt = kQuickAsciiEnd - kQuickFirst;
constexpr int kQuickPunctuationAt = kQuickLatinAt + kQuickLatinEnd - kQuickLatinFirst;
constexpr int kQuickCount = kQuickPunctuationAt + int(std::size(kQuickPunctuation));

// The character's place among them; -1 for any other.
int quickIndex(char16_t c)
{
    if (c >= kQuickFirst && c < kQuickAsciiEnd)
        return c - kQuickFirst;
    if (c >= kQuickLatinFirst && c < kQuickLatinEnd)
        return c == 0xAD ? -1 : kQuickLatinAt + c - kQuickLatinFirst;
    const char16_t* found = std::lower_bound(std::begin(kQuickPunctuation), std::end(kQuickPunctuation), c);
    return found != std::end(kQuickPunctuation) && *found == c
               ? kQuickPunctuationAt + int(found - std::begin(kQuickPunctuation))
               : -1;
}

// A line whose characters' widths add up to this part of its width, with an em to spare, fits
// whatever kerning and overhanging glyphs make of it.
constexpr qreal kSureShare = 0.8;

// The widest that `face` may draw each quick character, by its glyphs' advances and what its
// substitutions may put in their place.
std::vector<qreal> measureQuickCharacters(const QRawFont& face)
{
    std::vector<qreal> widths(kQuickCount, -1);
    const QByteArray gsub = face.fontTable("GSUB");
    const std::optional<GlyphSubstitutes> substitutes =
        gsub.isEmpty() ? GlyphSubstitutes() : readGlyphSubstitutes(gsub);
    // Substitutions of the other kind of table are not told.
    if (!substitutes || !face.fontTable("morx").isEmpty() || !face.fontTable("mort").isEmpty())
        return widths;
    QString characters;
    for (char16_t c = kQuickFirst; c < kQuickLatinEnd; ++c)
        if (quickIndex(c) >= 0)
            characters += QChar(c);
    for (char16_t c : kQuickPunctuation)
        characters += QChar(c);
    const QList<quint32> glyphs = face.glyphIndexesForString(characters);
    QList<quint32> named = glyphs;
    for (auto it = substitutes->cbegin(); it != substitutes->cend(); ++it)
        named << it.key() << it.value();
    const QList<QPointF> advances = face.advancesForGlyphIndexes(named);
    QHash<quint32, qreal> advanceOf;
    for (qsizetype i = 0; i < named.size() && i < advances.size(); ++i)
        advanceOf.insert(named[i], advances[i].x());
    const std::optional<QHash<quint32, qreal>> widest = widestSubstitutes(*substitutes, advanceOf);
    if (!widest)
        return widths;
    for (qsizetype i = 0; i < characters.size() && i < glyphs.size(); ++i)
        if (glyphs[i] != 0)
            widths[size_t(quickIndex(characters[i].unicode()))] = widest->value(glyphs[i]);
    return widths;
}

}  // namespace

QFont layoutFont(const CharFormat& format)
{
    QFont font(uiqt::fontFamily(format.face));
    font.setPixelSize(std::clamp(format.halfPoints, 1, kMaxHalfPoints) * kTwipsPerPoint / 2);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(format.bold);
    font.setItalic(format.italic);
    font.setUnderline(format.underline);
    return font;
}

struct PageLayout::Fonts {
    struct Made {
        QFont font;
        QTextCharFormat format;
        int id;
        // The widest that the face itself may draw each quick character, its substitutions
        // allowed for; -1 where the face has no glyph for it (another face would draw it), and for
        // every character when the face's substitutions cannot be told. Taken when first asked.
        std::vector<qreal> widths;

        const std::vector<qreal>& quickWidths()
        {
            if (widths.empty())
                widths = measureQuickCharacters(QRawFont::fromFont(font));
            return widths;
        }
    };
    QHash<QString, std::vector<std::pair<CharFormat, Made>>> byFace;
    int count = 0;

    Made& of(const CharFormat& format)
    {
        std::vector<std::pair<CharFormat, Made>>& made = byFace[format.face];
        for (auto& [known, fonts] : made)
            if (known == format)
                return fonts;
        made.push_back({format, Made{layoutFont(format), textFormat(format), count++, {}}});
        return made.back().second;
    }
};

struct PageLayout::Laid {
    std::vector<std::unique_ptr<QTextLayout>> layouts;
    std::vector<Line> lines;
    int width = -1;
    unsigned walk = 0;
};

PageLayout::PageLayout(const Document& document) : m_document(document), m_fonts(std::make_unique<Fonts>())
{
    int position = 0;
    for (const Paragraph& p : document.paragraphs()) {
        m_starts.push_back(position);
        position += p.length() + 1;
    }
    m_length = document.length();
    m_cache.resize(document.paragraphs().size());
}

PageLayout::~PageLayout() = default;

void PageLayout::clearCache()
{
    for (size_t index : m_held)
        m_cache[index].reset();
    m_held.clear();
}

PageLayout::Laid& PageLayout::laid(size_t index, int width)
{
    std::unique_ptr<Laid>& entry = m_cache[index];
    if (!entry || entry->width != width) {
        entry = std::make_unique<Laid>();
        entry->width = width;
        layOut(*entry, m_document.paragraphs()[index], width);
    }
    if (entry->walk != m_walk) {
        entry->walk = m_walk;
        m_held.push_back(index);
    }
    return *entry;
}

void PageLayout::layOut(Laid& laid, const Paragraph& p, int width)
{
    const QString text = p.text();
    QList<QTextLayout::FormatRange> formats;
    int at = 0;
    for (const Run& run : p.runs) {
        formats.append(QTextLayout::FormatRange{at, int(run.text.size()), m_fonts->of(run.format).format});
        at += int(run.text.size());
    }
    QTextOption option(qtAlignment(p.format.alignment));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(kDefaultTabStop);
    QList<QTextOption::Tab> tabs;
    for (int stop : p.format.tabStops)
        tabs.append(QTextOption::Tab(stop, QTextOption::LeftTab));
    option.setTabs(tabs);
    const bool inStretches = hasLongWord(text);
    // A stretch taken from the middle reads its direction from the whole paragraph.
    if (inStretches && option.textDirection() == Qt::LayoutDirectionAuto)
        option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);

    const QFont markFont = m_fonts->of(p.markFormat).font;
    qsizetype firstFormat = 0;
    // Lays out text[from, from + length) from height y; returns the layout.
    const auto layOutStretch = [&](int from, int length, qreal y) {
        auto layout = std::make_unique<QTextLayout>();
        layout->setText(text.mid(from, length));
        layout->setFont(markFont);
        while (firstFormat < formats.size() && formats[firstFormat].start + formats[firstFormat].length <= from)
            ++firstFormat;
        QList<QTextLayout::FormatRange> clipped;
        for (qsizetype i = firstFormat; i < formats.size() && formats[i].start < from + length; ++i) {
            const int end = std::min(formats[i].start + formats[i].length, from + length);
            // A format's ends are piece ends too: the paragraph's are added inside the stretch.
            for (int start = std::max(formats[i].start, from); start < end;) {
                const int pieceEnd = std::min(end, (start / kShapedPiece + 1) * kShapedPiece);
                clipped.append(QTextLayout::FormatRange{start - from, pieceEnd - start, formats[i].format});
                start = pieceEnd;
            }
        }
        layout->setFormats(clipped);
        layout->setTextOption(option);
        layout->beginLayout();
        for (bool first = from == 0;; first = false) {
            QTextLine line = layout->createLine();
            if (!line.isValid())
                break;
            const int x = clampedIndent(p.format.leftIndent) + (first ? clampedIndent(p.format.firstLineIndent) : 0);
            line.setLineWidth(qreal(std::max<qint64>(1, qint64(width) - x - clampedIndent(p.format.rightIndent))));
            line.setPosition(QPointF(x, y));
            y += line.height();
        }
        layout->endLayout();
        return layout;
    };

    const int length = int(text.size());
    int from = 0;
    qreal y = 0;
    int stretch = inStretches ? kShapedPiece : length;
    do {
        const int taken = std::min(stretch, length - from);
        std::unique_ptr<QTextLayout> layout = layOutStretch(from, taken, y);
        const bool toTheEnd = from + taken == length;
        const int count = layout->lineCount();
        // Every line but the last of a stretch is the paragraph's own: its break was found
        // before the end of the stretch.
        if (!toTheEnd && count < 2) {
            stretch *= 2;
            continue;
        }
        const int kept = toTheEnd ? count : count - 1;
        for (int i = 0; i < kept; ++i) {
            const QTextLine line = layout->lineAt(i);
            laid.lines.push_back({layout.get(), i, from + line.textStart(), line.height()});
            y += line.height();
        }
        from = toTheEnd ? length : from + layout->lineAt(kept).textStart();
        laid.layouts.push_back(std::move(layout));
    } while (from < length);
}

std::span<const PageLayout::Line> PageLayout::linesOf(size_t index, int width, bool drawn)
{
    if (drawn || !fitsOnOneLine(m_document.paragraphs()[index], width))
        return laid(index, width).lines;
    const auto known = m_oneLineHeights.find(m_formatSet);
    if (known != m_oneLineHeights.end()) {
        m_oneLine = Line{nullptr, 0, 0, known->second};
        return {&m_oneLine, 1};
    }
    const std::vector<Line>& lines = laid(index, width).lines;
    if (lines.size() == 1)
        m_oneLineHeights.emplace(m_formatSet, lines.front().height);
    return lines;
}

// Whether the paragraph certainly fits on one line of the width; its formats are left in
// m_formatSet, the mark's first (negative when it holds no text), then the text's, each once.
bool PageLayout::fitsOnOneLine(const Paragraph& p, int width)
{
    if (p.format.alignment == Alignment::Justify)
        return false;
    const Fonts::Made& mark = m_fonts->of(p.markFormat);
    m_formatSet.assign(1, p.runs.empty() ? -1 - mark.id : mark.id);
    const qint64 x = qint64(clampedIndent(p.format.leftIndent)) + clampedIndent(p.format.firstLineIndent);
    const qint64 lineWidth = std::max<qint64>(1, width - x - clampedIndent(p.format.rightIndent));
    qreal textWidth = 0;
    int em = 0;
    int length = 0;
    for (const Run& run : p.runs) {
        length += int(run.text.size());
        if (length > kLongWord)
            return false;
        Fonts::Made& made = m_fonts->of(run.format);
        const std::vector<qreal>& widths = made.quickWidths();
        for (QChar c : run.text) {
            const int index = quickIndex(c.unicode());
            if (index < 0 || widths[size_t(index)] < 0)
                return false;
            textWidth += widths[size_t(index)];
        }
        em = std::max(em, made.font.pixelSize());
        if (std::find(m_formatSet.begin() + 1, m_formatSet.end(), made.id) == m_formatSet.end())
            m_formatSet.insert(std::upper_bound(m_formatSet.begin() + 1, m_formatSet.end(), made.id), made.id);
    }
    return textWidth + em <= kSureShare * qreal(lineWidth);
}

int PageLayout::walk(const FormatRange& range, QPainter* painter)
{
    // The paragraphs of the walk before that this one does not use are let go.
    ++m_walk;
    std::vector<size_t> before;
    before.swap(m_held);
    const int end = place(range, painter);
    for (size_t index : before)
        if (m_cache[index] && m_cache[index]->walk != m_walk)
            m_cache[index].reset();
    return end;
}

int PageLayout::place(const FormatRange& range, QPainter* painter)
{
    const int start = std::clamp(range.start, 0, m_length);
    const int end = range.end < 0 ? m_length : std::min(range.end, m_length);
    const int width = std::max(1, range.textRect.width());
    const int height = range.textRect.height();
    size_t p = size_t(std::upper_bound(m_starts.begin(), m_starts.end(), start) - m_starts.begin()) - 1;
    int offset = start - m_starts[p];
    qreal y = 0;
    bool placedAny = false;
    for (; p < m_starts.size(); ++p, offset = 0) {
        if (m_starts[p] >= end && placedAny)
            return m_starts[p];
        const Paragraph& paragraph = m_document.paragraphs()[p];
        if (paragraph.format.pageBreakBefore && offset == 0 && placedAny)
            return m_starts[p];
        const std::span<const Line> lines = linesOf(p, width, painter != nullptr);
        // The line holding the range's start.
        const auto after = std::upper_bound(lines.begin(), lines.end(), offset,
                                            [](int position, const Line& line) { return position < line.start; });
        for (auto it = after == lines.begin() ? after : after - 1; it != lines.end(); ++it) {
            const int lineStart = m_starts[p] + it->start;
            if (placedAny && (y + it->height > height || lineStart >= end))
                return lineStart;
            if (painter) {
                const QTextLine line = it->layout->lineAt(it->index);
                line.draw(painter, QPointF(range.textRect.left(), range.textRect.top() + y - line.y()));
            }
            y += it->height;
            placedAny = true;
        }
    }
    return m_length;
}

int PageLayout::measure(const FormatRange& range) { return walk(range, nullptr); }

int PageLayout::render(const FormatRange& range, QPainter& painter) { return walk(range, &painter); }

std::vector<int> PageLayout::paginate(const QRect& textRect)
{
    if (!m_pageEnds.empty() && textRect == m_paginatedRect)
        return m_pageEnds;
    std::vector<int> ends;
    int position = 0;
    // Every page takes at least one line, so each turn moves on.
    while (position < m_length) {
        const int next = measure(FormatRange{position, -1, textRect});
        if (next <= position)
            break;
        ends.push_back(next);
        position = next;
    }
    if (ends.empty())
        ends.push_back(0);
    clearCache();
    m_paginatedRect = textRect;
    m_pageEnds = ends;
    return ends;
}

}  // namespace richtext
