// "Image Amazon" of the loan screen and "ChasseLivresISBN" of the Compléments tab, with the
// Amazon product pages served locally.
#include "ShownPageFixture.h"

#include "platform/picture/PictureFile.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/WebBrowser.h"

#include <QImage>
#include <optional>

namespace {

const QString kProductPage = QStringLiteral("dp/2070360024");

struct ProductPageCase {
    const char* name;
    QByteArray body;
    std::optional<QString> message;
    bool stored;
    const char* link;  // nullptr: the copy's link stays as it was
};

}  // namespace

class CoverButtonsTest : public ShownPageTest {
protected:
    void openLoanScreenOn(const QString& code)
    {
        input.click(QStringLiteral("ToolButton3"));
        input.click(QStringLiteral("Edit39"));
        input.type(code);
    }
};

TEST_F(CoverButtonsTest, ImageAmazonStoresTheProductPagesPictureUnderTheScannedCode)
{
    startWith({{kBookCode, kBookCode + ".jpg"}});
    // A picture of the store's hosts that is not there sends the button to the page's other links.
    const QByteArray missing = "<img src=\"https://images-na.ssl-images-amazon.com/images/I/missing._SX1_.jpg\">";
    const ProductPageCase cases[] = {
        // The picture's size suffix is dropped: the picture itself is asked.
        {"size suffix", "<img src=\"https://images-na.ssl-images-amazon.com/images/I/71XyZ._SY466_.jpg\">", std::nullopt,
         true, "https://images-na.ssl-images-amazon.com/images/I/71XyZ.jpg"},
        {"gif first",
         "<img src=\"https://images-eu.ssl-images-amazon.com/images/I/spacer.gif\"><img src=\"https://x/a.jpg\">",
         QStringLiteral("Image .Gif "), false, nullptr},
        {"no result", "<p>Aucun résultat pour 2070360024</p>", QStringLiteral("Aucun résultat "), false, nullptr},
        {"no picture", "<p>Le lion</p>", QStringLiteral("Pas d'image"), false, nullptr},
        {"former host", missing + "<script>var imageViewerTagDiv = 'http://ecx.images-amazon.com/images/I/71XyZ.jpg';</script>",
         std::nullopt, true, "https://images-na.ssl-images-amazon.com/images/I/missing.jpg"},
        {"address in the text", missing + "<p>https://images-na.ssl-images-amazon.com/images/I/71XyZAbCdEf</p>",
         frm().tables.message(174), true, "https://images-na.ssl-images-amazon.com/images/I/71XyZAbCdEf.jpg"},
    };
    for (const char* name : {"images/I/71XyZ.jpg", "images/I/71XyZAbCdEf.jpg"})
        sites.serve(QString::fromLatin1(name), BookSites::cover("JPEG"));
    openLoanScreenOn(kBookCode);
    for (const ProductPageCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(program.folder(QStringLiteral("livres/Jaquettes/") + kBookCode + ".jpg"));
        sites.serve(kProductPage, QByteArray("<html><head><meta charset=\"utf-8\"></head><body>") + c.body +
                                      "</body></html>");
        const QString linkBefore = rowField("Lien_pedago");
        const qsizetype dialogsBefore = dialogs.log().size();
        if (c.message)
            dialogs.answer(QStringLiteral("OK"));
        input.click(QStringLiteral("Button11"));
        ASSERT_EQ(dialogs.log().size(), dialogsBefore + (c.message ? 1 : 0));
        if (c.message) {
            EXPECT_EQ(dialogs.log().back().text, *c.message);
        }
        EXPECT_EQ(coverStored(kBookCode + ".jpg"), c.stored);
        EXPECT_EQ(rowField("Lien_pedago"), c.link ? QString::fromLatin1(c.link) : linkBefore);
        EXPECT_EQ(image("Image31").picture() != nullptr, c.stored);
        image("Image31").clearPicture();
    }
}

TEST_F(CoverButtonsTest, ImageAmazonFirstShowsTheCoverTheBookHasNowAndNamesIt)
{
    startWith({{kBookCode, kBookCode + ".jpg"}});
    QImage current(40, 50, QImage::Format_RGB32);
    current.fill(Qt::darkCyan);
    current.save(program.folder(QStringLiteral("livres/Jaquettes/") + kBookCode + ".jpg"), "JPG");
    sites.serve(kProductPage, "<html><body><p>Le lion</p></body></html>");
    openLoanScreenOn(kBookCode);
    for (const char* picture : {"Image31", "Image45"})
        image(picture).clearPicture();
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("Button11"));
    ASSERT_EQ(dialogs.log().back().text, QStringLiteral("Pas d'image"));
    for (const char* picture : {"Image31", "Image45"}) {
        ASSERT_TRUE(image(picture).picture()) << picture;
        EXPECT_EQ(image(picture).picture()->size(), QSize(40, 50)) << picture;
    }
    EXPECT_EQ(frm().CoverName, kBookCode + ".jpg");
    EXPECT_EQ(screen().CoverCropSize, QSize(40, 50));
}

TEST_F(CoverButtonsTest, ChasseLivresIsbnOpensThePriceSitesSearchInTheWebPanel)
{
    startWith({{kBookCode, QStringLiteral("No_picture.jpg")}, {QString(), QStringLiteral("No_picture.jpg")}});
    selectTab("TabSheet2");
    auto expectPanelOn = [this](const QString& address) {
        EXPECT_TRUE(control("Panel21").showing());
        EXPECT_EQ(edit("Edit99").text(), address);
        EXPECT_EQ(frm().get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).locationUrl(), address);
        EXPECT_EQ(edit("Edit155").text(), QStringLiteral("le-lion"));
        EXPECT_EQ(edit("Edit152").text(), QStringLiteral("No_picture.jpg"));
        EXPECT_EQ(ui::clipboard().text(), QStringLiteral("No_picture.jpg"));
        EXPECT_FALSE(control("BitBtn2").visible());
        EXPECT_TRUE(control("SpeedButton3").visible());
    };
    // The last copy has no code: the search takes the title and author the panel showed before.
    edit("Edit155").setText(QStringLiteral("Tintin"));
    edit("Edit154").setText(QStringLiteral("Hergé"));
    ui::clipboard().setText(QString());
    input.click(QStringLiteral("SpeedButton58"));
    expectPanelOn(QStringLiteral("https://www.chasse-aux-livres.fr/search?query=Tintin+Hergé"));

    input.click(QStringLiteral("SpeedButton30"));
    input.click(QStringLiteral("SpeedButton6"));
    ui::clipboard().setText(QString());
    input.click(QStringLiteral("SpeedButton58"));
    expectPanelOn(QStringLiteral("https://www.chasse-aux-livres.fr/search?query=9782070360024&catalog=fr"));
}

TEST_F(CoverButtonsTest, TheComplementsTabsAmazonAndBooksellerButtonsTakeTheCopyShown)
{
    startWith({{kBookCode, QStringLiteral("No_picture.jpg")}});
    sites.serve(QStringLiteral("images/I/71XyZ.jpg"), BookSites::cover("JPEG"));
    sites.serve(kProductPage,
                "<html><head><meta charset=\"utf-8\"></head><body><img "
                "src=\"https://images-na.ssl-images-amazon.com/images/I/71XyZ._SY466_.jpg\"></body></html>");
    selectTab("TabSheet2");
    input.click(QStringLiteral("SpeedButton33"));
    EXPECT_TRUE(coverStored(kBookCode + ".jpg"));

    // After a change of tab the search takes the copy's names, searching by title and author.
    fill("DBEdit38", QStringLiteral("Kessel"));
    input.click(QStringLiteral("SpeedButton11"));
    EXPECT_TRUE(control("Panel21").showing());
    EXPECT_EQ(edit("Edit155").text(), QStringLiteral("le-lion"));
    EXPECT_EQ(edit("Edit154").text(), QStringLiteral("Kessel"));
    EXPECT_EQ(edit("Edit152").text(), edit("DBEdit39").text());
    const QString address = QStringLiteral("https://www.chasse-aux-livres.fr/search?query=le-lion+Kessel");
    EXPECT_EQ(edit("Edit99").text(), address);
    EXPECT_EQ(frm().get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).locationUrl(), address);
}

TEST_F(CoverButtonsTest, ABookTypedByHandAfterImageAmazonKeepsItsOwnCoverName)
{
    startWith({{kBookCode, kBookCode + ".jpg"}});
    sites.serve(QStringLiteral("images/I/71XyZ.jpg"), BookSites::cover("JPEG"));
    sites.serve(kProductPage, "<html><body><img src=\"https://images-na.ssl-images-amazon.com/images/I/71XyZ.jpg\"></body></html>");
    openLoanScreenOn(kBookCode);
    input.click(QStringLiteral("Button11"));
    ASSERT_TRUE(coverStored(kBookCode + ".jpg"));

    input.click(QStringLiteral("ToolButton4"));
    if (control("SpeedButton19").visible())
        input.click(QStringLiteral("SpeedButton19"));
    input.click(QStringLiteral("SpeedButton18"));
    fill("Edit4", QStringLiteral("Cahier de la classe"));
    fill("Edit10", QStringLiteral("12345"));
    input.click(QStringLiteral("SpeedButton20"));
    EXPECT_EQ(booksColumn("Images").value(1), QStringLiteral("12345.jpg"));
}
