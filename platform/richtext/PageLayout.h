#pragma once
// Lays a document out page by page, as the rich-edit control's page formatting does: a range of
// the text is fitted into a text rectangle of the page, whole lines only, and the position of
// the first character that did not fit is the next page's start. Lengths are twips: text is
// measured with fonts sized in twips and unhinted, so that the page ends are the same at every
// resolution, on screen and on paper. At least one line goes on every page, so that a line
// taller than the rectangle, or a word wider than it, never stops the pagination.
#include "platform/richtext/Document.h"

#include <QFont>
#include <QRect>
#include <map>
#include <memory>
#include <span>
#include <vector>

class QPainter;
class QTextLayout;

namespace richtext {

// The installed face standing in for the document's face, sized in twips.
QFont layoutFont(const CharFormat& format);

struct FormatRange {
    int start = 0;
    int end = -1;  // -1: to the end of the document
    QRect textRect;  // twips, from the page's corner
};

class PageLayout {
public:
    explicit PageLayout(const Document& document);
    ~PageLayout();
    PageLayout(const PageLayout&) = delete;
    PageLayout& operator=(const PageLayout&) = delete;

    int length() const { return m_length; }

    // The position after the last character of range that fits (the document's length when the
    // rest fits).
    int measure(const FormatRange& range);
    // Draws the lines of range that fit; the painter's unit is the twip, from the page's corner.
    // Returns what measure returns.
    int render(const FormatRange& range, QPainter& painter);
    // Forgets the laid out paragraphs (the rich-edit control's null request).
    void clearCache();

    // For each page, the position after its last character; an empty document is one page.
    // Asked again for the same rectangle, the pages are not laid out again.
    std::vector<int> paginate(const QRect& textRect);

private:
    struct Line {
        const QTextLayout* layout;  // none for a line measured without laying it out
        int index;
        int start;  // from the paragraph's start
        qreal height;
    };
    struct Laid;
    int walk(const FormatRange& range, QPainter* painter);
    int place(const FormatRange& range, QPainter* painter);
    std::span<const Line> linesOf(size_t paragraph, int width, bool drawn);
    bool fitsOnOneLine(const Paragraph& paragraph, int width);
    Laid& laid(size_t paragraph, int width);
    struct Fonts;
    void layOut(Laid& laid, const Paragraph& paragraph, int width);

    const Document& m_document;
    std::vector<int> m_starts;
    int m_length = 0;
    // Only the paragraphs of the last range walked stay laid out: the next page starts in the
    // last of them, and a page drawn again finds its own.
    std::vector<std::unique_ptr<Laid>> m_cache;
    // Each format's font and text format, made once.
    std::unique_ptr<Fonts> m_fonts;
    std::vector<size_t> m_held;
    unsigned m_walk = 0;
    // A paragraph that certainly fits on one line is one line as high as its formats make it:
    // measured once for each set of formats, by laying out the first paragraph that has it.
    std::map<std::vector<int>, qreal> m_oneLineHeights;
    std::vector<int> m_formatSet;
    Line m_oneLine{};
    QRect m_paginatedRect;
    std::vector<int> m_pageEnds;
};

}  // namespace richtext
