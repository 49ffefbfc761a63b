#include "catalogue/SearchScreenPage.h"

#include "app/SheetBreak.h"
#include "platform/text/HtmlText.h"
#include "platform/text/PascalText.h"

namespace catalogue {

namespace {

const QString kStyleStart = QStringLiteral("<style type=\"text/css\"><!--");
const QString kHeadEnd = QStringLiteral("--></style></HEAD><BODY>");
const QString kLargeStyle = QStringLiteral(".Style1 {font-size: 36px}");
const QString kRedStyle = QStringLiteral(".Style1 {font-size: 24px;\tcolor: #FF0000;font-weight: bold;}");
const QString kNext = QStringLiteral("</p><p>");

}  // namespace

SearchScreenPage::SearchScreenPage(Style style, const QString& webSite, const QString& term)
{
    m_text = text::pageTitleHead(QStringLiteral("Bibliothèque")) + kStyleStart +
             (style == Style::Large ? kLargeStyle : kRedStyle) + kHeadEnd;
    m_text += QStringLiteral("<p>Page g&eacute;n&eacute;r&eacute;e par QvlZantor : <a href=\"") + text::htmlText(webSite) +
              QStringLiteral("\" target=\"_blank\">") + text::htmlText(webSite) + QStringLiteral("</a>&nbsp;</p>");
    m_text += QStringLiteral("<p class=\"Style1\">Recherche : ") + text::htmlText(term) +
              QStringLiteral("</p><table width=\"600\" border=\"1\">");
}

void SearchScreenPage::addAnswer(const SearchAnswer& a, const RowLayout& layout, const QString& highlight)
{
    QString& t = m_text;
    t += QStringLiteral("<tr><td width=\"130\"><img src=\"livres/Jaquettes/") + text::htmlText(a.images) +
         QStringLiteral("\" width=\"") + text::htmlText(layout.coverWidth) + QStringLiteral("\"height=\"") +
         text::htmlText(layout.coverHeight) + QStringLiteral("\"></td>");
    if (layout.storagePlace)
        t += QStringLiteral("<td width=\"130\"><img src=\"Photo_Rangement/") + text::htmlText(a.storagePlace) +
             QStringLiteral("\" width=\"80\"height=\"120\"></td>");
    t += QStringLiteral("</td><td width=\"600\"><p><b>") + text::htmlText(a.title) + QStringLiteral("</b></p><p>") +
         text::htmlText(a.isbn13) + kNext + text::htmlText(a.author) + kNext + text::htmlText(a.publisher) + kNext;
    for (const QString& middle : a.middleFields)
        t += text::htmlText(middle) + kNext;
    if (!a.borrowerSurname.isEmpty())
        t += QStringLiteral("Livre emprunté par : ");
    t += text::htmlText(a.borrowerSurname) + u' ' + text::htmlText(a.borrowerFirstName) + u' ' + text::htmlText(a.borrowerClass) +
         QStringLiteral("<BR>");
    if (!a.returnDate.isEmpty())
        t += QStringLiteral("Date retour : ");
    t += text::htmlText(a.returnDate) + kNext;
    const int at = highlight.isEmpty() ? 0 : text::Pos(highlight, text::UpperCase(a.summary));
    if (at > 0) {
        // Escaped piece by piece, so that the span's own markup stays markup.
        t += text::htmlText(text::Copy(a.summary, 1, at - 1)) + QStringLiteral("<span class=\"Style1\">") +
             text::htmlText(text::Copy(a.summary, at, int(highlight.size()))) + QStringLiteral("</span>") +
             text::htmlText(text::Copy(a.summary, at + int(highlight.size()), int(a.summary.size())));
    } else {
        t += text::htmlText(a.summary);
    }
    t += QStringLiteral("</p></td></tr>");
}

void SearchScreenPage::addPageBreak()
{
    m_text += app::sheetBreak() + text::pageTitleHead(QStringLiteral("Emprunteurs")) + kStyleStart + kLargeStyle +
              QStringLiteral("--></style></HEAD><BODY><p class=\"Style1\"></p><table width=\"600\" border=\"1\" "
                             "cellspacing=\"10\" >");
}

QString SearchScreenPage::finish() const { return m_text + QStringLiteral("</table></BODY></HTML>"); }

}  // namespace catalogue
