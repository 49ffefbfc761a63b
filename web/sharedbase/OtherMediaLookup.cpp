#include "web/sharedbase/OtherMediaLookup.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/OtherMediaControls.h"
#include "catalogue/OtherMediaSave.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/shell/Shell.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/WebBrowser.h"
#include "web/AmazonReader.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/PageScriptResult.h"
#include "web/PriceSiteReader.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"

#include <QUrl>

namespace sharedbase {

namespace {

QString chasseSearchAddress(const QString& code)
{
    return web::kChasseSite + QStringLiteral("/search?query=") + QString::fromLatin1(QUrl::toPercentEncoding(code)) +
           QStringLiteral("&catalog=fr");
}

// The text from the marker's first occurrence on, or the whole text when it is missing.
QString fromMarker(const QString& text, const QString& marker)
{
    const int at = text::Pos(marker, text);
    return at > 0 ? text.mid(at - 1) : text;
}

}  // namespace

OtherMediaLookup::OtherMediaLookup(app::TFrmPrin& frm, const catalogue::OtherMediaControls& media,
                                   const OtherMediaLookupControls& controls, web::PageFetch& pages,
                                   web::CoverDownload& covers)
    : m_frm(frm), m_media(media), m_controls(controls), m_pages(pages), m_covers(covers)
{
    frm.handlers.bind(QStringLiteral("Button32Click"), [this] { Button32Click(); });
    controls.priceSiteSearch.onClick = [this] { Button3Click(); };
    ui::WebBrowser& view = controls.priceSiteView;
    view.onNavigationCompleted = [&view](bool) { view.executeScript(web::kOuterHtmlScript); };
    view.onExecuteScript = [this](const QString& json) { EdgeBrowser1ExecuteScript(json); };
}

void OtherMediaLookup::Button32Click()
{
    app::TFrmPrin& f = m_frm;
    m_media.search.hide();
    QString code = text::Trim(FixAzertyDigits(m_media.code.text()));
    m_media.code.setText(code);
    m_webWanted = true;
    if (!FindOtherMediaCopies(code) && code.size() == 12) {
        // A UPC is the EAN-13 with a 0 in front.
        code = u'0' + code;
        m_media.code.setText(code);
    }
    if (m_webWanted)
        SearchOtherMediaOnline();
    const QString cover = f.AppDir + catalogue::kCoversFolder + m_media.code.text() + QStringLiteral(".jpg");
    if (files::fileExists(cover))
        if (auto picture = picture::loadPictureFile(files::nativePath(cover)))
            m_media.foundCover.setPicture(picture);
}

bool OtherMediaLookup::FindOtherMediaCopies(const QString& code)
{
    app::TFrmPrin& f = m_frm;
    db::Query copies(f.db.ADOConnection1);
    const int count = catalogue::OtherMediaSave::listStoredCopies(f, copies, code);
    m_media.copies.setText(QString::number(count));
    if (count == 0)
        return false;
    f.ShowMessageEntry(124);
    copies.last();
    auto text = [&copies](const char* name) { return copies.fieldByName(QString::fromLatin1(name)).asString(); };
    const QString type = text("Type");
    m_media.type.setText(type);
    m_media.code.setText(text("Isbn13"));
    m_media.title.setText(text("Titre"));
    m_media.author.setText(text("Auteur"));
    m_media.publisher.setText(text("Editeur"));
    m_media.ean10.setText(text("Isbn10"));
    m_media.link.setText(text("Images"));
    m_webWanted = false;
    const QString cover = f.AppDir + catalogue::kCoversFolder + text("Isbn13") + QStringLiteral(".jpg");
    const bool hasCover = files::fileExists(cover);
    if (hasCover) {
        if (type == QStringLiteral("LIVRE"))
            f.ShowMessageEntry(125);
        m_media.foundCover.setPicture(picture::loadPictureFile(files::nativePath(cover)));
    } else if (type != QStringLiteral("LIVRE")) {
        m_webWanted = true;
    }
    return true;
}

void OtherMediaLookup::SearchOtherMediaOnline()
{
    const QString code = m_media.code.text();
    if (code.size() <= 10) {
        readProductPage();
        return;
    }
    m_pages.NavigateSniffAndWait(web::kAmazonSite + QStringLiteral("/s?k=") +
                                 QString::fromLatin1(QUrl::toPercentEncoding(code)));
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.Html"), m_pages.page().innerHtml());
    m_controls.priceSiteView.navigate(chasseSearchAddress(code));
}

void OtherMediaLookup::EdgeBrowser1ExecuteScript(const QString& resultJson)
{
    app::TFrmPrin& f = m_frm;
    // No document: nothing to read.
    if (resultJson == u"null")
        return;
    const QString html = web::pageTextOfScriptResult(resultJson);
    const QString address = m_controls.priceSiteView.locationUrl();
    m_controls.priceSitePage.setText(html);
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.Html"), html);
    m_pages.dump(QStringLiteral("Title.txt"), address);
    // A price page's address names the book: its ISBN-10, a slash, then its title's words joined by "-".
    const QString pricePath = web::kChasseSite + QStringLiteral("/prix/");
    const bool pricePage = address.startsWith(pricePath);
    m_media.ean10.setText(pricePage ? address.mid(pricePath.size(), 10) : QString());
    if (pricePage)
        m_media.title.setText(text::Trim(ReplaceAll(QUrl::fromPercentEncoding(address.mid(pricePath.size() + 11).toUtf8()),
                                                        QStringLiteral("-"), QStringLiteral(" "))));
    const QString cover = web::priceSitePictureAddress(html);
    m_media.link.setText(cover);
    const QString coverName = text::Trim(m_media.code.text()) + QStringLiteral(".jpg");
    if (!cover.isEmpty() && m_covers.DownloadCover(cover, coverName))
        if (auto picture = picture::loadPictureFile(files::nativePath(f.AppDir + catalogue::kCoversFolder + coverName))) {
            m_media.foundCover.setPicture(picture);
            f.CoverFound = true;
        }
    if (const int at = text::Pos(QStringLiteral("category"), html); at > 0) {
        const QString rest = html.mid(at - 1 + 8 + 1);
        const int end = text::Pos(QStringLiteral(" / "), rest);
        m_media.type.setText(end > 0 ? rest.left(end - 1) : rest);
    }
}

void OtherMediaLookup::readProductPage()
{
    app::TFrmPrin& f = m_frm;
    auto& list = m_media.storedCopies;
    list.clear();
    list.show();
    m_pages.NavigateSniffAndWait(web::kAmazonSite + QStringLiteral("/dp/") + m_media.ean10.text());
    const browser::PageView& page = m_pages.page();
    const QString pageTitle = page.title();
    const QString bodyText = page.innerText();
    const QString html = fromMarker(page.innerHtml(), QStringLiteral("résultat pour"));
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.Html"), html);
    m_pages.dump(QStringLiteral("dialogue_InnerTXT.txt"), bodyText);
    m_pages.dump(QStringLiteral("dialogue_InnerTITLE.txt"), pageTitle);
    m_media.title.setText(pageTitle);
    if (bodyText.contains(QStringLiteral("Aucun résultat pour")) || bodyText.contains(QStringLiteral("Pas de résultats pour")) ||
        pageTitle == QStringLiteral("Page introuvable")) {
        for (ui::Edit* field : {&m_media.title, &m_media.author, &m_media.publisher, &m_media.link, &m_media.ean10,
                                &m_media.price})
            field->clear();
        f.application().showMessage(QStringLiteral("Aucun résultat"));
        return;
    }
    const QString code = m_media.code.text();
    if (code.startsWith(QLatin1String("979"))) {
        if (const int at = text::Pos(QStringLiteral("dp/B0"), html); at > 0)
            m_media.ean10.setText(html.mid(at - 1 + 3, 10));
    }
    if (code.startsWith(QLatin1String("979")) || pageTitle.contains(QLatin1String("B0"))) {
        for (const QString& prefix : {QStringLiteral("978-"), QStringLiteral("979-")})
            if (const QString isbn = isbnOfPage(html, prefix); !isbn.isEmpty())
                m_media.code.setText(isbn);
    }
    const QString site = f.AmazonSite;
    if (web::AmazonReader::isMissingProduct(site, pageTitle)) {
        m_media.title.setText(QString());
        return;
    }
    if (pageTitle.isEmpty())
        return;
    QString title, author;
    web::AmazonReader::splitTitle(pageTitle, title, author);
    m_media.title.setText(title);
    m_media.author.setText(author);
    readCover(page.innerHtml());
    if (site == u"fr")
        readDetails(page.innerHtml());
}

QString OtherMediaLookup::isbnOfPage(const QString& html, const QString& prefix)
{
    const int at = text::Pos(prefix, html);
    if (at == 0)
        return {};
    const QString isbn = KeepDigitsAndX(html.mid(at - 1, 17));
    return isbn.size() == 13 && catalogue::isAllDigits(isbn.left(12)) ? isbn : QString();
}

void OtherMediaLookup::readCover(const QString& html)
{
    app::TFrmPrin& f = m_frm;
    QString rest = html;
    rest = fromMarker(rest, text::Pos(QStringLiteral("maintainHeight()"), rest) > 0 ? QStringLiteral("maintainHeight()")
                                                                                    : QStringLiteral("main-video-container"));
    rest = fromMarker(rest, QStringLiteral("\"large\""));
    rest = fromMarker(rest, QStringLiteral("Main image"));
    int host = 0;
    for (const QString& prefix : web::kAmazonPicturePrefixes)
        if ((host = text::Pos(prefix, rest)) > 0)
            break;
    if (host == 0)
        return;
    rest = rest.mid(host - 1);
    const QString code = text::Trim(m_media.code.text());
    const QString coverName = code + QStringLiteral(".jpg");
    bool stored = false;
    // The JPEG address, when there is one near, wins over the WebP and PNG ones.
    for (const QString& extension : {QStringLiteral(".webp"), QStringLiteral(".png"), QStringLiteral(".jpg")}) {
        const int at = text::Pos(extension, rest);
        if (at > 0 && at < 200)
            stored = m_covers.DownloadCover(rest.left(at - 1 + int(extension.size())), coverName) || stored;
    }
    const QString path = f.AppDir + catalogue::kCoversFolder + coverName;
    if (!stored || !files::fileExists(path))
        return;
    if (auto picture = picture::loadPictureFile(files::nativePath(path))) {
        m_media.foundCover.setPicture(picture);
        f.CoverFound = true;
    }
}

void OtherMediaLookup::readDetails(const QString& html)
{
    m_pages.dump(QStringLiteral("dialogue_InnerHTML.txt"), html);
    QString rest = fromMarker(html, QStringLiteral("Détails sur le produit"));
    // Old pages write their tags in capitals, today's in small letters.
    auto cutAfter = [&rest](const QString& marker) {
        int at = text::Pos(marker, rest);
        if (at == 0)
            at = text::Pos(marker.toLower(), rest);
        if (at == 0)
            return false;
        rest = rest.mid(at - 1 + int(marker.size()));
        return true;
    };
    auto before = [&rest](const QString& marker) {
        int at = text::Pos(marker, rest);
        if (at == 0)
            at = text::Pos(marker.toLower(), rest);
        return at > 0 ? rest.left(at - 1) : QString();
    };
    if (cutAfter(QStringLiteral("<LI><B>"))) {
        const QString binding = before(QStringLiteral("</B>"));
        m_media.binding.setText(binding.isEmpty() ? binding : binding.chopped(1));
    }
    if (cutAfter(QStringLiteral("</B>"))) {
        const int pages = text::Pos(QStringLiteral("pages"), rest);
        if (pages > 0)
            m_media.pageCount.setText(text::Trim(rest.left(pages - 1 + 5)));
    }
    if (cutAfter(QStringLiteral("<LI><B>Editeur&nbsp;:</B>")) || cutAfter(QStringLiteral("<li><b>Editeur :</b>"))) {
        const int paren = text::Pos(QStringLiteral("("), rest);
        const int semicolon = text::Pos(QStringLiteral(";"), rest);
        const int end = semicolon > 0 && semicolon < paren ? semicolon : paren;
        m_media.publisher.setText(end > 0 ? text::Trim(rest.left(end - 1)) : QString());
    }
    if (cutAfter(QStringLiteral("(")))
        m_media.published.setText(before(QStringLiteral(")")));
}

void OtherMediaLookup::Button3Click() { m_frm.services().shell.open(chasseSearchAddress(m_media.code.text())); }

}  // namespace sharedbase
