#pragma once
// The pieces every generated page is made of: head, credit line, heading, table start, rows,
// page break and end. A page is written in one go as one line in the system code page and shown
// in a web view of its screen. Every value taken from the database or typed by the user goes
// through htmlText, in text and in attributes alike.
#include "platform/text/HtmlText.h"

#include <QString>
#include <QStringList>

namespace app {
class TFrmPrin;
}
namespace ui {
class WebBrowser;
}

namespace exchange {

inline const QString kStandardStyle = QStringLiteral(".Style1 {font-size: 36px}");
inline const QString kPageEnd = QStringLiteral("</table></BODY></HTML>");
// Written between the paragraphs of a text cell.
inline const QString kNextParagraph = QStringLiteral("</p><p>");

// "<", ">", "&", '"' as entities, characters outside the page's code page as numeric references.
using text::htmlText;

// The head up to and including <BODY>. `style` is a fixed rule set of the program, not escaped.
QString pageHead(const QString& title, const QString& style = kStandardStyle);
// "<p>Page g&eacute;n&eacute;r&eacute;e par QvlZantor :", a blank or not, the link to the maker's
// site, "&nbsp;</p>".
QString creditLine(const QString& webSite, bool blankBeforeLink);
QString headingParagraph(const QString& heading);
QString tableStart(int width);
// The variant with cell spacing, a blank before its closing bracket.
QString spacedTableStart(int width);

// "<tr><td width="130"><img src="FOLDER NAME" width="W"height="H"></td>".
QString pictureCell(const QString& folder, const QString& fileName, const QString& width, const QString& height);
// The storage-place picture beside the cover, 80 x 120.
QString placePictureCell(const QString& fileName);
// The text cell closing a picture row: the first text bold, each further one a paragraph.
// `bold` and `further` are ready-made page text (the caller escapes values).
QString textCell(const QString& bold, const QStringList& further);
// "<tr><td></td><td></td></td><td width="900"><p><b>FIRST</b>; V1; V2…</p></td></tr>", values escaped.
QString listRow(const QString& first, const QStringList& further);

// Ends the printed sheet and opens the next under the borrower sheet's head.
QString pageBreak(int continuationWidth);

// Writes AppDir + fileName (the page and CR LF). A file that cannot be written is reported by its
// name and gives false.
bool WriteHtmlPage(app::TFrmPrin& frm, const QString& fileName, const QString& page);
// Shows AppDir + fileName in the web view.
void ShowHtmlPage(app::TFrmPrin& frm, ui::WebBrowser& browser, const QString& fileName);
// The printing of the page shown: the print dialog, then the page as the user chose there.
void PrintHtmlPage(app::TFrmPrin& frm, ui::WebBrowser& browser);
// Both, the page shown only once it is written, so that an older page never passes for the new one.
void PublishHtmlPage(app::TFrmPrin& frm, ui::WebBrowser& browser, const QString& fileName, const QString& page);

}  // namespace exchange
