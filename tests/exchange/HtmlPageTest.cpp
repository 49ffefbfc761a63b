// The pieces of the generated pages: values never become markup, and a page assembled from
// them parses back to the values it was given.
#include "exchange/HtmlPage.h"

#include "tests/exchange/PageText.h"

#include <gtest/gtest.h>

namespace {

using namespace exchange;

TEST(HtmlPage, HostileValuesStayTextInEveryPiece)
{
    const QString hostile = QStringLiteral("<b>Tom & \"Jerry\"</b> – 漢");
    const QString page = pageHead(hostile) + creditLine(QStringLiteral("http://example.org/?a=1&b=2"), true) +
                         headingParagraph(hostile) + tableStart(485) +
                         pictureCell(QStringLiteral("livres/Jaquettes/"), QStringLiteral("x\" onerror=\"y.jpg"),
                                     QStringLiteral("80\"><script>"), QStringLiteral("120")) +
                         textCell(htmlText(hostile), {htmlText(hostile)}) + listRow(hostile, {hostile, hostile}) +
                         kPageEnd;
    EXPECT_FALSE(page.contains(QStringLiteral("<b>Tom")));
    EXPECT_FALSE(page.contains(QStringLiteral("<script>")));
    const ParsedPage parsed(page);
    EXPECT_EQ(parsed.title(), hostile);
    EXPECT_EQ(parsed.imageSources(), QStringList{QStringLiteral("livres/Jaquettes/x\" onerror=\"y.jpg")});
    EXPECT_EQ(parsed.rows().size(), 2);
    EXPECT_TRUE(parsed.rows().at(0).contains(hostile));
    EXPECT_EQ(parsed.rows().at(1), QStringLiteral("%1; %1; %1").arg(hostile));
}

TEST(HtmlPage, PiecesKeepTheirFixedForm)
{
    EXPECT_EQ(pageHead(QStringLiteral("Bibliothèque")),
              QStringLiteral(
                  "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
                  "charset=windows-1252\"><TITLE>Bibliothèque</TITLE><style type=\"text/css\"><!--.Style1 {font-size: "
                  "36px}--></style></HEAD><BODY>"));
    EXPECT_EQ(creditLine(QStringLiteral("http://s"), false),
              QStringLiteral("<p>Page g&eacute;n&eacute;r&eacute;e par QvlZantor :<a href=\"http://s\" "
                             "target=\"_blank\">http://s</a>&nbsp;</p>"));
    EXPECT_EQ(pictureCell(QStringLiteral("Jaquettes/"), QStringLiteral("a.jpg"), QStringLiteral("80"), QStringLiteral("120")),
              QStringLiteral("<tr><td width=\"130\"><img src=\"Jaquettes/a.jpg\" width=\"80\"height=\"120\"></td>"));
    EXPECT_EQ(textCell(QStringLiteral("T"), {QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("</td><td width=\"600\"><p><b>T</b></p><p>a</p><p>b</p></td></tr>"));
    // The pages' own break stays as it was written; the web engine's follows it.
    EXPECT_TRUE(pageBreak(650).startsWith(QStringLiteral(
        "  </td> </tr> </table> <STYLE> BR.page { page-break-after: always } </STYLE> <BR CLASS=page>")));
    EXPECT_TRUE(pageBreak(650).endsWith(QStringLiteral(
        "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=windows-1252\"><TITLE>Emprunteurs</TITLE><style type=\"text/css\"><!--.Style1 {font-size: "
        "36px}--></style></HEAD><BODY><p class=\"Style1\"></p><table width=\"650\" border=\"1\" "
        "cellspacing=\"10\" >")));
}

TEST(HtmlPage, EmptyPageHasItsHeadingAndAnEmptyTable)
{
    const ParsedPage parsed(pageHead(QStringLiteral("Inventaire")) + headingParagraph(QStringLiteral("Inventaire")) +
                            tableStart(485) + kPageEnd);
    EXPECT_EQ(parsed.title(), QStringLiteral("Inventaire"));
    EXPECT_TRUE(parsed.rows().isEmpty());
    EXPECT_EQ(parsed.tables(), 1);
}

}  // namespace
