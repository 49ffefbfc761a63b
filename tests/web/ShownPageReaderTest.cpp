// "Lire la page" and "Prendre la page" of the web result panel on the product pages it shows
// (Amazon, Rakuten), their covers served locally.
#include "ShownPageFixture.h"

#include "platform/picture/PictureFile.h"
#include "web/ShownPageReader.h"

#include <QBuffer>
#include <QImage>

namespace {


// A JPEG cover padded with zeros to exactly `size` bytes.
QByteArray coverOfSize(qsizetype size)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    bytes.append(size - bytes.size(), '\0');
    return bytes;
}

struct PageCase {
    const char* name;
    const char* replaced;  // in the French product page
    const char* by;
    std::map<std::string, QString> fields;
    bool panelOpen;
};

}  // namespace

class ShownPageReaderTest : public ShownPageTest {
protected:
    void SetUp() override
    {
        startWith();
        sites.serve(QStringLiteral("images/I/51AbCdEf._SX300_.jpg"), BookSites::cover("JPEG"));
    }
    void readPage(const QByteArray& html)
    {
        showPage(html);
        control("BitBtn2").show();
        input.click(QStringLiteral("BitBtn2"));
    }
};

TEST_F(ShownPageReaderTest, TheFrenchProductPageFillsTheEntryTabAndItsCoverAndClosesThePanel)
{
    readPage(fixture(QStringLiteral("shown/amazon.html")));
    const std::pair<const char*, QString> fields[] = {
        {"Edit4", QStringLiteral("Le lion ")}, {"Edit5", QStringLiteral("Kessel, Joseph   ")},
        {"Edit92", QStringLiteral("12,50")},  {"Edit91", QStringLiteral("Broché ")},
        {"Edit7", QStringLiteral("96 pages")}, {"Edit12", QStringLiteral("Gallimard")},
        {"Edit6", QStringLiteral("6 mai 1972")}, {"Edit10", kBookCode},
        {"Edit61", QStringLiteral("amazonpage")},
    };
    for (const auto& [name, value] : fields)
        EXPECT_EQ(edit(name).text(), value) << name;
    EXPECT_EQ(frm().BookLanguage, QStringLiteral("Français"));
    EXPECT_EQ(picture::detectFormat(programFile(QStringLiteral("livres/Jaquettes/") + kBookCode + ".jpg")),
              picture::Format::Jpeg);
    EXPECT_EQ(frm().CoverFileName, kBookCode + ".jpg");
    EXPECT_TRUE(image("Image99").picture());
    EXPECT_FALSE(control("Panel21").visible());
    EXPECT_TRUE(control("SpeedButton20").visible());
    EXPECT_TRUE(programFile(QStringLiteral("dialogue_InnerHTML.txt")).contains("51AbCdEf._SX300_.jpg"));
}

TEST_F(ShownPageReaderTest, PagesThatDifferFromTheProductPage)
{
    const PageCase cases[] = {
        // Four hyphens make the code 17 characters long: it is still read whole.
        {"hyphenated code", "978-2070360024", "978-2-07-036002-4", {{"Edit10", kBookCode}}, false},
        {"code that is no ISBN-13", "978-2070360024", "97820703", {{"Edit10", QString()}}, false},
        // The title says the product is missing: no title, the codes are still read.
        {"missing product", "Le lion : Kessel, Joseph : Amazon.fr : Livres", "Erreur 404", {{"Edit4", QString()}, {"Edit10", kBookCode}}, false},
        // No sign-in text: the warning comes up and nothing past the title is read.
        {"not signed in", "Vous l'avez déjà ?", "", {{"Edit4", QStringLiteral("Le lion ")}, {"Edit92", QString()}, {"Edit10", QString()}}, true},
        {"price from", "Prix conseillé : € 12,50", "Neuf à partir de EUR13,90", {{"Edit92", QStringLiteral("13,90")}}, false},
        {"title without separator", "Le lion : Kessel, Joseph : Amazon.fr : Livres", "Le lion", {{"Edit4", QStringLiteral("Le lion")}}, false},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : {"Edit4", "Edit10", "Edit92"})
            edit(name).clear();
        control("Panel22").hide();
        readPage(fixture(QStringLiteral("shown/amazon.html")).replace(c.replaced, c.by));
        for (const auto& [name, value] : c.fields)
            EXPECT_EQ(edit(name.c_str()).text(), value) << name;
        EXPECT_EQ(control("Panel21").visible(), c.panelOpen);
        EXPECT_EQ(control("Panel22").visible(), c.panelOpen);
    }
}

TEST_F(ShownPageReaderTest, ARakutenPageGivesItsAttributesAndItsLargePictureUnlessItIsTheNoPictureMark)
{
    const std::pair<qsizetype, bool> sizes[] = {{web::ShownPageReader::kRakutenNoPictureSize, false},
                                                {web::ShownPageReader::kRakutenNoPictureSize + 1, true}};
    for (const auto& [size, stored] : sizes) {
        SCOPED_TRACE(size);
        edit("Edit10").clear();
        QFile::remove(program.folder(QStringLiteral("livres/Jaquettes/00000.jpg")));
        sites.serve(QStringLiteral("photo/1234_L_5678.jpg"), coverOfSize(size));
        readPage(fixture(QStringLiteral("shown/rakuten.html")));
        EXPECT_EQ(edit("Edit4").text(), QStringLiteral("Le lion"));
        EXPECT_EQ(edit("Edit5").text(), QStringLiteral("Joseph Kessel"));
        EXPECT_EQ(edit("Edit12").text(), QStringLiteral("Gallimard"));
        EXPECT_EQ(edit("Edit6").text(), QStringLiteral("1972"));
        EXPECT_EQ(edit("Edit99").text(), QStringLiteral("https://fr.shopping.rakuten.com/photo/1234_L_5678.jpg"));
        EXPECT_EQ(edit("Edit10").text(), QStringLiteral("00000"));
        EXPECT_EQ(coverStored(QStringLiteral("00000.jpg")), stored);
        EXPECT_FALSE(control("Panel21").visible());
    }
}

class ShownPageTakeTest : public ShownPageTest {
protected:
    void take()
    {
        showPage(fixture(QStringLiteral("shown/amazon.html")));
        control("SpeedButton3").show();
        input.click(QStringLiteral("SpeedButton3"));
    }
    const QString summary = QStringLiteral("Quatrième de couverture\r\nPatricia vit au milieu des bêtes sauvages du parc royal.\r\n");
};

// The copy's cover name, and the name its taken cover is stored under.
class ShownPageTakeCoverTest : public ShownPageTakeTest,
                               public testing::WithParamInterface<std::pair<QString, QString>> {};

TEST_P(ShownPageTakeCoverTest, OnTheEntryTabThePagesPictureCoverAndSummaryGoIntoTheCurrentCopy)
{
    const auto& [images, stored] = GetParam();
    startWith({{kBookCode, images}});
    sites.serve(QStringLiteral("images/I/51AbCdEf.jpg"), BookSites::cover("PNG"));
    const QByteArray placeholder = programFile(QStringLiteral("livres/Jaquettes/No_picture.jpg"));
    dialogs.answer(QStringLiteral("OK"));
    take();
    EXPECT_EQ(dialogs.log().back().text, summary);
    EXPECT_EQ(rowField("Titre"), QStringLiteral("LE LION"));
    EXPECT_EQ(rowField("Lien_pedago"), QStringLiteral("https://images-na.ssl-images-amazon.com/images/I/51AbCdEf.jpg"));
    EXPECT_EQ(rowField("Resume"), summary);
    EXPECT_EQ(rowField("Images"), stored);
    EXPECT_EQ(picture::detectFormat(programFile(QStringLiteral("livres/Jaquettes/") + stored)), picture::Format::Jpeg);
    EXPECT_EQ(programFile(QStringLiteral("livres/Jaquettes/No_picture.jpg")), placeholder);
    EXPECT_FALSE(control("Panel21").visible());
}

INSTANTIATE_TEST_SUITE_P(Covers, ShownPageTakeCoverTest,
                         testing::Values(std::pair(ShownPageTest::kBookCode + ".jpg", ShownPageTest::kBookCode + ".jpg"),
                                         // The placeholder is never overwritten.
                                         std::pair(QStringLiteral("No_picture.jpg"), ShownPageTest::kBookCode + ".jpg")));

TEST_F(ShownPageTakeTest, OnTheComplementsTabThePageIsOnlyWrittenToDisk)
{
    startWith({{kBookCode, kBookCode + ".jpg"}});
    selectTab("TabSheet2");
    take();
    EXPECT_TRUE(programFile(QStringLiteral("ImageAmazon_InnerHTML.txt")).contains("Détails sur le produit"));
    EXPECT_EQ(programFile(QStringLiteral("dialogue_InnerHTML.html")), programFile(QStringLiteral("ImageAmazon_InnerHTML.txt")));
    EXPECT_EQ(rowField("Titre"), QStringLiteral("le-lion"));
    EXPECT_TRUE(rowField("Lien_pedago").isEmpty());
    EXPECT_FALSE(coverStored(kBookCode + ".jpg"));
}
