// Each web source's reading of its fixture page into a book record, without a main window: what
// it gives when the page knows the book, and what it clears or keeps when it does not.
#include "platform/browser/PageDocument.h"
#include "web/AmazonReader.h"
#include "web/BookFinderReader.h"
#include "web/DecitreReader.h"
#include "web/DialoguesReader.h"
#include "web/PriceSiteReader.h"
#include "web/ShownPageReader.h"
#include "web/SiteAddresses.h"
#include "web/TitleSearch.h"

#include <QFile>
#include <gtest/gtest.h>
#include <map>

namespace {

using web::BookRecord;

const QString kPageCode = QStringLiteral("9782070612758");

QString fixtureText(const char* name)
{
    QFile file(QStringLiteral(QVL_FIXTURES_DIR "/web/") + QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return QString::fromUtf8(file.readAll());
}

browser::PageDocument fixturePage(const char* name)
{
    return browser::PageDocument::fromHtml(fixtureText(name));
}

using Field = std::optional<QString> BookRecord::*;
const std::pair<const char*, Field> kRecordFields[] = {
    {"title", &BookRecord::title},         {"author", &BookRecord::author},       {"publisher", &BookRecord::publisher},
    {"published", &BookRecord::published}, {"pages", &BookRecord::pages},         {"binding", &BookRecord::binding},
    {"price", &BookRecord::price},         {"dewey", &BookRecord::dewey},         {"code", &BookRecord::code},
    {"isbn10", &BookRecord::isbn10},       {"coverName", &BookRecord::coverName},
};

// The record's values are those named, the others unset; the summary holds `summary`, or is
// unset with it.
void expectRecord(const BookRecord& record, std::optional<bool> found, const std::map<std::string, QString>& values,
                  const std::optional<QString>& summary, const QString& picture)
{
    EXPECT_EQ(record.found, found);
    for (const auto& [name, field] : kRecordFields) {
        const auto expected = values.find(name);
        EXPECT_EQ(record.*field, expected == values.end() ? std::nullopt : std::optional<QString>(expected->second))
            << name;
    }
    ASSERT_EQ(record.summary.has_value(), summary.has_value());
    if (summary) {
        EXPECT_TRUE(record.summary->contains(*summary)) << record.summary->toStdString();
    }
    EXPECT_EQ(record.picture, picture);
}

web::LookupQuery amazonQuery(const QString& site, bool coverFound)
{
    web::LookupQuery query;
    query.code = kPageCode;
    query.amazonSite = site;
    query.coverFound = coverFound;
    return query;
}

}  // namespace

TEST(PageReaders, DialoguesBookPage)
{
    SCOPED_TRACE("found");
    const BookRecord found = web::readDialoguesPage(fixturePage("dialogues/found.html"));
    const QString picture =
        QStringLiteral("Http://images.librairiedialogues.fr/cover/") + kPageCode + QStringLiteral(".webp");
    expectRecord(found, true,
                 {{"title", QStringLiteral("Le Petit Prince ")},
                  {"author", QStringLiteral("Saint-Exupéry, Antoine de")},
                  {"publisher", QStringLiteral("Saint-Exupéry")},
                  {"published", QStringLiteral("01/03/1999")},
                  {"pages", QStringLiteral("96")},
                  {"binding", QStringLiteral("18 x 11 cm")},
                  {"price", QStringLiteral("7,50 ")},
                  {"dewey", QStringLiteral("843")},
                  {"coverName", picture}},
                 QStringLiteral("J'ai ainsi vécu seul"), picture);

    SCOPED_TRACE("not found");
    expectRecord(web::readDialoguesPage(fixturePage("dialogues/notfound.html")), false, {{"title", QString()}},
                 QString(), QString());
}

TEST(PageReaders, BookFinderSearchPage)
{
    expectRecord(web::readBookFinderPage(fixturePage("bookfinder/found.html"), kPageCode), true,
                 {{"title", QStringLiteral("Le Petit Prince")},
                  {"author", QStringLiteral("Antoine de Saint-Exupéry")},
                  {"publisher", QStringLiteral("Gallimard")}},
                 QString(), web::kAbeBooksPictures + QStringLiteral("/isbn/") + kPageCode + QStringLiteral(".jpg"));
    // A price list empties the three fields and fetches no cover.
    expectRecord(web::readBookFinderPage(fixturePage("bookfinder/notfound.html"), kPageCode), std::nullopt,
                 {{"title", QString()}, {"author", QString()}, {"publisher", QString()}}, QString(), QString());
}

TEST(PageReaders, DecitreBookPageCountsOnlyWithItsCover)
{
    const QString html = fixtureText("decitre/found.html");
    const BookRecord record = web::readDecitrePage(html, kPageCode, QString());
    expectRecord(record, std::nullopt,
                 {{"title", QStringLiteral("Le Petit Prince Édition illustrée")},
                  {"author", QStringLiteral("Antoine de Saint-Exupéry")},
                  {"publisher", QStringLiteral("Gallimard Jeunesse")}},
                 QStringLiteral("Un pilote tombé en panne"),
                 web::kDecitrePictures + QStringLiteral("/image//") + kPageCode + QStringLiteral("-475x500-1.jpg"));
    EXPECT_TRUE(record.foundWithCover);
    // A title already on the tab stays; the page's other values still come.
    const BookRecord kept = web::readDecitrePage(html, kPageCode, QStringLiteral("Titre tapé"));
    EXPECT_FALSE(kept.title.has_value());
    EXPECT_EQ(kept.author, QStringLiteral("Antoine de Saint-Exupéry"));
    // A page without its title gives nothing but the cleared summary.
    expectRecord(web::readDecitrePage(QStringLiteral("<html><body>404</body></html>"), kPageCode, QString()), std::nullopt,
                 {{"title", QString()}}, QString(), QString());
}

TEST(PageReaders, AmazonProductPage)
{
    const browser::PageDocument page = fixturePage("amazon/found.html");
    const std::map<std::string, QString> titleOnly = {{"title", QStringLiteral("Le Petit Prince ")},
                                                      {"author", QStringLiteral("Saint-Exupéry, Antoine de ")},
                                                      {"code", kPageCode},
                                                      {"coverName", QStringLiteral("amazonpage")}};
    std::map<std::string, QString> french = titleOnly;
    french.insert({{"publisher", QStringLiteral("Gallimard")},
                   {"published", QStringLiteral("1 mars 1999")},
                   {"pages", QStringLiteral("96 pages")},
                   {"binding", QStringLiteral("Broché")}});
    const QString picture = QStringLiteral("https://m.media-amazon.com/images/I/51AbCdEf.jpg");
    {
        SCOPED_TRACE("French site");
        const BookRecord record = web::AmazonReader::readPage(page, amazonQuery(QStringLiteral("fr"), false));
        expectRecord(record, true, french, QStringLiteral("Quatrième de couverture"), picture);
        EXPECT_TRUE(record.dropsProductNumber);
    }
    {
        SCOPED_TRACE("a cover already stored");
        expectRecord(web::AmazonReader::readPage(page, amazonQuery(QStringLiteral("fr"), true)), true, french,
                     QStringLiteral("Quatrième de couverture"), QString());
    }
    {
        SCOPED_TRACE("German site: the title and author only");
        expectRecord(web::AmazonReader::readPage(page, amazonQuery(QStringLiteral("de"), false)), true, titleOnly,
                     QString(), QString());
    }
    {
        SCOPED_TRACE("not found");
        expectRecord(
            web::AmazonReader::readPage(fixturePage("amazon/notfound.html"), amazonQuery(QStringLiteral("fr"), false)),
            false, {{"title", QString()}, {"code", kPageCode}}, QString(), QString());
    }
}

TEST(PageReaders, PriceSitePageNamesTheBookByItsAddress)
{
    const QString html =
        QStringLiteral("<link rel=image_src href=https://images.chasse-aux-livres.fr/covers/2070612759.jpg>"
                       "<p>Auteur(s)&nbsp;: <a href=/auteur/x title=Antoine de Saint-Exupéry>Saint-Exupéry</a></p>"
                       "<p>Paru le 06/04/1999 chez Gallimard - Folio</p>");
    const QString picture = QStringLiteral("https://images.chasse-aux-livres.fr/covers/2070612759.jpg");
    const BookRecord record =
        web::readPriceSitePage(html, web::kChasseSite + QStringLiteral("/prix/2070612759/le-petit-prince"), kPageCode);
    expectRecord(record, true,
                 {{"isbn10", QStringLiteral("2070612759")},
                  {"title", QStringLiteral("le petit prince")},
                  {"author", QStringLiteral("Antoine de Saint-Exupéry")},
                  {"published", QStringLiteral("le 06/04/1999 ")},
                  {"publisher", QStringLiteral("Gallimard ")},
                  {"coverName", QStringLiteral("ChasseLivre")}},
                 std::nullopt, picture);
    EXPECT_EQ(record.priceSitePicture, picture);
}

TEST(PageReaders, ShownAmazonAndRakutenPages)
{
    web::ShownEntry entry;
    entry.amazonSite = QStringLiteral("fr");
    entry.signInChecked = true;
    web::ShownPageEnd end = web::ShownPageEnd::Read;
    const BookRecord amazon = web::ShownPageReader::readAmazonPage(fixturePage("shown/amazon.html"), entry, end);
    EXPECT_EQ(end, web::ShownPageEnd::Read);
    expectRecord(amazon, std::nullopt,
                 {{"title", QStringLiteral("Le lion ")},
                  {"author", QStringLiteral("Kessel, Joseph   ")},
                  {"price", QStringLiteral("12,50")},
                  {"binding", QStringLiteral("Broché ")},
                  {"pages", QStringLiteral("96 pages")},
                  {"publisher", QStringLiteral("Gallimard")},
                  {"published", QStringLiteral("6 mai 1972")},
                  {"code", QStringLiteral("9782070360024")},
                  {"coverName", QStringLiteral("amazonpage")}},
                 QString(), QStringLiteral("https://images-na.ssl-images-amazon.com/images/I/51AbCdEf._SX300_.jpg"));
    EXPECT_EQ(amazon.language, QStringLiteral("Français"));

    const BookRecord rakuten = web::ShownPageReader::readRakutenPage(fixtureText("shown/rakuten.html"), {});
    expectRecord(rakuten, std::nullopt,
                 {{"title", QStringLiteral("Le lion")},
                  {"author", QStringLiteral("Joseph Kessel")},
                  {"publisher", QStringLiteral("Gallimard")},
                  {"published", QStringLiteral("1972")},
                  {"code", QStringLiteral("00000")}},
                 QString(), QStringLiteral("https://fr.shopping.rakuten.com/photo/1234_L_5678.jpg"));
    EXPECT_EQ(rakuten.webAddress, rakuten.picture);
}

TEST(PageReaders, TitleSearchPageGivesItsPictureAndTheMissingIsbn10)
{
    const QString html =
        QStringLiteral("<link rel=image_src href=https://images.chasse-aux-livres.fr/covers/2070612759.jpg>");
    const QString picture = QStringLiteral("https://images.chasse-aux-livres.fr/covers/2070612759.jpg");
    const BookRecord record = web::TitleSearch::readTitleSearchPage(html, kPageCode, QString());
    expectRecord(record, true, {{"isbn10", QStringLiteral("2070612759")}, {"coverName", QStringLiteral("ChasseLivre")}},
                 std::nullopt, picture);
    EXPECT_EQ(record.webAddress, picture);
    // An ISBN-10 already typed stays.
    EXPECT_FALSE(web::TitleSearch::readTitleSearchPage(html, kPageCode, QStringLiteral("2070612759")).isbn10.has_value());
}
