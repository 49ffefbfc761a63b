#include "exchange/MediaCatalogues.h"

#include "exchange/HtmlPage.h"
#include "exchange/SpreadsheetText.h"
#include "platform/db/FieldText.h"
#include "platform/db/Query.h"

namespace exchange {

QString otherMediaPage(db::Query& ars, const QString& heading, const PictureSize& size)
{
    QString page = pageHead(QStringLiteral("Autres Supports")) + headingParagraph(heading) + tableStart(485);
    ars.close();
    ars.setSql(QStringLiteral("Select * FROM table1 WHERE Type <> 'LIVRE' AND MaxExemplaire = True ORDER BY Titre"));
    ars.open();
    const db::Field images = ars.fieldByName(QStringLiteral("Images")), title = ars.fieldByName(QStringLiteral("Titre")),
                    author = ars.fieldByName(QStringLiteral("Auteur")), publisher = ars.fieldByName(QStringLiteral("Editeur")),
                    type = ars.fieldByName(QStringLiteral("Type"));
    for (ars.first(); !ars.eof(); ars.next())
        page += pictureCell(QStringLiteral("Jaquettes/"), images.asString(), size.width, size.height) +
                textCell(htmlText(title.asString()),
                         {htmlText(author.asString()), htmlText(publisher.asString()), htmlText(type.asString())});
    ars.close();
    ars.clearSql();
    return page + kPageEnd;
}

EquipmentCatalogue equipmentCatalogue(db::DataSet& items, const PictureSize& size, bool placeAndRemarks)
{
    EquipmentCatalogue c;
    c.page = pageHead(QStringLiteral("Inventaire")) + headingParagraph(QStringLiteral("Inventaire")) + tableStart(485);
    items.open();
    const auto text = [&items](const char* name) { return db::fieldText(items, name); };
    for (items.first(); !items.eof(); items.next()) {
        const QString bold = htmlText(text("Nom")) + QStringLiteral(" : ") + htmlText(text("Nombre"));
        QStringList line{text("Nom"), text("FichierPhoto"), text("Nombre")};
        c.page += pictureCell(QStringLiteral("Photo_Inventaire/"), text("FichierPhoto"), size.width, size.height);
        if (placeAndRemarks) {
            c.page += textCell(bold, {htmlText(text("lieu")) + QStringLiteral("</b>"), htmlText(text("Remarques"))});
            line << text("lieu") << text("Remarques");
        } else {
            c.page += textCell(bold, {htmlText(text("proprietaire"))});
            line << text("proprietaire");
        }
        c.csv += spreadsheetLine(line) + QStringLiteral("\r\n");
    }
    c.page += kPageEnd;
    return c;
}

}  // namespace exchange
