#include "platform/richtext/PageLayout.h"

#include "platform/ui/qt/Appearance.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace richtext {

namespace {

constexpr int kTwipsPerPoint = 20;
// The rich-edit control's largest font, 1638 points: a file asking for more gets that.
constexpr int kMaxHalfPoints = 3276;
constexpr int kDefaultTabStop = 720;

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

struct PageLayout::Laid {
    QTextLayout layout;
    int width = -1;
};

PageLayout::PageLayout(const Document& document) : m_document(document)
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
    for (auto& entry : m_cache)
        entry.reset();
}

PageLayout::Laid& PageLayout::laid(size_t index, int width)
{
    std::unique_ptr<Laid>& entry = m_cache[index];
    if (entry && entry->width == width)
        return *entry;
    entry = std::make_unique<Laid>();
    entry->width = width;
    const Paragraph& p = m_document.paragraphs()[index];
    QTextLayout& layout = entry->layout;
    layout.setText(p.text());
    layout.setFont(layoutFont(p.markFormat));
    QList<QTextLayout::FormatRange> formats;
    int at = 0;
    for (const Run& run : p.runs) {
        formats.append(QTextLayout::FormatRange{at, int(run.text.size()), textFormat(run.format)});
        at += int(run.text.size());
    }
    layout.setFormats(formats);
    QTextOption option(qtAlignment(p.format.alignment));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(kDefaultTabStop);
    QList<QTextOption::Tab> tabs;
    for (int stop : p.format.tabStops)
        tabs.append(QTextOption::Tab(stop, QTextOption::LeftTab));
    option.setTabs(tabs);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (bool first = true;; first = false) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        const int x = clampedIndent(p.format.leftIndent) + (first ? clampedIndent(p.format.firstLineIndent) : 0);
        line.setLineWidth(qreal(std::max<qint64>(1, qint64(width) - x - clampedIndent(p.format.rightIndent))));
        line.setPosition(QPointF(x, y));
        y += line.height();
    }
    layout.endLayout();
    return *entry;
}

int PageLayout::walk(const FormatRange& range, QPainter* painter)
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
        QTextLayout& layout = laid(p, width).layout;
        int first = 0;
        for (int i = 0; i < layout.lineCount(); ++i)
            if (layout.lineAt(i).textStart() <= offset)
                first = i;
        for (int i = first; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const int lineStart = m_starts[p] + line.textStart();
            if (placedAny && (y + line.height() > height || lineStart >= end))
                return lineStart;
            if (painter)
                line.draw(painter, QPointF(range.textRect.left(), range.textRect.top() + y - line.y()));
            y += line.height();
            placedAny = true;
        }
    }
    return m_length;
}

int PageLayout::measure(const FormatRange& range) { return walk(range, nullptr); }

int PageLayout::render(const FormatRange& range, QPainter& painter) { return walk(range, &painter); }

std::vector<int> PageLayout::paginate(const QRect& textRect)
{
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
    return ends;
}

}  // namespace richtext
