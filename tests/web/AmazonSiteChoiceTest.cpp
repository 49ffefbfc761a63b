// The flags of the entry tab that choose the Amazon site: the look-up's product page reader and
// "Lire la page" recognise the chosen site's texts, the product pages served locally.
#include "ShownPageFixture.h"

#include "platform/ui/Image.h"

#include <map>
#include <string_view>

namespace {

const QString kSiteChoiceCode = BookSites::kCode;

QByteArray productPageTitled(const char* title)
{
    return QByteArray("<html><head><meta charset=\"utf-8\"><title>") + title +
           "</title></head><body><div>Parcourir les boutiques</div></body></html>";
}

struct ChainSiteCase {
    const char* name;
    const char* flag;  // the site's flag
    QByteArray page;
    const char* title;  // empty: not found
    const char* author;
    const char* publisher;
    bool coverStored;
};

struct ShownSiteCase {
    const char* name;
    const char* flag;
    const char* fixture;
    const char* replaced;
    const char* by;
    std::map<std::string, QString> fields;
    bool warning;
};

}  // namespace

class AmazonSiteChoiceTest : public ShownPageTest {
protected:
    void SetUp() override
    {
        startWith();
        app::Settings& settings = frm().settings;
        settings.dialoguebool = settings.bookfinderbool = settings.decitrebool = settings.ChasseLivrebool = false;
        settings.Qvlbool = false;
        settings.Amazonbool = true;
        sites.serve(QStringLiteral("images/I/51AbCdEf.jpg"), BookSites::cover("JPEG"));
        sites.serve(QStringLiteral("images/I/51AbCdEf._SX300_.jpg"), BookSites::cover("JPEG"));
    }
    // Clicks the flag unless its site is chosen already (its marker then lies over it); the
    // flag's marker is then the only one shown.
    void choose(const char* flag)
    {
        const std::pair<const char*, const char*> markers[] = {
            {"Image76", "Image71"}, {"Image75", "Image72"}, {"Image74", "Image73"}};
        for (const auto& [site, marker] : markers)
            if (std::string_view(site) == flag && !control(marker).visible())
                input.click(QString::fromLatin1(flag));
        for (const auto& [site, marker] : markers)
            EXPECT_EQ(control(marker).visible(), std::string_view(site) == flag) << marker;
    }
    QString coverFile(const QString& code) const { return QStringLiteral("livres/Jaquettes/") + code + QStringLiteral(".jpg"); }
};

TEST_F(AmazonSiteChoiceTest, TheChosenSiteDecidesWhichTitlesOfTheFrenchProductPageMeanNoProductAndWhatIsRead)
{
    const QByteArray found = fixture(QStringLiteral("amazon/found.html"));
    const ChainSiteCase cases[] = {
        // The German and English stores take only the title and the author from the page.
        {"de, found", "Image75", found, "Le Petit Prince ", "Saint-Exupéry, Antoine de ", "", false},
        {"de, no product", "Image75", productPageTitled("Amazon.fr: Ihre Suche ergab leider keine Produkttreffer"), "", "", "", false},
        {"com, no product", "Image74", productPageTitled("Amazon.fr: your search did not match any products"), "", "", "", false},
        {"com, found", "Image74", found, "Le Petit Prince ", "Saint-Exupéry, Antoine de ", "", false},
        {"fr, found", "Image76", found, "Le Petit Prince ", "Saint-Exupéry, Antoine de ", "Gallimard", true},
        // A robot check: its title is the store's name alone.
        {"fr, store name only", "Image76", productPageTitled("Amazon.fr"), "", "", "", false},
    };
    for (const ChainSiteCase& c : cases) {
        SCOPED_TRACE(c.name);
        choose(c.flag);
        sites.serve(QStringLiteral("dp/") + BookSites::kIsbn10, c.page);
        QFile::remove(program.folder(coverFile(kSiteChoiceCode)));
        if (!edit("Edit4").text().isEmpty())
            dialogs.answer(QStringLiteral("OK"));  // the previous book goes
        const bool found = *c.title != 0;
        if (!found)
            dialogs.answer(QStringLiteral("OK"));
        const size_t dialogsBefore = dialogs.log().size();

        input.scan(kSiteChoiceCode);

        EXPECT_EQ(edit("Edit4").text(), QString::fromUtf8(c.title));
        EXPECT_EQ(edit("Edit5").text(), QString::fromUtf8(c.author));
        EXPECT_EQ(edit("Edit12").text(), QString::fromUtf8(c.publisher));
        EXPECT_EQ(QFile::exists(program.folder(coverFile(kSiteChoiceCode))), c.coverStored);
        // Only the French store gives the summary, like the cover.
        EXPECT_EQ(edit("RichEdit4").text().isEmpty(), !c.coverStored);
        const bool notFoundSaid = dialogs.log().size() > dialogsBefore && dialogs.log().back().text == frm().tables.dialog(5);
        EXPECT_EQ(notFoundSaid, !found);
    }
}

TEST_F(AmazonSiteChoiceTest, LireLaPageReadsThePageOfTheChosenSite)
{
    const ShownSiteCase cases[] = {
        {"de", "Image75", "shown/amazon_de.html", "", "", {{"Edit4", QStringLiteral("Der Löwe ")}, {"Edit92", QStringLiteral("14,00")}, {"Edit10", ShownPageTest::kBookCode}}, false},
        // The French product's missing text means nothing on the German store.
        {"de, French no-product title", "Image75", "shown/amazon_de.html", "Der Löwe : Kessel, Joseph : Amazon.de : Bücher",
         "Amazon.fr : Le Lion ne correspond à aucun produit", {{"Edit4", QStringLiteral("Le Lion ne correspond à aucun")}}, false},
        {"de, no product", "Image75", "shown/amazon_de.html", "Der Löwe : Kessel, Joseph : Amazon.de : Bücher",
         "Ihre Suche ergab leider keine Produkttreffer", {{"Edit4", QString()}, {"Edit10", ShownPageTest::kBookCode}}, false},
        {"de, not signed in", "Image75", "shown/amazon_de.html", "Loggen Sie sich ein,", "", {{"Edit4", QStringLiteral("Der Löwe ")}, {"Edit10", QString()}}, true},
        // The English store is read without a sign-in test.
        {"com", "Image74", "shown/amazon_com.html", "", "", {{"Edit4", QStringLiteral("The Lion ")}, {"Edit10", ShownPageTest::kBookCode}}, false},
        {"com, no product", "Image74", "shown/amazon_com.html", "The Lion : Kessel, Joseph : Amazon.com : Books",
         "Your search did not match any products", {{"Edit4", QString()}, {"Edit10", ShownPageTest::kBookCode}}, false},
        {"fr, German page without the French sign-in texts", "Image76", "shown/amazon_de.html", "", "", {{"Edit4", QStringLiteral("Der Löwe ")}, {"Edit10", QString()}}, true},
    };
    for (const ShownSiteCase& c : cases) {
        SCOPED_TRACE(c.name);
        choose(c.flag);
        for (const char* name : {"Edit4", "Edit10", "Edit92"})
            edit(name).clear();
        QByteArray page = fixture(QString::fromLatin1(c.fixture));
        if (*c.replaced)
            page.replace(c.replaced, c.by);
        showPage(page);
        control("BitBtn2").show();
        input.click(QStringLiteral("BitBtn2"));
        for (const auto& [name, value] : c.fields)
            EXPECT_EQ(edit(name.c_str()).text(), value) << name;
        EXPECT_EQ(control("Panel22").visible(), c.warning);
        EXPECT_EQ(control("Panel21").visible(), c.warning);
        if (c.warning) {
            EXPECT_TRUE(image("Image104").picture());
            input.click(QStringLiteral("SpeedButton1"));
            control("Panel21").hide();
        }
    }
}
