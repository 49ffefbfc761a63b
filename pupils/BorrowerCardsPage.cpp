#include "pupils/BorrowerCardsPage.h"

#include "app/BorrowerPhotoFile.h"
#include "app/SheetBreak.h"
#include "platform/text/HtmlText.h"

namespace pupils {

namespace {

using text::htmlText;

const QString kLine = QStringLiteral("<br>   ");

}  // namespace

QString cardCode(const QString& number)
{
    return u'E' + number.rightJustified(3, u'0');
}

BorrowerCardsPage::BorrowerCardsPage(Kind kind, CardOptions options)
    : m_kind(kind), m_options(std::move(options)), m_cardsLeft(m_options.cardsPerPage)
{
    m_text = head();
}

QString BorrowerCardsPage::head() const
{
    return text::pageTitleHead(QStringLiteral("Emprunteurs")) +
           QStringLiteral(
               "<style type=\"text/css\"><!--.Style1 {font-size: 36px}--></style></HEAD><BODY><p class=\"Style1\"></p>"
               "<table width=\"%1\" border=\"1\" cellspacing=\"10\" >")
               .arg(m_kind == Kind::AllCards ? 600 : 500);
}

void BorrowerCardsPage::addCard(const CardBorrower& b)
{
    const CardOptions& o = m_options;
    QString& t = m_text;
    t += QStringLiteral("<tr><td width=\"130\"><img src=\"") + htmlText(app::borrowerPhotoPageLink(b.surname, b.firstName)) + QStringLiteral("\" width=\"") +
         htmlText(o.photoWidth) + QStringLiteral("\"height=\"") + htmlText(o.photoHeight) + QStringLiteral("\"></td>");
    if (m_kind == Kind::NewCards) {
        t += QStringLiteral("</td><td width=\"800\"><p><span style='font-size:48.0pt;font-family:c39hrp48dhtt'>"
                            "<span style='mso-tab-count:1'>\u00a0 </span><FONT COLOR=\"#000000\">*") +
             htmlText(b.number) + QStringLiteral("*</font></span></p></td></td><td width=\"800\"><br><b>   ") +
             htmlText(b.surname) + QStringLiteral(" </b>   ") + htmlText(b.firstName) + kLine + htmlText(b.sex) + kLine +
             htmlText(b.level) + kLine + htmlText(b.number) + kLine + htmlText(o.schoolYear) + kLine +
             htmlText(o.schoolName) + QStringLiteral("</td></tr>");
        return;
    }
    // The centring block opens before the barcode font's span: a block inside the paragraph
    // would close the paragraph and the span, and the code would print as plain text. The
    // bars-only family is quoted: a name word starting with a digit voids an unquoted one.
    t += QStringLiteral("</td><td width=\"200\"><div align=\"center\"><p>");
    t += o.barsWithoutDigits
             ? QStringLiteral("<span style='font-size:36.0pt;font-family:\"Bar-Code 39\"'><span style='mso-tab-count:1'>")
             : QStringLiteral("<span style='font-size:48.0pt;font-family:c39hrp48dhtt'><span style='mso-tab-count:1'>");
    t += QStringLiteral("</span><FONT COLOR=\"#000000\">*") + htmlText(cardCode(b.number)) +
         QStringLiteral("*</font></span></p></div></td></td><td width=\"300\"><b>   ") + htmlText(b.surname) +
         QStringLiteral(" </b>   ") + htmlText(b.firstName) + kLine + (o.showClass ? htmlText(b.className) : QString()) +
         kLine + htmlText(o.schoolYear) + kLine + htmlText(o.schoolName) + QStringLiteral("</td></tr>");
    if (--m_cardsLeft == 0) {
        t += app::sheetBreak() + head();
        m_cardsLeft = o.cardsPerPage;
    }
}

QString BorrowerCardsPage::finish() const
{
    return m_text + QStringLiteral("</table></BODY></HTML>");
}

}  // namespace pupils
