#pragma once
// A rich-edit document: paragraphs of text runs, each run in one character format. Positions
// count UTF-16 units, and each paragraph end counts one, as the rich-edit control counts them;
// the last paragraph has no end of its own.
#include <QRgb>
#include <QString>
#include <vector>

namespace richtext {

struct CharFormat {
    QString face = QStringLiteral("MS Sans Serif");
    int halfPoints = 16;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QRgb color = qRgb(0, 0, 0);

    double points() const { return halfPoints / 2.0; }
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

enum class Alignment { Left, Center, Right, Justify };

// Lengths in twips (1440 to the inch).
struct ParagraphFormat {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;  // from the left indent; negative for a hanging first line
    std::vector<int> tabStops;  // from the left edge of the text; past the last, every 720 twips
    bool pageBreakBefore = false;

    friend bool operator==(const ParagraphFormat&, const ParagraphFormat&) = default;
};

struct Run {
    QString text;  // never empty, no paragraph end inside (a line break within it is U+2028)
    CharFormat format;

    friend bool operator==(const Run&, const Run&) = default;
};

struct Paragraph {
    std::vector<Run> runs;
    ParagraphFormat format;
    CharFormat markFormat;  // the paragraph end's font: the height of an empty paragraph

    QString text() const;
    int length() const;
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

// The paper a word processor lays the document out on (twips). The defaults are the A4 page
// and the smallest margins the preview uses when no printer is installed.
struct PageSetup {
    int paperWidth = 11908;
    int paperHeight = 16832;
    int marginLeft = 172;
    int marginTop = 172;
    int marginRight = 216;
    int marginBottom = 737;

    friend bool operator==(const PageSetup&, const PageSetup&) = default;
};

class Document {
public:
    // One empty paragraph.
    Document();

    // Appends at the end in `format`: a CR LF pair, a lone CR and a lone LF each end a paragraph
    // (the new one takes the last paragraph's format); a form feed starts a new page.
    void append(const QString& text, const CharFormat& format);
    // Makes room for `paragraphs` paragraphs in all, for a builder that knows about how many.
    void reserve(qsizetype paragraphs) { m_paragraphs.reserve(size_t(paragraphs)); }
    // Sets the format of the last paragraph, the one appended text goes into.
    void setParagraphFormat(const ParagraphFormat& format);

    const std::vector<Paragraph>& paragraphs() const { return m_paragraphs; }
    std::vector<Paragraph>& paragraphs() { return m_paragraphs; }

    int length() const;
    bool isEmpty() const { return length() == 0; }
    // Paragraphs joined by CR LF.
    QString plainText() const;

    PageSetup page;

    friend bool operator==(const Document&, const Document&) = default;

private:
    void appendToLast(QStringView piece, const CharFormat& format);
    void startParagraph(const CharFormat& format);

    std::vector<Paragraph> m_paragraphs;
};

}  // namespace richtext
