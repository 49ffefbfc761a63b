#include "platform/browser/PageDocument.h"

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
    EXPECT_EQ(page.title(), QStringLiteral("Navigation annulée"));
    EXPECT_TRUE(page.innerText().contains(QStringLiteral("Navigation annulée")));
    EXPECT_TRUE(page.innerHtml().contains(QStringLiteral("Navigation annulée")));
}

}  // namespace
