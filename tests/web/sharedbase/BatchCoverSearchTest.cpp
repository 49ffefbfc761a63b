// The batch cover search's Amazon step and its preview, with the book sites served locally:
// a book whose ISBN-10 picture Amazon has not got takes the picture its product page names,
// and only the previewed cover is deleted when it does not decode.
#include "BookScreenFixture.h"
#include "BookSites.h"

#include "catalogue/IsbnConversions.h"
#include "platform/ui/PageControl.h"
#include "program/ProgramScreens.h"

namespace {

class BatchCoverSearchTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
        frm().settings.ftpbool = true;
    }
    void searchFromTheFirstBook()
    {
        dialogs.answer(QStringLiteral("OK"));
        input.menu(QStringLiteral("Outils > Recherche automatique couvertures"));
        fill("Edit98", booksColumn("NumLivre").first());
        for (int i = 0; i < 3; ++i)
            dialogs.answer(QStringLiteral("OK"));
        input.click(QStringLiteral("Button91"));
    }
    QString coverFile(const QString& code) { return program.folder(QStringLiteral("livres/Jaquettes/") + code + ".jpg"); }

    BookSites sites;
};

struct ProductPageCase {
    const char* code;
    const char* page;
    // Where the sites serve the picture the page names, and whether it becomes the cover.
    const char* picture;
    bool stored;
};

}  // namespace

TEST_F(BatchCoverSearchTest, TheProductPageNamesThePictureByTheFirstMarkerFound)
{
    const ProductPageCase cases[] = {
        {"9782070000011", "<script>var imageViewerTagDiv = 1; var a = 'http://ecx.images-amazon.com/images/I/11Viewer.jpg';"
                          "</script><img src=\"https://m.media-amazon.com/images/I/11Other._SX300_.jpg\">",
         "images/I/11Viewer.jpg", true},
        {"9782070000028", "<a href=\"https://www.amazon.fr/dp/22Page.jpg\">voir</a>", "dp/22Page.jpg", true},
        {"9782070000035", "<img src=\"http://ecx.images-amazon.com/images/I/33Former.jpg\">", "images/I/33Former.jpg", true},
        // The size mark is dropped: the full picture is asked for.
        {"9782070000042", "<img src=\"https://m.media-amazon.com/images/I/44Secure._SX300_.jpg\">", "images/I/44Secure.jpg",
         true},
        // Without a size mark the secure host's picture is not taken.
        {"9782070000059", "<img src=\"https://m.media-amazon.com/images/I/55Plain.jpg\">", "images/I/55Plain.jpg", false},
    };
    for (const ProductPageCase& c : cases) {
        const QString code = QString::fromLatin1(c.code);
        addBook(code, QStringLiteral("Livre ") + code, QString());
        sites.serve(QStringLiteral("dp/") + catalogue::Isbn13To10(code),
                    QByteArray("<html><head><title>Livre</title></head><body>") + c.page + "</body></html>");
        sites.serve(QString::fromLatin1(c.picture), BookSites::cover("JPEG"));
    }
    searchFromTheFirstBook();
    for (const ProductPageCase& c : cases)
        EXPECT_EQ(QFile::exists(coverFile(QString::fromLatin1(c.code))), c.stored) << c.code;
    // The last page read is kept, and its candidate shown but not stored.
    EXPECT_TRUE(QString::fromUtf8(program.read(QStringLiteral("ImageAmazon_InnerHTML.txt"))).contains(QLatin1String("55Plain")));
    EXPECT_TRUE(edit("RichEdit5").text().contains(QLatin1String("55Plain")));
    EXPECT_EQ(edit("DBEdit43").text(), QStringLiteral("https://m.media-amazon.com/images/I/55Plain.jpg"));
    for (const QString& link : booksColumn("Lien_pedago"))
        EXPECT_EQ(link, QString());
}

TEST_F(BatchCoverSearchTest, ThePanelOpensOnTheEntryTabWithoutTheImportsOwnControls)
{
    input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet1")));
    dialogs.answer(QStringLiteral("OK"));
    input.menu(QStringLiteral("Outils > Recherche automatique couvertures"));
    EXPECT_EQ(frm().get<ui::PageControl>(QStringLiteral("PageControl1")).activePage()->name(), "TabSheet7");
    for (const char* shown : {"Panel20", "Label159", "Edit98", "Button91"})
        EXPECT_TRUE(control(shown).showing()) << shown;
    for (const char* hidden : {"SpeedButton51", "RadioGroup2", "RadioButton3", "RadioButton4", "Button1"})
        EXPECT_FALSE(control(hidden).visible()) << hidden;
}

TEST_F(BatchCoverSearchTest, OnlyThePreviewedCoverIsDeletedWhenItDoesNotDecode)
{
    const QStringList codes = {QStringLiteral("9782070000011"), QStringLiteral("9782070000028"),
                               QStringLiteral("9782070000035")};
    for (const QString& code : codes) {
        addBook(code, QStringLiteral("Livre ") + code, code + QStringLiteral(".jpg"));
        program.write(QStringLiteral("livres/Jaquettes/") + code + QStringLiteral(".jpg"), QByteArray(2000, 'x'));
    }
    searchFromTheFirstBook();
    // The start number 1 previews the third book.
    EXPECT_TRUE(QFile::exists(coverFile(codes[0])));
    EXPECT_TRUE(QFile::exists(coverFile(codes[1])));
    EXPECT_FALSE(QFile::exists(coverFile(codes[2])));
}
