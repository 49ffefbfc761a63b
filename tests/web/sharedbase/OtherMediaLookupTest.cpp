// "Rechercher" of the other-media screen: the stored copies first, then Amazon's product page,
// with the book sites served locally.
#include "BookScreenFixture.h"
#include "BookSites.h"

#include "platform/ui/RichEdit.h"
#include "platform/ui/WebBrowser.h"
#include "platform/ui/ComboBox.h"
#include "program/ProgramScreens.h"

#include <QUrl>
#include "web/sharedbase/OtherMediaLookup.h"

namespace {

class OtherMediaLookupTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
        input.menu(QStringLiteral("Autres_supports > Nouvelle entrée"));
    }
    void lookUp(const QString& code, const QString& ean10 = {})
    {
        edit("Edit30").setText(code);
        edit("Edit38").setText(ean10);
        input.click(QStringLiteral("Button32"));
    }
    void addItem(const QString& code, const QString& title, const QString& type)
    {
        addBook(code, title, code + QStringLiteral(".jpg"));
        frm().db.ADOConnection1.execute(QStringLiteral("UPDATE Table1 SET Type = ? WHERE NumLivre = ?"),
                                        {type, frm().db.ADOConnection1.lastInsertKey()});
    }

    BookSites sites;
};

}  // namespace

TEST_F(OtherMediaLookupTest, AProductReferenceIsReadFromItsProductPage)
{
    sites.serveFound("amazon");
    lookUp(BookSites::kIsbn10, BookSites::kIsbn10);
    // Split at the page title's dash, the blanks before it kept.
    EXPECT_EQ(edit("Edit31").text(), "Le Petit Prince ");
    EXPECT_EQ(edit("Edit32").text(), QString::fromUtf8("Saint-Exupéry, Antoine de "));
    EXPECT_TRUE(image("Image98").picture());
    EXPECT_TRUE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/") + BookSites::kIsbn10 + ".jpg")));
    EXPECT_FALSE(control("Button32").visible());
}

TEST_F(OtherMediaLookupTest, StoredCopiesAreListedAndTheLastOneShown)
{
    addItem(QStringLiteral("3760000000001"), QStringLiteral("Un film"), QStringLiteral("DVD"));
    addItem(QStringLiteral("3760000000001"), QStringLiteral("Un film"), QStringLiteral("DVD"));
    dialogs.answer(QStringLiteral("OK"));
    lookUp(QStringLiteral("3760000000001"));
    EXPECT_EQ(frm().get<ui::RichEdit>(QStringLiteral("RichEdit5")).text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts),
              (QStringList{"Un film 1", "Un film 2"}));
    EXPECT_EQ(edit("Edit27").text(), "2");
    EXPECT_EQ(edit("Edit31").text(), "Un film");
    EXPECT_EQ(dialogTexts().last(), frm().tables.message(124));
    // A DVD without its cover is searched for on the web all the same.
    EXPECT_TRUE(sites.requests().join(u'\n').contains(QStringLiteral("/s?k=3760000000001")));
}

TEST_F(OtherMediaLookupTest, AUpcBecomesAnEanBeforeTheSearch)
{
    lookUp(QStringLiteral("760000000012"));
    EXPECT_EQ(edit("Edit30").text(), "0760000000012");
    EXPECT_TRUE(sites.requests().join(u'\n').contains(QStringLiteral("/s?k=0760000000012")));
    EXPECT_TRUE(QFile::exists(program.folder(QStringLiteral("dialogue_InnerHTML.Html"))));
    // Then the price site's search, in the screen's web view.
    EXPECT_EQ(frm().get<ui::WebBrowser>(QStringLiteral("EdgeBrowser1")).locationUrl(),
              "https://www.chasse-aux-livres.fr/search?query=0760000000012&catalog=fr");
}

TEST_F(OtherMediaLookupTest, ThePriceSitesPageFillsTheFieldsWhenItComes)
{
    sites.serveFound("chasse");
    edit("Edit30").setText(QStringLiteral("3760000000001"));
    auto& view = frm().get<ui::WebBrowser>(QStringLiteral("EdgeBrowser1"));
    view.navigate(QStringLiteral("https://www.chasse-aux-livres.fr/prix/2070612759/le-petit-prince"));
    const QString html = QStringLiteral("<html><head><link rel=image_src href=https://images.chasse-aux-livres.fr/covers/"
                                        "2070612759.jpg></head><body>\"category\":\"Livres / Jeunesse\"</body></html>");
    view.onExecuteScript(u'"' + QString::fromLatin1(QUrl::toPercentEncoding(html)) + u'"');
    EXPECT_EQ(edit("Edit38").text(), "2070612759");
    EXPECT_EQ(edit("Edit31").text(), "le petit prince");
    EXPECT_EQ(edit("Edit34").text(), "https://images.chasse-aux-livres.fr/covers/2070612759.jpg");
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("ComboBox6")).text(), "Livres");
    EXPECT_TRUE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/3760000000001.jpg"))));
    EXPECT_TRUE(image("Image98").picture());
}

TEST_F(OtherMediaLookupTest, ChasseLivresOpensThePriceSiteSearch)
{
    edit("Edit30").setText(QStringLiteral("3760000000001"));
    input.click(QStringLiteral("Button3"));
    EXPECT_TRUE(shell.records().contains(
        QStringLiteral("open: https://www.chasse-aux-livres.fr/search?query=3760000000001&catalog=fr")));
}

TEST(OtherMediaLookupIsbn, AnIsbnOfThePageIsTakenWholeOrNotAtAll)
{
    using sharedbase::OtherMediaLookup;
    const QString prefix = QStringLiteral("978-");
    EXPECT_EQ(OtherMediaLookup::isbnOfPage(QStringLiteral("ISBN-13 : 978-2070360024</li>"), prefix), "9782070360024");
    EXPECT_EQ(OtherMediaLookup::isbnOfPage(QStringLiteral("ISBN 978-2-07-036002-4 ..."), prefix), "9782070360024");
    EXPECT_EQ(OtherMediaLookup::isbnOfPage(QStringLiteral("978-20703</li>"), prefix), "");
    EXPECT_EQ(OtherMediaLookup::isbnOfPage(QStringLiteral("no isbn"), prefix), "");
}
