#include "web/ShownPageReader.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/ComplementsControls.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBControls.h"
#include "web/BookRecord.h"
#include "web/CoverDownload.h"
#include "web/EntryTabRecord.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/ShownPage.h"
#include "web/SiteAddresses.h"
#include "web/WebResultControls.h"

#include <algorithm>
#include <optional>

namespace web {

namespace {

// The readers' cuts: from a marker to one character before the end of the text, from the start
// through the marker, from the start to just before it. A missing marker is at position 0.
QString cutFromPosition(const QString& text, int position)
{
    return text::Copy(text, position, int(text.size()) - position);
}

QString cutFromMarker(const QString& text, const QString& marker)
{
    return cutFromPosition(text, text::Pos(marker, text));
}

QString upToMarker(const QString& text, const QString& marker)
{
    return text::Copy(text, 1, text::Pos(marker, text) + int(marker.size()) - 1);
}

QString beforeMarker(const QString& text, const QString& marker)
{
    return text::Copy(text, 1, text::Pos(marker, text) - 1);
}

// The markers of an Amazon site ("fr", "de" or "com").
struct AmazonSiteTexts {
    QString notFound;
    QStringList signedIn;  // none: the site is not checked
    QString details;
    QString publisher;
    int publisherSkip;
    QString language;
    int languageSkip;
};

AmazonSiteTexts amazonSiteTexts(const QString& site)
{
    if (site == u"de")
        return {QStringLiteral("ergab leider keine Produkttreffer"),
                {QStringLiteral("Loggen Sie sich ein,"), QStringLiteral("Möchten Sie verkaufen?")},
                QStringLiteral("Produktinformation"), QStringLiteral("Verlag:"), 7, QStringLiteral("Sprache:"), 8};
    if (site == u"com")
        return {QStringLiteral("did not match any products"), {}, QStringLiteral("Product Details"),
                QStringLiteral("Publisher:"), 10, QStringLiteral("Language:"), 9};
    return {QStringLiteral("ne correspond à aucun produit"),
            {QStringLiteral("pour activer la commande 1-Click."), QStringLiteral("Vous l'avez déjà ?")},
            QStringLiteral("Détails sur le produit"), QStringLiteral("Editeur : "), 10, QStringLiteral("Langue :"), 9};
}

bool amazonPageNotFound(const QString& site, const QString& pageTitle)
{
    return pageTitle.contains(amazonSiteTexts(site).notFound) || pageTitle.contains(QStringLiteral("404"));
}

const QString kSourceAttribute = QStringLiteral("\" src=\"");

// The page's Amazon picture address, its name without size suffix; empty when the page links
// none. The first host that the page names wins, in the store's order.
QString amazonPictureOfHtml(const QString& html, const QStringList& markers)
{
    for (const QString& marker : markers) {
        const int at = text::Pos(marker, html);
        if (at == 0)
            continue;
        const QString picture = cutFromMarker(cutFromPosition(html, at), QStringLiteral("https://"));
        if (text::Pos(QStringLiteral(".jpg"), picture) == 0)
            return {};
        return pictureWithoutSizeSuffix(beforeMarker(picture, QStringLiteral(".jpg")));
    }
    return {};
}

// Rakuten's large picture: the smaller ones differ only by their size mark.
QString rakutenLargePicture(const QString& html, const QString& hostAndFolder)
{
    if (text::Pos(hostAndFolder, html) == 0)
        return {};
    QString picture = upToMarker(cutFromMarker(cutFromMarker(html, hostAndFolder), QStringLiteral("https://")),
                                 QStringLiteral(".jpg"));
    for (const char* size : {"_M_", "_ML_", "_MML_"})
        picture = ReplaceAll(picture, QString::fromLatin1(size), QStringLiteral("_L_"));
    return picture;
}

}  // namespace

ShownPageReader::ShownPageReader(app::TFrmPrin& frm, const catalogue::BookEntryControls& book,
                                 const WebResultControls& panel, const ShownPage& shown, PageFetch& pages,
                                 CoverDownload& covers)
    : m_frm(frm), m_book(book), m_panel(panel), m_shown(shown), m_pages(pages), m_covers(covers)
{
    panel.readPage.onClick = [this] { Button93Click(); };
    panel.takePage.onClick = [this] { SpeedButton3Click(); };
}

void ShownPageReader::Button93Click()
{
    app::TFrmPrin& f = m_frm;
    const browser::PageDocument& page = m_shown.document();
    const QString html = page.innerHtml();
    const bool rakuten = html.contains(QStringLiteral("rakuten"));
    ShownEntry entry;
    entry.code = m_book.isbn13.text();
    entry.isbn10 = m_book.isbn10.text();
    entry.price = m_book.price.text();
    entry.amazonSite = f.AmazonSite;
    entry.signInChecked = m_panel.signInChecked.checked();
    ShownPageEnd end = ShownPageEnd::Read;
    BookRecord record;
    if (rakuten) {
        showStep(f, QStringLiteral("Rakuten data"));
        record = readRakutenPage(html, entry);
    } else {
        m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), html);
        record = readAmazonPage(page, entry, end);
    }
    showRecord(f, record);
    if (end == ShownPageEnd::SignInAsked)
        m_panel.signInWarning.show();
    if (end != ShownPageEnd::Read)
        return;
    const QString code = m_book.isbn13.text();
    QString cover = coverFileOfCode(code);
    if (!rakuten && cover.isEmpty())
        cover = kPendingCoverName;
    if (!record.picture.isEmpty() && !cover.isEmpty() &&
        m_covers.DownloadCover(record.picture, cover, rakuten ? kRakutenNoPictureSize : 0))
        record.coverFile = cover;
    showRecordCover(f, record);
    closePanel();
}

BookRecord ShownPageReader::readAmazonPage(const browser::PageDocument& page, const ShownEntry& entry,
                                           ShownPageEnd& end)
{
    BookRecord record;
    const QString pageTitle = page.title();
    if (amazonPageNotFound(entry.amazonSite, pageTitle)) {
        record.title = QString();
    } else {
        record.title = pageTitle;
        record.coverName = QStringLiteral("amazonpage");
        if (pageTitle.isEmpty()) {
            end = ShownPageEnd::Left;
            return record;
        }
        const int authorCut = splitPageTitle(pageTitle, record);
        const QString bodyText = page.innerText();
        const QStringList signedIn = amazonSiteTexts(entry.amazonSite).signedIn;
        if (!entry.signInChecked && !signedIn.isEmpty() &&
            std::none_of(signedIn.begin(), signedIn.end(), [&](const QString& t) { return bodyText.contains(t); })) {
            end = ShownPageEnd::SignInAsked;
            return record;
        }
        readDetails(bodyText, authorCut, entry, record);
    }
    const QString html = page.innerHtml();
    readCodes(html, entry, record);
    record.picture = amazonShownPicture(html);
    return record;
}

int ShownPageReader::splitPageTitle(const QString& pageTitle, BookRecord& record)
{
    const QString storeName = QStringLiteral("Amazon.fr");
    const QString title = text::Trim(ReplaceAll(pageTitle, storeName + QStringLiteral(" -"), QString()));
    QString shortTitle;
    if (text::LowerCase(title).startsWith(QLatin1String("amazon"))) {
        shortTitle = text::TrimLeft(text::Copy(title, 12, int(title.size()) - 19));
        record.title = shortTitle;
    } else {
        shortTitle = title;
        QString separator;
        if (title.contains(u':'))
            separator = QStringLiteral(":");
        if (title.contains(QStringLiteral(" - ")))
            separator = QStringLiteral("-");
        const int at = text::Pos(separator, title);
        QString author = text::Copy(title, at + 2, int(title.size()) - at);
        author = beforeMarker(author, separator + QStringLiteral(" Livres"));
        author = ReplaceAll(author, storeName, QString());
        if (!separator.isEmpty())
            author = ReplaceAll(author, separator, QString());
        record.author = text::TrimLeft(author);
        // A title without separator is the book's title as it stands.
        record.title = separator.isEmpty() ? title : beforeMarker(title, separator);
    }
    const QString shownTitle = *record.title;
    if (!shownTitle.contains(u':'))
        return 0;
    int colon = 0;
    for (int i = qMin(int(shownTitle.size()) - 1, int(shortTitle.size())); i >= 1 && colon == 0; --i)
        if (shortTitle[i - 1] == u':')
            colon = i;
    const int n = qMax(0, colon - 1);
    record.author = shortTitle.left(n);
    return n;
}

void ShownPageReader::readDetails(const QString& bodyText, int authorCut, const ShownEntry& entry, BookRecord& record)
{
    const QString& site = entry.amazonSite;
    const AmazonSiteTexts texts = amazonSiteTexts(site);

    // The French site names its price after one of two texts; without either the price stays.
    auto priceAfter = [&bodyText](const char* marker, int skip, int length) {
        const int at = text::Pos(QString::fromUtf8(marker), bodyText);
        return at > 0 ? std::optional<QString>(text::Copy(bodyText, at + skip, length)) : std::nullopt;
    };
    std::optional<QString> price;
    if (site == u"de")
        price = text::Copy(bodyText, text::Pos(QStringLiteral("Preis"), bodyText) + 9, 6);
    else if (site != u"com" && !(price = priceAfter("Prix conseillé", 19, 5)))
        price = priceAfter("à partir de ", 15, 5);
    record.price = text::Trim(price.value_or(entry.price));

    const QString details = cutFromPosition(bodyText, text::Pos(texts.details, bodyText) + 22);
    const int publisherAt = text::Pos(texts.publisher, details);
    QString pages = text::Copy(details, 3, publisherAt - 3);
    if (pages.contains(u':')) {
        record.binding = beforeMarker(pages, QStringLiteral(":"));
        pages = text::Trim(pages.mid(pages.indexOf(u':') + 1));
    }
    record.pages = pages;
    record.summary = QString();

    QString block = text::Copy(details, publisherAt + texts.publisherSkip, 50);
    int k = authorCut;
    if (details.contains(QStringLiteral("Editeur : "))) {
        const int cr = text::Pos(QStringLiteral("\r"), block);
        block = text::Trim(cr > 0 ? block.left(cr - 1) : block.left(block.size() - 1));
        k = text::Pos(QStringLiteral("("), block);
        if (k == 0)
            k = int(block.size());
        record.publisher = text::Trim(block.left(k - 1));
    }
    const int length = int(block.size());
    if (site == u"de")
        record.published = text::Copy(block, k + 12, length - k - 1);
    else if (site == u"com")
        record.published = text::Copy(block, k + 1, length - k + 1);
    else
        record.published = text::Copy(block, k + 1, length - k - 1);

    // The language ends its line; the line's end is no part of it.
    const int language = text::Pos(texts.language, details) + texts.languageSkip;
    record.language =
        text::Trim(text::Copy(details, language, text::Pos(QStringLiteral("ISBN-10:"), details) - language));
}

void ShownPageReader::readCodes(const QString& html, const ShownEntry& entry, BookRecord& record)
{
    if (const int at = text::Pos(QStringLiteral("ISBN-13 :"), html); at > 0) {
        // Hyphens may make the code up to 17 characters long; only a whole ISBN-13 is taken.
        QString code;
        for (QChar c : text::Trim(text::Copy(html, at + 14, 17))) {
            if (c == u'-')
                continue;
            if (!c.isDigit())
                break;
            code += c;
        }
        if (code.size() == 13)
            record.code = code;
    }
    if (const int at = text::Pos(QStringLiteral("ISBN-10 :"), html); at > 0)
        record.isbn10 = text::Trim(text::Copy(html, at + 14, 10));
    if (const int at = text::Pos(QStringLiteral("ASIN :"), html); at > 0)
        record.isbn10 = text::Trim(text::Copy(html, at + 11, 10));
    const QString isbn10 = record.isbn10.value_or(entry.isbn10);
    if (!isbn10.isEmpty() && record.code.value_or(entry.code).isEmpty())
        record.code = isbn10;
}

QString ShownPageReader::amazonShownPicture(const QString& html)
{
    QString from = html;
    if (html.contains(kSourceAttribute + QStringLiteral("https://")))
        from = cutFromMarker(html, kSourceAttribute + QStringLiteral("https://"));
    const QString folder = QStringLiteral("/images/I/");
    for (const QString& host : {kAmazonNorthAmericaPictures, kAmazonEuropePictures, kAmazonMediaPictures}) {
        const QString marker = kSourceAttribute + host + folder;
        if (text::Pos(marker, from) > 0)
            return upToMarker(cutFromMarker(cutFromMarker(from, marker), QStringLiteral("https://")),
                              QStringLiteral(".jpg"));
    }
    return {};
}

BookRecord ShownPageReader::readRakutenPage(const QString& html, const ShownEntry& entry)
{
    BookRecord record;
    record.summary = QString();
    if (html.isEmpty()) {
        record.title = QString();
        return record;
    }
    if (html.contains(QStringLiteral("résumé")) || html.contains(QStringLiteral("unknownId")))
        return record;
    QString rest = html;
    const std::pair<const char*, std::optional<QString> BookRecord::*> attributes[] = {
        {"year", &BookRecord::published},
        {"lang", nullptr},
        {"title", &BookRecord::title},
        {"author", &BookRecord::author},
        {"publisher", &BookRecord::publisher}};
    for (const auto& [name, field] : attributes) {
        const QString marker = QString::fromLatin1(name) + QStringLiteral("=\"");
        const int at = text::Pos(marker, rest);
        // A missing attribute leaves its field as it was.
        if (at == 0)
            continue;
        rest = rest.mid(at - 1 + marker.size());
        if (field)
            record.*field = beforeMarker(rest, QStringLiteral("\""));
    }
    record.picture = rakutenLargePicture(html, kRakutenShop + QStringLiteral("/photo/"));
    record.webAddress = record.picture;
    if (entry.code.isEmpty())
        record.code = QStringLiteral("00000");
    return record;
}

void ShownPageReader::closePanel()
{
    const catalogue::BookEntryControls& b = m_book;
    m_panel.panel.hide();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&b.codeEntry, &b.manualEntry, &b.save, &b.correct,
                                                              &b.newEntry, &b.screen, &b.titleSearch})
        c->show();
}

void ShownPageReader::SpeedButton3Click()
{
    app::TFrmPrin& f = m_frm;
    const auto* entry = f.findPart<catalogue::BookEntryScreen>();
    const int mode = entry ? entry->ActiveBookTab : 0;
    if (mode == 1 && TakeShownPageIntoRecord())
        return;
    if (mode == 2) {
        m_book.summary.clear();
        const QString html = m_shown.document().innerHtml();
        m_pages.dump(QStringLiteral("ImageAmazon_InnerHTML.txt"), html);
        m_pages.dump(QStringLiteral("dialogue_InnerHTML.html"), html);
        return;
    }
    f.application().showMessage(QStringLiteral("Aucun résultat "));
}

bool ShownPageReader::TakeShownPageIntoRecord()
{
    app::TFrmPrin& f = m_frm;
    const browser::PageDocument& page = m_shown.document();
    const QString pageTitle = page.title();
    db::Table& books = f.db.ADOTable1;
    const bool hasRow = books.active() && !books.isEmpty();
    auto row = [&books](const char* name) { return books.fieldByName(QString::fromLatin1(name)); };
    // The current copy's values the take changes, written when the row is posted.
    std::vector<std::pair<const char*, QString>> changes;
    auto post = [&] {
        if (!hasRow || changes.empty())
            return;
        books.edit();
        for (const auto& [field, value] : changes)
            row(field).setAsString(value);
        books.post();
        changes.clear();
    };

    if (!amazonPageNotFound(f.AmazonSite, pageTitle)) {
        m_book.coverName.setText(QStringLiteral("amazonpage"));
        if (pageTitle.isEmpty())
            return false;
        const QString store = QStringLiteral(": Amazon.");
        const int at = text::Pos(store, pageTitle);
        const QString t = text::TrimLeft(at == 1 ? text::Copy(pageTitle, 12, int(pageTitle.size()) - 19)
                                                 : text::Copy(pageTitle, at + 12, int(pageTitle.size()) - at + 12));
        if (!text::Copy(t, 2, int(t.size()) - 2).contains(u':'))
            m_book.author.clear();
        const QString html = page.innerHtml();
        m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), html);
        if (hasRow)
            changes.emplace_back("Titre", text::UpperCase(ReplaceAll(row("Titre").asString(), QStringLiteral("-"), QStringLiteral(" "))));

        const QString folder = QStringLiteral("/images/I/");
        QString picture = amazonPictureOfHtml(cutFromMarker(html, QStringLiteral("iUrl")),
                                              {kSourceAttribute + kAmazonNorthAmericaPictures + folder,
                                               kSourceAttribute + kAmazonEuropePictures + folder,
                                               kAmazonMediaPictures + folder});
        if (picture.isEmpty() && m_panel.address.text().contains(QStringLiteral("rakuten"))) {
            picture = rakutenLargePicture(cutFromMarker(html, QStringLiteral("iUrl")), kRakutenPictures + QStringLiteral("/photo"));
            if (!picture.isEmpty())
                m_panel.address.setText(picture);
        }
        if (hasRow) {
            changes.emplace_back("Lien_pedago", picture);
            const QString images = row("Images").asString();
            const bool ownCover = !images.isEmpty() && images != catalogue::kNoPicture;
            // A copy without its own cover takes its code's name: the placeholder is never overwritten.
            const QString cover = ownCover ? images : coverFileOfCode(row("Isbn13").asString());
            if (!ownCover)
                post();
            if (!picture.isEmpty() && !cover.isEmpty() && m_covers.DownloadCover(picture, cover)) {
                // The copy's cover box names the cover now that it exists.
                m_book.complements.coverName.setText(cover);
                if (!ownCover) {
                    changes.emplace_back("Images", cover);
                    post();
                }
                const QString path = files::nativePath(f.AppDir + catalogue::kCoversFolder + cover);
                m_book.complements.cover.setPicture(picture::loadPictureFile(path));
                f.CoverFound = true;
            }
        }
    }

    m_panel.panel.hide();
    const QString bodyText = page.innerText();
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), bodyText);
    const QString backCover = QStringLiteral("Quatrième de couverture");
    if (bodyText.contains(backCover)) {
        const QString from = cutFromMarker(bodyText, backCover);
        QString summary;
        for (const char* end : {"Biographie", "Dites-le à l'éditeur", "Détails sur le produit"}) {
            if (from.contains(QString::fromUtf8(end))) {
                summary = beforeMarker(from, QString::fromUtf8(end));
                break;
            }
        }
        m_panel.pageText.setText(summary);
        f.application().showMessage(summary);
        changes.emplace_back("Resume", summary);
        post();
    }
    return true;
}

}  // namespace web
