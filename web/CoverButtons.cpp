#include "web/CoverButtons.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/IsbnConversions.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"
#include "web/sharedbase/SharedBaseHost.h"

namespace web {

namespace {

const QString kPictureFolder = QStringLiteral("/images/I/");

// Text cut out of a page that is one address, not a piece of HTML.
bool isPlainAddress(const QString& address)
{
    for (QChar c : address)
        if (c.isSpace() || c == u'<' || c == u'>' || c == u'"')
            return false;
    return address.size() > 1 && address.indexOf(QStringLiteral(".jpg")) > 0;
}

}  // namespace

CoverButtons::CoverButtons(app::TFrmPrin& frm, PageFetch& pages, CoverDownload& covers)
    : m_frm(frm), m_pages(pages), m_covers(covers)
{
    frm.handlers.bind(QStringLiteral("SpeedButton33Click"), [this] { SpeedButton33Click(); });
    if (auto* complements = frm.find<ui::TabSheet>(QStringLiteral("TabSheet2"))) {
        auto* chasse = frm.create<ui::SpeedButton>(QStringLiteral("SpeedButton58"), complements);
        chasse->setBounds(QRect(820, 420, 150, 24));
        chasse->setText(QStringLiteral("ChasseLivresISBN"));
        chasse->onClick = [this] { SpeedButton58Click(); };
    }
}

QString CoverButtons::bookField(const char* name) const
{
    const db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return {};
    return const_cast<db::Table&>(books).fieldByName(QString::fromLatin1(name)).asString();
}

bool CoverButtons::screenVisible(const char* panel) const
{
    const ui::Control* c = m_frm.control(QString::fromLatin1(panel));
    return c && c->visible();
}

void CoverButtons::SpeedButton33Click()
{
    // A cover found by an earlier operation is no cover of this book.
    m_coverFound = false;
    if (!selectBookOnScreen())
        return;
    LoadCurrentCover();
    const QString isbn13 = bookField("Isbn13");
    const QString isbn10 = bookField("Isbn10");
    QString code;
    if (isbn13.size() == 13) {
        code = catalogue::Isbn13To10(isbn13);
        if (!fetchFromProductPage(isbn10.size() == 10 ? isbn10 : code))
            return;
        if (m_coverFound) {
            repairCoverName();
            return;
        }
    } else if (isbn10.size() == 10) {
        code = isbn10;
    } else {
        const QString images = bookField("Images");
        const QString stem = images.left(images.size() - 4);
        if (stem.size() != 13)
            return;
        code = catalogue::Isbn13To10(stem);
    }
    fetchFromPageText(code);
}

bool CoverButtons::selectBookOnScreen()
{
    QString code;
    if (screenVisible("Panel14"))
        code = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit39")).text();
    if (screenVisible("Panel15"))
        code = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit48")).text();
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return false;
    if (code.isEmpty() || bookField("Isbn13") == code)
        return true;
    const int before = books.recNo();
    for (books.first(); !books.eof(); books.next())
        if (bookField("Isbn13") == code)
            return true;
    books.setRecNo(before);
    return false;
}

void CoverButtons::LoadCurrentCover()
{
    app::TFrmPrin& f = m_frm;
    m_currentCover.reset();
    QString name = bookField("Images");
    if (screenVisible("Panel14"))
        name = f.get<ui::CustomEdit>(QStringLiteral("Edit39")).text() + QStringLiteral(".jpg");
    if (screenVisible("Panel4"))
        name = bookField("Isbn13") + QStringLiteral(".jpg");
    if (screenVisible("Panel15"))
        name = f.get<ui::CustomEdit>(QStringLiteral("Edit48")).text() + QStringLiteral(".jpg");
    f.CoverName = name;
    const QString path = files::folderFilePath(f.AppDir + catalogue::kCoversFolder, name);
    if (path.isEmpty() || !files::fileExists(path))
        return;
    m_currentCover = picture::loadPictureFile(files::nativePath(path));
    if (!m_currentCover)
        return;
    if (auto* scratch = f.find<ui::Image>(QStringLiteral("Image87"));
        scratch && (screenVisible("Panel4") || screenVisible("Panel27")))
        scratch->setPicture(m_currentCover);
    for (const char* image : {"Image31", "Image45"})
        if (auto* shown = f.find<ui::Image>(QString::fromLatin1(image)))
            shown->setPicture(m_currentCover);
    if (auto* entry = f.findPart<catalogue::BookEntryScreen>())
        entry->recordCoverCropScale(m_currentCover->size());
}

bool CoverButtons::fetchFromProductPage(const QString& productNumber)
{
    app::TFrmPrin& f = m_frm;
    try {
        m_pages.NavigateSniffAndWaitBusy(kAmazonSite + QStringLiteral("/dp/") + productNumber);
    } catch (const net::Error&) {
        return false;
    }
    const QString html = m_pages.page().innerHtml();
    if (html.contains(QStringLiteral("Aucun résultat pour"))) {
        f.application().showMessage(QStringLiteral("Aucun résultat "));
        return false;
    }
    QString from;
    for (const QString& host : {kAmazonNorthAmericaPictures, kAmazonEuropePictures, kAmazonMediaPictures}) {
        const int at = text::Pos(QStringLiteral("src=\"") + host + kPictureFolder, html);
        if (at > 0) {
            from = html.mid(at - 1);
            break;
        }
    }
    from = from.mid(qMax(0, text::Pos(QStringLiteral("https://"), from) - 1));
    const int jpg = text::Pos(QStringLiteral(".jpg"), from);
    const int gif = text::Pos(QStringLiteral(".gif"), from);
    if (from.isEmpty() || (jpg == 0 && gif == 0)) {
        f.application().showMessage(QStringLiteral("Pas d'image"));
        return false;
    }
    if (gif > 0 && (jpg == 0 || gif < jpg)) {
        f.application().showMessage(QStringLiteral("Image .Gif "));
        return false;
    }
    const QString address = pictureWithoutSizeSuffix(from.left(jpg - 1));
    setLink(address);
    FetchCoverPicture(address);
    return true;
}

void CoverButtons::fetchFromPageText(const QString& productNumber)
{
    app::TFrmPrin& f = m_frm;
    try {
        m_pages.NavigateSniffAndWaitBusy(kAmazonSite + QStringLiteral("/dp/") + productNumber);
    } catch (const net::Error&) {
        return;
    }
    const QString html = m_pages.page().innerHtml();
    const QString bodyText = m_pages.page().innerText();
    if (auto* copies = f.find<ui::CustomEdit>(QStringLiteral("RichEdit5")))
        copies->setText(html);
    m_pages.dump(QStringLiteral("ImageAmazon_InnerTEXT.txt"), bodyText);
    m_pages.dump(QStringLiteral("ImageAmazon_InnerHTML.txt"), html);

    auto addressFrom = [](const QString& text, const QString& prefix) {
        const int at = text::Pos(prefix, text);
        if (at == 0)
            return QString();
        const QString rest = text.mid(at - 1);
        const int jpg = text::Pos(QStringLiteral(".jpg"), rest);
        return jpg > 0 ? rest.left(jpg + 3) : QString();
    };
    const QString former = kAmazonFormerPictures + kPictureFolder;
    const int viewer = text::Pos(QStringLiteral("var imageViewerTagDiv"), html);
    if (const QString address = addressFrom(html.mid(qMax(0, viewer - 1)), former); isPlainAddress(address)) {
        FetchCoverPicture(address);
        // Only a cover that was stored is shared.
        if (m_coverFound)
            if (auto* base = f.findPart<sharedbase::SharedBaseHost>())
                base->UploadCoverToSharedBase(bookField("Images"));
        return;
    }
    for (const QString& prefix : {kAmazonSite + QStringLiteral("/dp/"), former}) {
        if (const QString address = addressFrom(html, prefix); isPlainAddress(address)) {
            setLink(address);
            FetchCoverPicture(address);
            return;
        }
    }
    const QString textPrefix = kAmazonNorthAmericaPictures + kPictureFolder;
    if (const int at = text::Pos(textPrefix, bodyText); at > 0) {
        const QString address = bodyText.mid(at - 1, textPrefix.size() + 11) + QStringLiteral(".jpg");
        setLink(address);
        FetchCoverPicture(address);
        f.ShowMessageEntry(174);
    }
}

void CoverButtons::FetchCoverPicture(const QString& url)
{
    app::TFrmPrin& f = m_frm;
    if (url.size() < 10) {
        const QString placeholder = files::nativePath(f.AppDir + catalogue::kCoversFolder + catalogue::kNoPicture);
        for (const char* image : {"Image3", "Image31"})
            if (auto* shown = f.find<ui::Image>(QString::fromLatin1(image)))
                shown->setPicture(picture::loadPictureFile(placeholder));
        if (auto* returnCover = f.find<ui::Image>(QStringLiteral("Image45")))
            returnCover->setPicture(m_currentCover);
        f.ShowMessageEntry(173);
        return;
    }
    const QString images = bookField("Images");
    QString name = images.size() == 17 ? coverFileOfCode(images.left(13)) : coverFileOfCode(bookField("Isbn13"));
    if (screenVisible("Panel14"))
        name = coverFileOfCode(f.get<ui::CustomEdit>(QStringLiteral("Edit39")).text());
    if (screenVisible("Panel15"))
        name = coverFileOfCode(f.get<ui::CustomEdit>(QStringLiteral("Edit48")).text());
    m_coverFound = !name.isEmpty() && m_covers.DownloadCover(url, name);
    if (!m_coverFound)
        return;
    f.CoverFileName = name;
    const ui::PicturePtr cover =
        picture::loadPictureFile(files::nativePath(f.AppDir + catalogue::kCoversFolder + name));
    for (const char* image : {"Image3", "Image31", "Image45"})
        if (auto* shown = f.find<ui::Image>(QString::fromLatin1(image)))
            shown->setPicture(cover);
}

void CoverButtons::repairCoverName()
{
    db::Table& books = m_frm.db.ADOTable1;
    if (bookField("Images").size() >= 17)
        return;
    books.edit();
    books.fieldByName(QStringLiteral("Images")).setAsString(bookField("Isbn13") + QStringLiteral(".jpg"));
    books.post();
}

void CoverButtons::setLink(const QString& address)
{
    db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return;
    books.edit();
    books.fieldByName(QStringLiteral("Lien_pedago")).setAsString(address);
    books.post();
}

void CoverButtons::SpeedButton58Click()
{
    app::TFrmPrin& f = m_frm;
    const QString isbn13 = bookField("Isbn13");
    const QString query = isbn13.size() == 13
                              ? isbn13 + QStringLiteral("&catalog=fr")
                              : fieldText(f, "Edit155") + u'+' + fieldText(f, "Edit154");
    const QString address = kChasseSite + QStringLiteral("/search?query=") + query;
    f.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).navigate(address);
    setFieldText(f, "Edit99", address);
    postPlaceholderName();
    OpenWebPanelForBook();
}

void CoverButtons::OpenWebPanelForBook()
{
    app::TFrmPrin& f = m_frm;
    auto& panel = f.get<ui::Control>(QStringLiteral("Panel21"));
    panel.bringToFront();
    panel.show();
    for (const char* name : {"Panel22", "BitBtn2", "BitBtn3"})
        f.get<ui::Control>(QString::fromLatin1(name)).hide();
    const std::pair<const char*, const char*> words[] = {
        {"Edit152", "Images"}, {"Edit153", "Editeur"}, {"Edit154", "Auteur"}, {"Edit155", "Titre"}};
    for (const auto& [edit, field] : words)
        setFieldText(f, edit, bookField(field));
    // The librarian pastes the cover's name into the picture's save dialog of the browser.
    ui::clipboard().setText(fieldText(f, "Edit152"));
    f.get<ui::Control>(QStringLiteral("EdgeBrowser3")).bringToFront();
    f.get<ui::Control>(QStringLiteral("SpeedButton3")).show();
    postPlaceholderName();
}

void CoverButtons::postPlaceholderName()
{
    // Values typed into the copy's fields are kept before the panel covers them.
    const QString images = bookField("Images");
    db::Table& books = m_frm.db.ADOTable1;
    if ((images.isEmpty() || images == catalogue::kNoPicture) && books.editing())
        books.post();
}

}  // namespace web
