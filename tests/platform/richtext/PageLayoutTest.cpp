#include "platform/richtext/PageLayout.h"
#include "platform/richtext/RtfReader.h"
#include "tests/platform/richtext/RichTextFixture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTextLayout>

namespace richtext {
namespace {

// The text rectangle of the preview's A4 page without a printer (twips).
const QRect kA4Text(172, 172, 11908 - 172 - 216, 16832 - 172 - 737);

// Where each line of a paragraph ends when the whole paragraph is laid out at once, as a
// word processor's line breaking finds them.
std::vector<int> lineEndsAtOnce(const Paragraph& p, int width)
{
    QTextLayout layout(p.text(), layoutFont(p.markFormat));
    QList<QTextLayout::FormatRange> formats;
    int at = 0;
    for (const Run& run : p.runs) {
        QTextCharFormat f;
        f.setFont(layoutFont(run.format));
        formats.append({at, int(run.text.size()), f});
        at += int(run.text.size());
    }
    layout.setFormats(formats);
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(720);
    layout.setTextOption(option);
    layout.beginLayout();
    for (bool first = true;; first = false) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        const int x = p.format.leftIndent + (first ? p.format.firstLineIndent : 0);
        line.setLineWidth(width - x - p.format.rightIndent);
    }
    layout.endLayout();
    std::vector<int> ends;
    for (int i = 1; i < layout.lineCount(); ++i)
        ends.push_back(layout.lineAt(i).textStart());
    ends.push_back(at);
    return ends;
}

class PageLayoutTest : public ::testing::Test {
protected:
    PageLayoutTest() { testing::ensureGuiApplication(); }

    // Checks what every pagination promises: each page moves on, the last ends the document.
    static void expectCovers(const std::vector<int>& ends, const Document& d)
    {
        ASSERT_FALSE(ends.empty());
        int previous = 0;
        for (int end : ends) {
            EXPECT_TRUE(end > previous || (d.isEmpty() && end == 0));
            previous = end;
        }
        EXPECT_EQ(ends.back(), d.length());
    }
};

TEST_F(PageLayoutTest, AnEmptyDocumentIsOneBlankPage)
{
    const Document empty;
    EXPECT_EQ(PageLayout(empty).paginate(kA4Text), std::vector<int>{0});
}

TEST_F(PageLayoutTest, PagesHoldWholeLinesAndEveryPageButTheLastIsFull)
{
    const Document d = testing::lines(300);
    const std::vector<int> ends = PageLayout(d).paginate(kA4Text);
    expectCovers(ends, d);
    ASSERT_GT(ends.size(), 2u);
    // "Ligne N" paragraphs: each page ends just after a paragraph end.
    const QString text = d.plainText().replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    for (size_t i = 0; i + 1 < ends.size(); ++i)
        EXPECT_EQ(text[ends[i] - 1], u'\r') << "page " << i + 1;
    const int perPage = int(text.left(ends[0]).count(u'\r'));
    EXPECT_EQ(int(ends.size()), (300 + perPage - 1) / perPage);
    // A 10-point line is 11.3 points high: some 70 lines fit on the page.
    EXPECT_NEAR(perPage, 70, 6);
}

TEST_F(PageLayoutTest, LinesThatCannotFitStillMoveOn)
{
    Document longWord;
    longWord.append(QString(5000, u'X'), testing::format("Arial", 12));
    Document huge;
    huge.append(QStringLiteral("A B C"), testing::format("Arial", 1600));
    // A file may ask for any size; the rich-edit control stops at 1638 points.
    CharFormat absurd = testing::format("Arial", 10);
    absurd.halfPoints = 5'000'000;
    Document absurdlyLarge;
    absurdlyLarge.append(QStringLiteral("A B"), absurd);
    Document tabs;
    tabs.append(QString(3000, u'\t') + QStringLiteral("fin"), testing::format("Arial", 10));
    const struct { const char* name; const Document& document; QRect rect; } cases[] = {
        {"a word longer than the line", longWord, QRect(0, 0, 2000, 2000)},
        {"a font taller than the page", huge, kA4Text},
        {"a font larger than any", absurdlyLarge, kA4Text},
        {"a text rectangle without height", testing::lines(5), QRect(0, 0, 5000, 0)},
        {"a text rectangle without width", testing::lines(3), QRect(0, 0, 0, 5000)},
        {"tabs past the right edge", tabs, QRect(0, 0, 3000, 3000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<int> ends = PageLayout(c.document).paginate(c.rect);
        expectCovers(ends, c.document);
    }
    EXPECT_GE(PageLayout(huge).paginate(kA4Text).size(), 2u);  // a line to a page
}

TEST_F(PageLayoutTest, AVeryLongWordBreaksWhereTheWholeParagraphLaidOutAtOnceBreaksIt)
{
    QString word;
    for (int i = 0; i < 30000; ++i)
        word += QStringLiteral("AVAWTaToYoLTfi.")[i % 15];
    const CharFormat arial = testing::format("Arial", 10);
    CharFormat bold = testing::format("Arial", 14);
    bold.bold = true;
    Document alone;
    alone.append(word, arial);
    Document amongWords;
    amongWords.append(QStringLiteral("Un deux\ttrois ") + word.left(9000) + QStringLiteral(" quatre\u2028cinq ") +
                          word.left(5000) + QStringLiteral(" six sept"),
                      arial);
    ParagraphFormat hanging;
    hanging.leftIndent = 400;
    hanging.firstLineIndent = -300;
    hanging.rightIndent = 250;
    amongWords.setParagraphFormat(hanging);
    Document inTwoFonts;
    for (int i = 0; i < 12; ++i)
        inTwoFonts.append(word.mid(i * 700, 700), i % 2 ? bold : arial);
    const struct { const char* name; const Document& document; } cases[] = {
        {"one word", alone}, {"among words, tabs and a line break, hanging", amongWords}, {"in two fonts", inTwoFonts}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A text rectangle one line high: each page ends where its one line does.
        const QRect oneLine(0, 0, kA4Text.width(), 1);
        EXPECT_EQ(PageLayout(c.document).paginate(oneLine), lineEndsAtOnce(c.document.paragraphs()[0], oneLine.width()));
    }
}

// Paragraphs whose one line is known without laying them out are measured so: the pages end
// where drawing them, every line laid out by Qt, ends them.
TEST_F(PageLayoutTest, PagesEndWhereDrawingThemLineByLineEndsThem)
{
    const CharFormat arial = testing::format("Arial", 10);
    CharFormat timesBold = testing::format("Times New Roman", 24);
    timesBold.bold = true;
    CharFormat courierItalic = testing::format("Courier New", 8);
    courierItalic.italic = true;
    CharFormat underlined = testing::format("Lato", 14, qRgb(0x80, 0, 0));
    underlined.underline = true;
    CharFormat tiny = testing::format("Arial", 1);
    tiny.halfPoints = 1;
    const QString words = QStringLiteral("Le petit prince demanda au renard apprivoisé ce que voulait dire créer des "
                                         "liens, et le renard répondit longuement. ");

    // Paragraphs of one word more each: their lines go from far within the width to past it.
    Document growing;
    for (int i = 1; i <= 160; ++i)
        growing.append(words.repeated(3).section(u' ', 0, i - 1) + QStringLiteral("\r\n"), i % 3 ? arial : timesBold);
    Document mixed;
    for (int i = 0; i < 120; ++i) {
        // The same formats in another order, and each alone.
        const CharFormat* formats[] = {&arial, &timesBold, &courierItalic, &underlined};
        for (int k = 0; k <= i % 4; ++k)
            mixed.append(QStringLiteral("mot%1 ").arg(i * k), *formats[(i + k) % 4]);
        mixed.append(QStringLiteral("\r\n"), *formats[i % 4]);
    }
    Document emptyParagraphs;
    for (int points : {72, 6, 10, 72, 200, 8}) {
        emptyParagraphs.append(QStringLiteral("\r\n\r\n"), testing::format("Arial", points));
        emptyParagraphs.append(QStringLiteral("Court"), arial);
        emptyParagraphs.append(QStringLiteral("\r\n"), testing::format("Arial", points));
    }
    Document tabsAndBreaks;
    for (int i = 0; i < 60; ++i)
        tabsAndBreaks.append(QStringLiteral("Nom\tPrénom\tClasse %1\r\nLigne\u2028coupée\r\n%2")
                                 .arg(i)
                                 .arg(i % 7 ? QString() : QStringLiteral("\f")),
                             arial);
    Document longWords;
    longWords.append(QString(3000, u'W') + QStringLiteral("\r\ncourt\r\n"), arial);
    longWords.append(QString(1100, u'i') + QStringLiteral("\r\n"), tiny);
    longWords.append(QStringLiteral("fin"), arial);
    Document otherCharacters;
    for (const char16_t* text :
         {u"« L'été — 5 € … » ‘Œuvres’ ƒ™", u"Ελληνικά κείμενα", u"עברית מימין לשמאל", u"e\u0301te\u0301 combine\u0301",
          u"漢字の段落", u"insé\u00ADcable\u00A0espace", u"\U0001F600 souriant", u"Ende\u200Fmarque"}) {
        for (const CharFormat* format : std::initializer_list<const CharFormat*>{&arial, &timesBold, &courierItalic})
            otherCharacters.append(QString::fromUtf16(text) + QStringLiteral("\r\n"), *format);
    }
    Document aligned;
    for (int i = 0; i < 90; ++i) {
        ParagraphFormat format;
        format.alignment = Alignment(i % 4);
        format.leftIndent = (i % 5) * 700 - 700;
        format.firstLineIndent = (i % 3 - 1) * 500;
        format.rightIndent = (i % 7) * 900;
        aligned.setParagraphFormat(format);
        aligned.append(words.left(i * 3 + 1) + QStringLiteral("\r\n"), i % 2 ? arial : underlined);
    }

    const struct {
        const char* name;
        const Document& document;
    } documents[] = {
        {"lines of one format", testing::lines(300)},
        {"lines that wrap", growing},
        {"formats mixed in lines", mixed},
        {"empty paragraphs of large marks", emptyParagraphs},
        {"tabs, line breaks and page breaks", tabsAndBreaks},
        {"long words", longWords},
        {"characters of other scripts and faces", otherCharacters},
        {"aligned and indented", aligned},
    };
    const QRect rects[] = {kA4Text, QRect(0, 0, 3000, 5000), QRect(500, 300, kA4Text.width(), 1500)};
    for (const auto& d : documents) {
        for (const QRect& rect : rects) {
            SCOPED_TRACE(::testing::Message() << d.name << " in " << rect.width() << "x" << rect.height());
            const std::vector<int> ends = PageLayout(d.document).paginate(rect);
            expectCovers(ends, d.document);
            EXPECT_EQ(ends, testing::drawnPageEnds(d.document, rect));
        }
    }
}

TEST_F(PageLayoutTest, ExtremeIndentsOfAFileStillLayOutEveryLine)
{
    const char* const rtfs[] = {
        "{\\rtf1 \\li2147483647 \\ri2147483647 \\fi2147483647 Un deux trois\\par}",
        "{\\rtf1 \\li-2147483648 \\ri-2147483648 \\fi-2147483648 Un deux trois\\par}",
        "{\\rtf1 \\li2147483647 \\fi-2147483648 \\ri-2147483648 Un deux trois\\par}",
        "{\\rtf1 \\li-2147483648 \\fi2147483647 \\ri2147483647 Un deux trois\\par}",
    };
    for (const char* rtf : rtfs) {
        SCOPED_TRACE(rtf);
        const Document d = readRtf(QByteArray(rtf));
        PageLayout layout(d);
        const std::vector<int> ends = layout.paginate(kA4Text);
        expectCovers(ends, d);
        QImage page(200, 280, QImage::Format_RGB32);
        QPainter painter(&page);
        painter.scale(200 / 11908.0, 280 / 16832.0);
        EXPECT_EQ(layout.render(FormatRange{0, -1, kA4Text}, painter), d.length());
    }
}

TEST_F(PageLayoutTest, APageBreakStartsANewPageAndAFinalParagraphEndAddsNone)
{
    Document d;
    d.append(QStringLiteral("un\fdeux\r\n"), testing::format("Arial", 10));
    EXPECT_EQ(PageLayout(d).paginate(kA4Text), (std::vector<int>{3, d.length()}));
}

TEST_F(PageLayoutTest, ThePageEndsAreTheSameWhereverThePageIsDrawn)
{
    // Measured once in twips, drawn at any resolution: the text drawn fits its rectangle.
    const Document d = testing::lines(100);
    PageLayout layout(d);
    const std::vector<int> ends = layout.paginate(kA4Text);
    for (int dpi : {96, 300}) {
        QImage page(11908 * dpi / 1440, 16832 * dpi / 1440, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.scale(dpi / 1440.0, dpi / 1440.0);
        EXPECT_EQ(layout.render(FormatRange{0, ends[0], kA4Text}, painter), ends[0]);
        painter.end();
        const int bottom = (kA4Text.bottom() + 1) * dpi / 1440;
        bool inkBelow = false, inkInside = false;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128)
                    (y > bottom ? inkBelow : inkInside) = true;
        EXPECT_TRUE(inkInside) << dpi;
        EXPECT_FALSE(inkBelow) << dpi;
    }
}

}  // namespace
}  // namespace richtext
