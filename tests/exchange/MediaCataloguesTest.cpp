// The other-media and equipment catalogues, built from the menu and again with "OK".
#include "tests/exchange/ExchangeWindowFixture.h"

#include "tests/exchange/PageText.h"

#include "platform/text/Windows1252.h"
#include "platform/ui/Edit.h"

#include <QFile>

namespace {

class MediaCatalogues : public ExchangeWindow {
protected:
    ParsedPage page(const QString& name)
    {
        QFile f(files::nativePath(frm().AppDir + name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return ParsedPage(text::decodeWindows1252(f.readAll()));
    }
};

TEST_F(MediaCatalogues, OtherMediaOneRowPerTitleWithItsLastCopy)
{
    startLoggedIn();
    for (const char* row : {"'Zorro','DVD',False,'z1.jpg'", "'Zorro','DVD',True,'z2.jpg'", "'Abba & co','CD',True,'a.jpg'",
                            "'Livre','LIVRE',True,'l.jpg'"})
        sql(QStringLiteral("Insert into Table1 (Titre,Type,MaxExemplaire,Images) Values (%1)").arg(QString::fromLatin1(row)));
    input.menu(QStringLiteral("Autres_supports > Catalogue Html Autre _support"));
    const ParsedPage first = page(QStringLiteral("livres\\Biblio_zantor.html"));
    EXPECT_EQ(first.rows(), (QStringList{"Abba & coCD", "ZorroDVD"}));
    EXPECT_EQ(first.imageSources(), (QStringList{"Jaquettes/a.jpg", "Jaquettes/z2.jpg"}));

    input.click(QStringLiteral("Edit60"));
    input.type(QStringLiteral("<Mes films>"));
    input.click(QStringLiteral("Button26"));
    EXPECT_EQ(page(QStringLiteral("livres\\Biblio_zantor.html")).paragraphs().value(0), QStringLiteral("<Mes films>"));
}

TEST_F(MediaCatalogues, EquipmentFromItsFirstItemWithAListOfItsOwn)
{
    startLoggedIn();
    for (const char* item : {"'Globe','g.jpg','1','Salle 2','Ecole','fragile'", "'Micro;sans fil','m.jpg','3','','=x','r\r\ns'",
                             "'Tapis','t.jpg','2','Gym','Mairie',''"})
        sql(QStringLiteral("Insert into Inventaire (Nom,FichierPhoto,Nombre,Lieu,Proprietaire,Remarques) Values (%1)")
                .arg(QString::fromLatin1(item)));
    frm().db.ADOTable2.open();
    frm().db.ADOTable2.last();
    dialogs.answer(QStringLiteral("OK"));
    input.menu(QStringLiteral("Inventaire du matériel > Catalogue Html inventaire"));
    EXPECT_EQ(fileLines(QStringLiteral("Inventaire.csv")),
              (QStringList{"Globe;g.jpg;1;Ecole", "Micro/sans fil;m.jpg;3;'=x", "Tapis;t.jpg;2;Mairie"}));
    const ParsedPage menu = page(QStringLiteral("Biblio_inventaire.html"));
    EXPECT_EQ(menu.rows().size(), 3);
    EXPECT_EQ(menu.rows().value(0), QStringLiteral("Globe : 1Ecole"));

    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button27"));
    EXPECT_EQ(fileLines(QStringLiteral("Inventaire.csv")).value(1), QStringLiteral("Micro/sans fil;m.jpg;3;;r  s"));
    EXPECT_EQ(page(QStringLiteral("Biblio_inventaire.html")).rows().value(0), QStringLiteral("Globe : 1Salle 2fragile"));
}

}  // namespace
