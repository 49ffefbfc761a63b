#include "catalogue/OtherMediaCoverPage.h"

#include "platform/text/HtmlText.h"

namespace catalogue {

QString otherMediaCoverPage(const QStringList& coverNames)
{
    QString page = text::pageTitleHead(QStringLiteral("Autres Supports")) +
                   QStringLiteral("<style type=\"text/css\"><!--.Style1 {font-size: 36px}--></style>"
                                  "</HEAD><BODY><p class=\"Style1\">Autres Supports</p>");
    for (const QString& name : coverNames)
        page += QStringLiteral("<tr><td width=\"130\"><img src=\"Jaquettes/") + name.toHtmlEscaped() +
                QStringLiteral("\" width=\"80\"height=\"120\"></td>");
    page += QStringLiteral("</BODY></HTML>");
    return page;
}

}  // namespace catalogue
