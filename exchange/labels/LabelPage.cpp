#include "exchange/labels/LabelPage.h"

#include "exchange/HtmlPage.h"
#include "exchange/labels/BarcodeFace.h"
#include "platform/db/FieldText.h"
#include "platform/text/PascalText.h"

namespace labels {

namespace {

constexpr int kCoverNameOfCode = 17;  // a 13-digit code and ".jpg"
constexpr int kCodeAndIssue = 19;

const QString kBarcodeClasses = QStringLiteral(
    ".Style1 {font-size: 36px} .Style2 {font-family: \"c39hrp36dltt\";font-size: 45px;} "
    ".Style3 {font-family: \"Code EAN13\";font-size: 60px;}");

// One copy's row; the bar-code cell's span stays open, as browsers close it with its cell.
QString labelRow(db::DataSet& rows, bool copyNumbers)
{
    using exchange::htmlText;
    const QString cover = fieldText(rows, "Images");
    const QString barcode = copyNumbers ? QStringLiteral("*I") + text::Trim(fieldText(rows, "NumLivre")) + QStringLiteral("*")
                                        : fieldText(rows, "CodeBarres");
    // A periodical issue's cover is named after its code and issue number: both are shown.
    const QString code = cover.size() > kCoverNameOfCode ? cover.left(kCodeAndIssue) : fieldText(rows, "Isbn13");
    return QStringLiteral("<tr><td width=\"65\"><img src=\"livres/Jaquettes/") + htmlText(cover) +
           QStringLiteral("\" width=\"50\"height=\"75\"></td><td width=\"50\"><img src=\"Photo_Rangement/") +
           htmlText(fieldText(rows, "LieuRangement")) + QStringLiteral("\" width=\"60\"height=\"50\"></td><td width=\"40\">") +
           (isEan13FontText(barcode) ? QStringLiteral("<span class=\"Style3\">") : QStringLiteral("<span class=\"Style2\">")) +
           htmlText(barcode) + QStringLiteral("</td></td><td width=\"250\"><p><b>") + htmlText(fieldText(rows, "Titre")) +
           QStringLiteral("</b></p><p>") + htmlText(code) + u' ' + htmlText(fieldText(rows, "Auteur")) +
           QStringLiteral("</p></td></tr>");
}

void openAtFirst(db::DataSet& rows)
{
    if (!rows.active())
        rows.open();
    rows.first();
}

}  // namespace

LabelPageText labelPage(db::DataSet& rows, const QString& webSite, bool copyNumbers, const std::function<int()>& rowsPerPage)
{
    LabelPageText result;
    int rowsLeft = rowsPerPage();
    // The last rule has no closing brace, as the page always had.
    result.page = exchange::pageHead(QStringLiteral("Etiquettes"),
                                     kBarcodeClasses + QStringLiteral(" .Style4 {font-family: \"arabtype\";font-size: 60px;")) +
                  exchange::creditLine(webSite, false) +
                  QStringLiteral("<table width=\"650\" border=\"1\" cellspacing=\"10\">");
    for (openAtFirst(rows); !rows.eof(); rows.next()) {
        result.page += labelRow(rows, copyNumbers);
        result.copies << text::Trim(fieldText(rows, "NumLivre")).toLongLong();
        if (--rowsLeft == 0) {
            result.page += exchange::pageBreak(650);
            rowsLeft = rowsPerPage();
        }
    }
    result.page += exchange::kPageEnd;
    return result;
}

LabelPageText printedLabelPage(db::DataSet& rows, const QString& webSite)
{
    LabelPageText result;
    result.page = exchange::pageHead(QStringLiteral("Etiquettes"), kBarcodeClasses) + exchange::creditLine(webSite, false) +
                  exchange::headingParagraph(QStringLiteral("Etiquettes")) + exchange::tableStart(650);
    for (openAtFirst(rows); !rows.eof(); rows.next()) {
        result.page += labelRow(rows, false);
        result.copies << text::Trim(fieldText(rows, "NumLivre")).toLongLong();
    }
    result.page += exchange::kPageEnd;
    return result;
}

}  // namespace labels
