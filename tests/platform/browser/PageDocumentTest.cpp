#include "platform/browser/PageDocument.h"

#include "platform/browser/HtmlSerialiser.h"
#include "platform/browser/InnerText.h"
#include "platform/browser/PageNesting.h"
#include "platform/browser/Texts.h"
#include "tests/support/HostilePages.h"

#include <QRegularExpression>
#include <gumbo.h>
#include <vector>

#include <gtest/gtest.h>

using browser::PageDocument;

namespace {

struct TextCase {
    const char* what;
    const char* body;
    const char16_t* text;
};

void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << c.what;
}

class InnerTextCases : public testing::TestWithParam<TextCase> {};

TEST_P(InnerTextCases, LaysOutTheBodyText)
{
    const TextCase& c = GetParam();
    const PageDocument page = PageDocument::fromHtml(QStringLiteral("<html><head><title>t</title></head><body>") +
                                                     QString::fromUtf8(c.body) + QStringLiteral("</body></html>"));
    EXPECT_EQ(page.innerText(), QString::fromUtf16(c.text)) << c.what;
}

const TextCase kTextCases[] = {
    {"blocks end lines with CR LF", "<div>Un</div><p>Deux</p>Trois", u"Un\r\nDeux\r\nTrois"},
    {"nested blocks give no empty line", "<div><div><p>Un</p></div></div><div>Deux</div>", u"Un\r\nDeux"},
    {"br always ends a line", "Un<br>Deux<br><br>Trois", u"Un\r\nDeux\r\n\r\nTrois"},
    {"white space collapses", "  Le   Petit\n\tPrince  ", u"Le Petit Prince"},
    {"inline elements stay on the line", "Le <b>Petit</b> <i>Prince</i>", u"Le Petit Prince"},
    {"spaces at a line's edges go", "<p> Un </p><p> Deux </p>", u"Un\r\nDeux"},
    {"script, style, noscript and template give nothing",
     "<script>var a;</script><style>p{}</style><noscript>non</noscript><template>t</template>Texte", u"Texte"},
    {"entities decoded, non-breaking space kept", "96&nbsp;pages &amp; &eacute;t&#233;", u"96\u00A0pages & été"},
    {"table cells apart, rows on lines",
     "<table><tr><td>a</td><td>b</td></tr><tr><th>c</th><td>d</td></tr></table>", u"a\tb\r\nc\td"},
    {"pre keeps its text, line ends as CR LF", "<pre>a  b\nc</pre>", u"a  b\r\nc"},
    {"list items on lines", "<ul><li>Un</li><li>Deux</li></ul>", u"Un\r\nDeux"},
    {"empty body", "", u""},
};

INSTANTIATE_TEST_SUITE_P(Pages, InnerTextCases, testing::ValuesIn(kTextCases));

TEST(PageDocument, TitleIsCollapsedTextOfTheTitle)
{
    const PageDocument page =
        PageDocument::fromHtml(QStringLiteral("<title>\n  Le Petit Prince -\n Livres &amp; BD </title><p>x"));
    EXPECT_EQ(page.title(), QStringLiteral("Le Petit Prince - Livres & BD"));
}

TEST(PageDocument, InnerHtmlIsTheHtml5SerialisationOfTheBody)
{
    const PageDocument page = PageDocument::fromHtml(QStringLiteral(
        "<HTML><BODY><LI><B>Editeur :</B> Gallimard&nbsp;(1999)<IMG SRC='a.jpg' ALT=\"x &quot;y&quot;\">"
        "<BR><p class=x>1 &lt; 2 &amp; 3</p><script>if (a < b) x();</script><!-- c --><foo-bar>z</foo-bar>"));
    EXPECT_EQ(page.innerHtml(),
              QStringLiteral("<li><b>Editeur :</b> Gallimard&nbsp;(1999)<img src=\"a.jpg\" alt=\"x &quot;y&quot;\">"
                             "<br><p class=\"x\">1 &lt; 2 &amp; 3</p><script>if (a < b) x();</script><!-- c -->"
                             "<foo-bar>z</foo-bar></li>"));
}

TEST(PageDocument, PlainTextIsItsOwnTextAndAPreformattedHtml)
{
    const PageDocument page = PageDocument::fromPlainText(QStringLiteral("a < b\r\nc & d"));
    EXPECT_EQ(page.title(), QString());
    EXPECT_EQ(page.innerText(), QStringLiteral("a < b\r\nc & d"));
    EXPECT_EQ(page.innerHtml(), QStringLiteral("<pre>a &lt; b\r\nc &amp; d</pre>"));
}

TEST(PageDocument, CancelledNavigationNamesItselfInTitleAndText)
{
    const PageDocument page = PageDocument::cancelledNavigation();
    EXPECT_EQ(page.title(), QStringLiteral("Navigation cancelled"));
    EXPECT_TRUE(page.innerText().contains(QStringLiteral("Navigation cancelled")));
    EXPECT_TRUE(page.innerHtml().contains(QStringLiteral("Navigation cancelled")));
}

}  // namespace

namespace {

// The deepest nesting of elements in serialised HTML (every element but the void ones closes).
int deepestNesting(const QString& html)
{
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-z][^\\s>/]*)"));
    static const QStringList voidTags{QStringLiteral("br"), QStringLiteral("img"), QStringLiteral("hr"),
                                      QStringLiteral("input"), QStringLiteral("meta"), QStringLiteral("link")};
    int depth = 0;
    int deepest = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (!m.captured(1).isEmpty())
            --depth;
        else if (!voidTags.contains(m.captured(2)))
            deepest = std::max(deepest, ++depth);
    }
    return deepest;
}

// A chain of `levels` div elements built directly, the innermost holding a text.
class DivChain {
public:
    explicit DivChain(int levels) : m_nodes(size_t(levels)), m_links(size_t(levels))
    {
        m_text.type = GUMBO_NODE_TEXT;
        m_text.v.text.text = "au fond";
        for (size_t i = 0; i < m_nodes.size(); ++i) {
            GumboNode& node = m_nodes[i];
            node.type = GUMBO_NODE_ELEMENT;
            node.parent = i > 0 ? &m_nodes[i - 1] : nullptr;
            node.index_within_parent = 0;
            node.v.element = GumboElement{};
            node.v.element.tag = GUMBO_TAG_DIV;
            node.v.element.tag_namespace = GUMBO_NAMESPACE_HTML;
            m_links[i] = i + 1 < m_nodes.size() ? static_cast<void*>(&m_nodes[i + 1]) : static_cast<void*>(&m_text);
            node.v.element.children = GumboVector{&m_links[i], 1, 1};
        }
    }
    const GumboNode* root() const { return &m_nodes.front(); }

private:
    std::vector<GumboNode> m_nodes;
    std::vector<void*> m_links;
    GumboNode m_text{};
};

}  // namespace

TEST(PageDocument, TheBodyTextsOfATreeNestedAHundredThousandDeepAreWritten)
{
    const DivChain chain(100000);
    EXPECT_EQ(browser::innerText(chain.root()), QStringLiteral("au fond"));
    const QString html = browser::innerHtml(chain.root());
    EXPECT_TRUE(html.startsWith(QStringLiteral("<div><div>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<div>au fond</div></div>")));
    EXPECT_EQ(html.count(QStringLiteral("</div>")), 99999);
}

struct DeepPageCase {
    const char* what;
    QByteArray pattern;  // repeated to the page's size
    int bytes;
};

void PrintTo(const DeepPageCase& c, std::ostream* out)
{
    *out << c.what;
}

class DeepPages : public testing::TestWithParam<DeepPageCase> {};

// Pages a site may send to nest its elements past any reasonable depth, some by tags the parser
// closes or reopens in ways of its own: each is read in its first part only, and reads whole.
TEST_P(DeepPages, AreReadNoDeeperThanTheBound)
{
    const DeepPageCase& c = GetParam();
    QByteArray page = "<html><head><title>Profonde</title></head><body>Début";
    page += c.pattern.repeated(c.bytes / c.pattern.size());
    const PageDocument document = PageDocument::fromHtml(QString::fromUtf8(page));
    EXPECT_EQ(document.title(), QStringLiteral("Profonde"));
    EXPECT_TRUE(document.innerText().startsWith(QStringLiteral("Début")));
    EXPECT_LE(deepestNesting(document.innerHtml()), 2 * browser::kMaxPageNesting);
}

const DeepPageCase kDeepPages[] = {
    {"60,000 nested div", "<div>", 60000 * 5},
    {"4 MiB of unclosed b", "<b>", 4 * 1024 * 1024 - 1024},
    {"4 MiB of unclosed span with text", "<span>x", 4 * 1024 * 1024 - 1024},
    {"4 MiB of unclosed cells in nested tables", "<table><tr><td>", 4 * 1024 * 1024 - 1024},
    {"bold moved into each new block", "<b><div></b>", 400000},
    {"bold left in a cell", "<b><table><tr><td></b></table>", 400000},
    {"span left by the end of a block inside it", "<span><div></span></div>", 400000},
    {"form ended inside its block", "<form><div></form>", 400000},
    {"list item ended inside its list", "<li><ul></li>", 400000},
    {"formatting reopened at each text", "<div><b id=1><b id=2><b id=3><b id=4></div>x", 400000},
    {"svg left for html", "<svg><p><path/>", 400000},
    {"mi end ignored inside an address", "<mi><address></mi>", 4 * 1024 * 1024},
    {"mo end ignored inside an address", "<mo><address></mo>", 400000},
    {"mtext end ignored inside an address", "<mtext><address></mtext>", 400000},
    {"desc end ignored inside an address", "<desc><address></desc>", 400000},
    {"foreignobject end ignored inside an address", "<foreignobject><address></foreignobject>", 400000},
    {"annotation-xml end ignored inside an address", "<annotation-xml><address></annotation-xml>", 400000},
    {"escaped script hiding no end", "<div><script><!--<script></script>", 400000},
};

INSTANTIATE_TEST_SUITE_P(Pages, DeepPages, testing::ValuesIn(kDeepPages));

TEST(PageDocument, APageNestedWithinTheBoundIsReadWhole)
{
    // Each level leaves a division open; its paragraphs, items and cells end implicitly.
    const QString level = QStringLiteral("<div><p>un<p>deux<ul><li>a<li>b</ul><table><tr><td>x<td>y</table><b>c</b>");
    const QString page = QStringLiteral("<body>") + level.repeated(browser::kMaxPageNesting - 10) +
                         QStringLiteral("<span>au fond</span>");
    const PageDocument document = PageDocument::fromHtml(page);
    EXPECT_TRUE(document.innerText().endsWith(QStringLiteral("au fond"))) << document.innerText().right(40).toStdString();
}

// 500 formatting elements reopened at every text: the tree grows by 500 elements a unit at a
// bounded depth, and the parse is abandoned at its budget.
TEST(PageDocument, APageWhoseParseGrowsPastItsBudgetReadsAsACancelledNavigation)
{
    const PageDocument document =
        PageDocument::fromHtml(QString::fromUtf8(hostile_pages::formattingReopened(4 * 1024 * 1024)));
    EXPECT_EQ(document.title(), browser::texts().cancelledNavigation);
    EXPECT_EQ(document.innerText(), browser::texts().cancelledNavigation);
}
