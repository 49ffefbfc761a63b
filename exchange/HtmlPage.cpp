#include "exchange/HtmlPage.h"

#include "app/FrmPrin.h"
#include "app/SheetBreak.h"
#include "app/WebPagePrinting.h"
#include "platform/files/FileError.h"
#include "platform/files/ShownPath.h"
#include "platform/files/TextFileRecord.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Application.h"
#include "platform/ui/WebBrowser.h"

namespace exchange {

QString pageHead(const QString& title, const QString& style)
{
    return text::pageTitleHead(title) + QStringLiteral("<style type=\"text/css\"><!--") + style +
           QStringLiteral("--></style></HEAD><BODY>");
}

QString creditLine(const QString& webSite, bool blankBeforeLink)
{
    return QStringLiteral("<p>Page g&eacute;n&eacute;r&eacute;e par QvlZantor :") +
           (blankBeforeLink ? QStringLiteral(" ") : QString()) + QStringLiteral("<a href=\"") + htmlText(webSite) +
           QStringLiteral("\" target=\"_blank\">") + htmlText(webSite) + QStringLiteral("</a>&nbsp;</p>");
}

QString headingParagraph(const QString& heading)
{
    return QStringLiteral("<p class=\"Style1\">") + htmlText(heading) + QStringLiteral("</p>");
}

QString tableStart(int width)
{
    return QStringLiteral("<table width=\"%1\" border=\"1\">").arg(width);
}

QString spacedTableStart(int width)
{
    return QStringLiteral("<table width=\"%1\" border=\"1\" cellspacing=\"10\" >").arg(width);
}

QString pictureCell(const QString& folder, const QString& fileName, const QString& width, const QString& height)
{
    return QStringLiteral("<tr><td width=\"130\"><img src=\"") + htmlText(folder + fileName) +
           QStringLiteral("\" width=\"") + htmlText(width) + QStringLiteral("\"height=\"") + htmlText(height) +
           QStringLiteral("\"></td>");
}

QString placePictureCell(const QString& fileName)
{
    return QStringLiteral("<td width=\"130\"><img src=\"Photo_Rangement/") + htmlText(fileName) +
           QStringLiteral("\" width=\"80\"height=\"120\"></td>");
}

QString textCell(const QString& bold, const QStringList& further)
{
    return QStringLiteral("</td><td width=\"600\"><p><b>") + bold + QStringLiteral("</b></p><p>") +
           further.join(kNextParagraph) + QStringLiteral("</p></td></tr>");
}

QString listRow(const QString& first, const QStringList& further)
{
    QStringList escaped;
    for (const QString& v : further)
        escaped << htmlText(v);
    return QStringLiteral("<tr><td></td><td></td></td><td width=\"900\"><p><b>") + htmlText(first) +
           QStringLiteral("</b>; ") + escaped.join(QStringLiteral("; ")) + QStringLiteral("</p></td></tr>");
}

QString pageBreak(int continuationWidth)
{
    return app::sheetBreak() + pageHead(QStringLiteral("Emprunteurs")) + headingParagraph(QString()) + spacedTableStart(continuationWidth);
}

bool WriteHtmlPage(app::TFrmPrin& frm, const QString& fileName, const QString& page)
{
    files::TextFileRecord& f = frm.OutputFile;
    try {
        f.assign(frm.AppDir + fileName);
        f.rewrite();
        f.writeln(page);
        f.close();
        return true;
    } catch (const files::FileError&) {
        if (f.isOpen())
            f.close();
        frm.application().showMessage(QStringLiteral("La page ne peut pas être écrite : ") + files::shownPath(frm.AppDir + fileName));
        return false;
    }
}

void ShowHtmlPage(app::TFrmPrin& frm, ui::WebBrowser& browser, const QString& fileName)
{
    browser.navigate(QStringLiteral("file:") + files::nativePath(frm.AppDir + fileName));
}

void PrintHtmlPage(app::TFrmPrin& frm, ui::WebBrowser& browser) { app::printWebPage(frm, browser); }

void PublishHtmlPage(app::TFrmPrin& frm, ui::WebBrowser& browser, const QString& fileName, const QString& page)
{
    if (WriteHtmlPage(frm, fileName, page))
        ShowHtmlPage(frm, browser, fileName);
}

}  // namespace exchange
