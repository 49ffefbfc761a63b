#include "web/AmazonReader.h"

#include "app/Settings.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/IsbnConversions.h"
#include "platform/text/PascalText.h"
#include "platform/browser/PageDocument.h"
#include "platform/browser/Texts.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"

#include <QRegularExpression>

namespace web {

namespace {

constexpr int kLongestSummary = 3000;

// The legacy browser wrote tag names in upper case; the page view writes them in lower case.
QString withLowerTags(const QString& marker)
{
    QString out = marker;
    bool inTag = false;
    for (QChar& c : out) {
        if (c == u'<')
            inTag = true;
        else if (c == u'>')
            inTag = false;
        else if (inTag)
            c = c.toLower();
    }
    return out;
}

int posOfTag(const QString& marker, const QString& text)
{
    const int asWritten = text::Pos(marker, text);
    return asWritten > 0 ? asWritten : text::Pos(withLowerTags(marker), text);
}

QString afterTag(const QString& text, const QString& marker)
{
    const int at = posOfTag(marker, text);
    return at > 0 ? text.mid(at - 1 + int(marker.size())) : text;
}

// The product page's number: the ISBN-10 field, or for a catalogue row stored without one, the
// ISBN-10 of its 978 code.
QString productNumber(const LookupQuery& query)
{
    const QString& code = query.code;
    if (query.isbn10.isEmpty() && code.size() == 13 && code.startsWith(QLatin1String("978")) &&
        catalogue::isAllDigits(code))
        return catalogue::Isbn13To10(code);
    return query.isbn10;
}

// The French site's page also gives the summary, the cover and the details.
bool isFrenchSite(const QString& site)
{
    return site != u"de" && site != u"com";
}

// The page's HTML from its results on.
QString resultsHtml(QString html)
{
    if (const int results = text::Pos(QStringLiteral("résultat pour"), html); results > 0)
        html = html.mid(results - 1);
    return html;
}

}  // namespace

bool AmazonReader::enabled(const app::Settings& settings) const
{
    return settings.Amazonbool;
}

bool AmazonReader::isMissingProduct(const QString& site, const QString& pageTitle)
{
    static const QRegularExpression storeNameOnly(QStringLiteral("^[\\s:|-]*amazon(\\.[a-z]+)*[\\s:|-]*$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    if (storeNameOnly.match(pageTitle).hasMatch())
        return true;
    QStringList markers;
    if (site == u"de")
        markers = {QStringLiteral("ergab leider keine Produkttreffer"), QStringLiteral("404")};
    else if (site == u"com")
        markers = {QStringLiteral("did not match any products"), QStringLiteral("404")};
    else
        markers = {QStringLiteral("ne correspond à aucun produit"), QStringLiteral("cette page n’existe pas"),
                   QStringLiteral("Page introuvable"),           QStringLiteral("page non trouvée"),
                   QStringLiteral("pas une page fonctionnelle"), QStringLiteral("404"),
                   browser::texts().cancelledNavigation};
    for (const QString& marker : markers)
        if (pageTitle.contains(marker))
            return true;
    return false;
}

BookRecord AmazonReader::ask(const LookupQuery& query)
{
    query.step(QStringLiteral("Amazon data"));
    m_pages.NavigateSniffAndWait(kAmazonSite + QStringLiteral("/dp/") + productNumber(query));
    const browser::PageDocument& page = m_pages.page().document();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), resultsHtml(page.innerHtml()));
    BookRecord record = readPage(page, query);
    if (record.found == true && isFrenchSite(query.amazonSite))
        m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), page.innerHtml());
    return record;
}

BookRecord AmazonReader::readPage(const browser::PageDocument& page, const LookupQuery& query)
{
    BookRecord record;
    record.dropsProductNumber = true;
    const QString& code = query.code;
    record.summary = QString();
    const QString pageTitle = page.title();
    const QString html = resultsHtml(page.innerHtml());
    if (code.startsWith(QLatin1String("979")))
        if (const int product = text::Pos(QStringLiteral("dp/B0"), html); product > 0)
            record.isbn10 = html.mid(product - 1 + 3, 10);

    const QString& site = query.amazonSite;
    record.code = code;
    if (isMissingProduct(site, pageTitle) || pageTitle.isEmpty()) {
        record.title = QString();
        record.found = false;
        return record;
    }
    record.found = true;
    record.coverName = QStringLiteral("amazonpage");
    const bool french = isFrenchSite(site);
    if (french) {
        QString bodyText = page.innerText();
        if (const int shops = text::Pos(QStringLiteral("Parcourir les boutiques"), bodyText); shops > 0)
            bodyText = bodyText.mid(shops - 1);
        record.summary = summaryOf(bodyText);
    }
    QString title;
    QString author;
    splitTitle(pageTitle, title, author);
    record.title = title;
    record.author = author;
    if (french) {
        if (!query.coverFound)
            record.picture = pictureOf(page.innerHtml());
        readDetails(record, page.innerHtml());
    }
    return record;
}

void AmazonReader::fetchCover(const LookupQuery& query, BookRecord& record)
{
    const QString cover = query.code + QStringLiteral(".jpg");
    if (!record.picture.isEmpty() && m_covers.DownloadCover(record.picture, cover))
        record.coverFile = cover;
}

QString AmazonReader::summaryOf(const QString& bodyText)
{
    int start = text::Pos(QStringLiteral("Quatrième de couverture"), bodyText);
    if (start == 0)
        start = text::Pos(QStringLiteral("Présentation de l'éditeur"), bodyText);
    if (start == 0)
        return {};
    const QString rest = bodyText.mid(start - 1);
    int end = text::Pos(QStringLiteral("Biographie"), rest);
    if (end == 0)
        end = text::Pos(QStringLiteral("Détails sur le produit"), rest);
    if (end == 0)
        return {};
    const QString summary = text::Trim(rest.left(end - 1));
    return summary.size() > kLongestSummary ? QString() : summary;
}

void AmazonReader::splitTitle(const QString& pageTitle, QString& title, QString& author)
{
    QString t = pageTitle;
    for (const char* storeName : {"Amazon.fr -", "Amazon.fr", "- Livres"})
        t = ReplaceAll(t, QString::fromLatin1(storeName), QString());
    // A colon wins over a dash between blanks; a dash inside a name is no separator.
    QString separator;
    if (t.contains(QStringLiteral(" - ")))
        separator = QStringLiteral(" - ");
    if (t.contains(u':'))
        separator = QStringLiteral(":");
    if (separator.isEmpty()) {
        title = text::Trim(t);
        author.clear();
        return;
    }
    const int at = text::Pos(separator, t);
    const QString spaced = separator.size() > 1 ? QStringLiteral(" ") : QString();
    author = text::TrimLeft(ReplaceAll(t.mid(at - 1 + int(separator.size())), separator, spaced));
    title = text::TrimLeft(t.left(at - 1 + (separator.size() > 1 ? 1 : 0)));
}

QString AmazonReader::pictureOf(const QString& bodyHtml)
{
    QString html = bodyHtml;
    if (const int video = text::Pos(QStringLiteral("main-video-container"), html); video > 0)
        html = html.mid(video - 1);
    for (const QString& prefix : kAmazonPicturePrefixes) {
        const int at = text::Pos(prefix, html);
        if (at == 0)
            continue;
        html = html.mid(at - 1);
        const int jpg = text::Pos(QStringLiteral(".jpg"), html);
        return jpg == 0 ? QString() : html.left(jpg + 3);
    }
    return {};
}

void AmazonReader::readDetails(BookRecord& record, const QString& bodyHtml)
{
    const QString details = QStringLiteral("Détails sur le produit");
    QString h = bodyHtml;
    if (const int at = text::Pos(details, h); at > 0)
        h = h.mid(at - 1);
    const QString item = QStringLiteral("<LI><B>");
    const QString bold = QStringLiteral("</B>");
    if (posOfTag(item, h) > 0) {
        h = afterTag(h, item);
        const int end = posOfTag(bold, h);
        if (end > 0)
            record.binding = h.left(qMax(0, end - 2));
    }
    if (posOfTag(bold, h) > 0) {
        h = afterTag(h, bold);
        const int pages = text::Pos(QStringLiteral("pages"), h);
        record.pages = text::Trim(pages > 0 ? h.left(pages - 1 + 5) : h.left(4));
    }
    for (const char* publisher : {"<LI><B>Editeur&nbsp;:</B>", "<li><b>Editeur :</b>"}) {
        const QString marker = QString::fromLatin1(publisher);
        if (posOfTag(marker, h) == 0)
            continue;
        h = afterTag(h, marker);
        int end = text::Pos(QStringLiteral("("), h);
        const int semicolon = text::Pos(QStringLiteral(";"), h);
        if (semicolon > 0 && (end == 0 || semicolon < end))
            end = semicolon;
        record.publisher = end > 0 && text::Pos(QStringLiteral("("), h) > 0 ? text::Trim(h.left(end - 1)) : QString();
        break;
    }
    if (const int open = text::Pos(QStringLiteral("("), h); open > 0) {
        h = h.mid(open);
        record.published = textBefore(h, QStringLiteral(")"));
    }
}

}  // namespace web
