#include "web/sharedbase/BatchCoverSearch.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/IsbnConversions.h"
#include "platform/db/Query.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Control.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Image.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"
#include "web/sharedbase/BatchPanel.h"
#include "web/sharedbase/ImageBank.h"
#include "web/sharedbase/SharedBaseHost.h"
#include "web/sharedbase/SharedBaseWeb.h"
#include "web/sharedbase/SharedBookRecord.h"

#include <QScopeGuard>
#include <vector>

namespace sharedbase {

namespace {

// Amazon's picture server, which names pictures by ISBN-10.
const QString kAmazonPictureServer = QStringLiteral("http://images.amazon.com");

bool isIsbnBook(const QString& code) { return code.size() == 13 && catalogue::isIsbn13Prefix(code); }

// The product page's markers before a picture address, in the order they are looked for.
const QString kPictureViewerMarker = QStringLiteral("var imageViewerTagDiv");
const QString kFormerPicturePrefix = web::kAmazonFormerPictures + QStringLiteral("/images/I/");
const QString kProductPagePrefix = web::kAmazonSite + QStringLiteral("/dp/");
const QString kSecurePicturePrefix = web::kAmazonMediaPictures + QStringLiteral("/images/I/");

// Cuts `html` to start at the marker's first occurrence; whether it was there.
bool cutAtMarker(QString& html, const QString& marker)
{
    const qsizetype at = html.indexOf(marker);
    if (at < 0)
        return false;
    html = html.mid(at);
    return true;
}

// The address that starts `html`: up to its first ".jpg" (just "jpg" when there is none).
QString pictureCandidate(const QString& html)
{
    return html.left(html.indexOf(QLatin1String(".jpg")) + 1) + QStringLiteral("jpg");
}

bool namesPicture(const QString& candidate) { return candidate.indexOf(QLatin1String(".jpg")) > 0; }

}  // namespace

struct BatchCoverSearch::Book {
    qint64 numLivre = 0;
    QString code;    // Isbn13 as stored: the cover's name
    QString isbn13;  // the ISBN-13 the web is asked with
    QString isbn10;
    QString titre;
    QString images;
};

BatchCoverSearch::BatchCoverSearch(app::TFrmPrin& frm, const catalogue::BookEntryControls& book,
                                   ui::RichEdit& productPage, BatchPanel& panel, SharedBaseHost& host,
                                   SharedBaseWeb& base, web::CoverDownload& covers, web::PageFetch& pages)
    : m_frm(frm), m_book(book), m_productPage(productPage), m_panel(panel), m_host(host), m_base(base),
      m_covers(covers), m_pages(pages)
{
    frm.handlers.bind(QStringLiteral("Commencerlimportationdimage1Click"), [this] { Commencerlimportationdimage1Click(); });
    panel.controls().coversStart.onClick = [this] { Rimporterimages1Click(); };
}

void BatchCoverSearch::Commencerlimportationdimage1Click()
{
    m_panel.open(BatchPanel::Pass::Covers);
    m_panel.controls().summariesStart.hide();
}

void BatchCoverSearch::Rimporterimages1Click()
{
    app::TFrmPrin& f = m_frm;
    ui::Application& application = f.application();
    if (application.messageBox(f.tables.message(149), f.tables.message(150), ui::MessageButtons::OkCancel,
                               ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        f.ShowMessageEntry(152);
        return;
    }
    application.showMessage(f.tables.message(151) + QStringLiteral("..\\Livres\\Jaquettes"));
    auto& code = m_book.code;
    code.show();
    code.setFocus();
    db::Table& view = f.db.ADOTable1;
    view.open();
    view.setFilter(QStringLiteral("Type<>''"));
    view.setFiltered(true);
    view.refresh();
    const QString typed = m_panel.controls().startNumber.text();
    if (typed == QStringLiteral("0"))
        return;
    const int start = m_panel.startNumber();
    showPreview(start);
    if (!m_panel.begin())
        return;
    // An error ends the pass, so that the next one can start.
    const auto ended = qScopeGuard([this] { m_panel.end(); });
    // The rows are taken first: the pass lets the window work between books, and the book view
    // may be moved meanwhile.
    std::vector<Book> books;
    for (view.first(); !view.eof(); view.next()) {
        auto text = [&view](const char* name) { return view.fieldByName(QString::fromLatin1(name)).asString(); };
        const qint64 number = view.fieldByName(QStringLiteral("NumLivre")).asInteger();
        if (number >= start)
            books.push_back({number, text("Isbn13"), text("Isbn13"), text("Isbn10"), text("Titre"), text("Images")});
    }
    m_reachable = -1;
    const int total = int(books.size());
    for (int i = 0; i < total && !m_panel.stopRequested(); ++i) {
        searchCover(books[size_t(i)]);
        m_panel.showProgress(i + 1, total);
        application.processMessages();
    }
    m_book.progress.hide();
    m_panel.hide();
    f.ShowMessageEntry(153);
}

bool BatchCoverSearch::hasCover(const Book& book) const
{
    return files::fileExists(m_frm.AppDir + catalogue::kCoversFolder + book.code + QStringLiteral(".jpg"));
}

void BatchCoverSearch::searchCover(Book& book)
{
    app::TFrmPrin& f = m_frm;
    m_book.code.setText(book.code);
    m_book.isbn10.setText(book.isbn10);
    m_book.title.setText(book.titre);
    m_book.isbn13.setText(book.code);
    m_book.coverName.setText(book.images);
    m_panel.showBookNumber(book.numLivre);
    f.CoverFound = false;
    const QString covers = f.AppDir + catalogue::kCoversFolder;
    if (!isSafeRemoteName(book.code))
        return;

    if (catalogue::isPressCode(book.code) && book.code.size() == 13) {
        if (!files::fileExists(covers + book.images))
            CopyImageBankCover(book);
        return;
    }
    if (book.code.startsWith(QLatin1String("B0"))) {
        if (!files::fileExists(covers + book.images) && isSafeRemoteName(book.images))
            FetchSharedBaseCoverByCode(book, QStringLiteral("/livres/") + book.images.left(7) + u'/' + book.images);
        return;
    }
    if (book.code.size() < 13 && book.isbn10.size() < 10) {
        if (!hasCover(book) && book.images.isEmpty())
            setImages(book, book.code + QStringLiteral(".jpg"));
        return;
    }
    if (book.isbn10.size() == 10 && !book.isbn10.startsWith(QLatin1String("B0")) &&
        catalogue::isAllDigits(book.isbn10.left(9)))
        book.isbn13 = catalogue::Isbn10To13(book.isbn10);
    if (book.isbn13.size() == 13 && catalogue::isAllDigits(book.isbn13))
        book.isbn10 = catalogue::Isbn13To10(book.isbn13);
    m_book.code.setText(book.isbn13);
    m_book.isbn10.setText(book.isbn10);
    if (!isIsbnBook(book.isbn13))
        return;
    if (book.images.isEmpty())
        setImages(book, book.code + QStringLiteral(".jpg"));
    if (hasCover(book) || !f.settings.ftpbool)
        return;
    FetchDecitreCover(book);
    if (!hasCover(book))
        FetchAbeBooksCover(book);
    if (!hasCover(book))
        FetchAmazonCover(book);
    if (!hasCover(book))
        FetchSharedBaseCoverByCode(book, QStringLiteral("/livres/") + book.code.left(7) + u'/' + book.code +
                                             QStringLiteral(".jpg"));
    if (!hasCover(book))
        FetchSharedBaseCoverByTitle(book);
    if (!hasCover(book))
        CopyImageBankCover(book);
}

bool BatchCoverSearch::download(Book& book, const QString& url, const QString& source)
{
    m_book.coverName.setText(source);
    const QString name = book.code + QStringLiteral(".jpg");
    if (!m_covers.DownloadCover(url, name))
        return false;
    web::showStoredCover(m_frm, name);
    setImages(book, name);
    return true;
}

void BatchCoverSearch::FetchDecitreCover(Book& book)
{
    download(book, web::kDecitrePictures + QStringLiteral("/image/a/") + book.isbn13 + QStringLiteral("-475x500-1.jpg"),
             QStringLiteral("decitre"));
}

void BatchCoverSearch::FetchAbeBooksCover(Book& book)
{
    download(book, web::kAbeBooksPictures + QStringLiteral("/isbn/") + book.isbn13 + QStringLiteral(".jpg"),
             QStringLiteral("abebooks"));
}

void BatchCoverSearch::FetchAmazonCover(Book& book)
{
    const QString address = kAmazonPictureServer + QStringLiteral("/images/P/") + text::Trim(book.isbn10) +
                            QStringLiteral(".jpg");
    m_book.coverAddress.setText(address);
    const QString source = QStringLiteral("Amazon Etranger");
    if (download(book, address, source))
        return;
    m_pages.NavigateSniffAndWait(web::kAmazonSite + QStringLiteral("/dp/") + text::Trim(book.isbn10));
    QString html = m_pages.page().innerHtml();
    m_productPage.setText(html);
    m_pages.dump(QStringLiteral("ImageAmazon_InnerHTML.txt"), html);

    if (cutAtMarker(html, kPictureViewerMarker) && cutAtMarker(html, kFormerPicturePrefix)) {
        const QString candidate = pictureCandidate(html);
        if (namesPicture(candidate))
            download(book, candidate, source);
        return;
    }
    for (const QString& prefix : {kProductPagePrefix, kFormerPicturePrefix}) {
        if (!cutAtMarker(html, prefix))
            continue;
        const QString candidate = pictureCandidate(html);
        showCandidate(candidate);
        if (namesPicture(candidate))
            download(book, candidate, source);
        return;
    }
    if (!cutAtMarker(html, kSecurePicturePrefix))
        return;
    QString candidate = pictureCandidate(html);
    showCandidate(candidate);
    // The size mark (as in "._SX300_") is dropped: the full picture is asked for.
    const qsizetype size = candidate.indexOf(QLatin1String("SX"), 1);
    if (size > 0)
        download(book, candidate.left(qMax(qsizetype(0), size - 2)) + QStringLiteral(".jpg"), source);
}

void BatchCoverSearch::showCandidate(const QString& address)
{
    // The pedagogical-link field of the Compléments tab shows the address; it is not stored.
    m_book.complements.teachingLink.setText(address);
}

void BatchCoverSearch::showPreview(int start)
{
    app::TFrmPrin& f = m_frm;
    db::Table& view = f.db.ADOTable1;
    view.first();
    for (int i = 0; i <= start && !view.eof(); ++i)
        view.next();
    if (view.eof())
        view.last();
    if (view.isEmpty())
        return;
    auto text = [&view](const char* name) { return view.fieldByName(QString::fromLatin1(name)).asString(); };
    const QString code = text("Isbn13");
    m_book.code.setText(code);
    m_book.isbn10.setText(text("Isbn10"));
    m_book.title.setText(text("Titre"));
    const QString covers = f.AppDir + catalogue::kCoversFolder;
    const QString placeholder = covers + catalogue::kNoPicture;
    QString path = covers + code + QStringLiteral(".jpg");
    if (!isSafeRemoteName(code) || !files::fileExists(path)) {
        m_book.coverName.setText(catalogue::kNoPicture);
        path = placeholder;
    }
    auto& cover = m_book.foundCover;
    picture::Refusal refusal = picture::Refusal::None;
    cover.setPicture(picture::loadPictureFile(files::nativePath(path), &refusal));
    if (cover.picture() || path == placeholder)
        return;
    // A broken cover is deleted, so that the search fetches it again; a picture the decoder
    // refuses for a bound of its own stays.
    if (refusal == picture::Refusal::Broken)
        files::deleteFile(path);
    m_book.code.setText(catalogue::kNoPicture);
    cover.setPicture(picture::loadPictureFile(files::nativePath(placeholder)));
}

void BatchCoverSearch::FetchSharedBaseCoverByCode(Book& book, const QString& path)
{
    if (!sharedBaseReachable())
        return;
    m_book.coverName.setText(QStringLiteral("Vireo"));
    QString url;
    if (m_base.hasCover(path, url) && download(book, url, QStringLiteral("Vireo")))
        m_book.coverAddress.setText(url);
}

void BatchCoverSearch::FetchSharedBaseCoverByTitle(Book& book)
{
    const QString key = TitleBankKey(book.titre);
    if (!isSafeRemoteName(key) || !sharedBaseReachable())
        return;
    QString url;
    if (m_base.hasCover(QStringLiteral("/livres/alpha/") + key + QStringLiteral(".jpg"), url) &&
        download(book, url, QStringLiteral("Vireo2")))
        m_book.coverAddress.setText(url);
}

void BatchCoverSearch::CopyImageBankCover(Book& book)
{
    const QString name = book.images;
    if (!isSafeRemoteName(name))
        return;
    const QString bank = imageBankRoot(m_frm) + name.left(7) + u'\\' + name;
    const QString path = m_frm.AppDir + catalogue::kCoversFolder + name;
    if (files::fileExists(bank) && isImageBankPlaceholder(files::fileSize(bank)))
        files::deleteFile(bank);
    if (!files::fileExists(bank) || files::fileExists(path))
        return;
    files::copyFile(bank, path);
    picture::Refusal refusal = picture::Refusal::None;
    if (picture::loadPictureFile(files::nativePath(path), &refusal))
        web::showStoredCover(m_frm, name);
    else if (refusal == picture::Refusal::Broken)
        files::deleteFile(path);
}

bool BatchCoverSearch::sharedBaseReachable()
{
    if (m_reachable < 0)
        m_reachable = m_host.reachable() ? 1 : 0;
    return m_reachable == 1;
}

void BatchCoverSearch::setImages(Book& book, const QString& name)
{
    book.images = name;
    db::Query row(m_frm.db.ADOConnection1);
    row.setSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = ?"), {book.numLivre});
    row.open();
    if (row.isEmpty())
        return;
    row.edit();
    row.fieldByName(QStringLiteral("Images")).setAsString(name);
    row.post();
}

}  // namespace sharedbase
