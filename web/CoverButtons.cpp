#include "web/CoverButtons.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/ComplementsLayout.h"
#include "catalogue/IsbnConversions.h"
#include "catalogue/OtherMediaScreen.h"
#include "loans/LoanScreen.h"
#include "loans/ReturnScreen.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"
#include "web/CoverDownload.h"
#include "web/PageFetch.h"
#include "web/ReaderScreen.h"
#include "web/SiteAddresses.h"
#include "web/WebResultControls.h"
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

// The code typed on the loan or the return screen, where that screen is built and shown.
template <class DeskScreen>
const ui::Edit* shownDeskCode(const app::TFrmPrin& frm)
{
    const auto* desk = frm.findPart<DeskScreen>();
    return desk && desk->controls().screen.visible() ? &desk->controls().code : nullptr;
}

// The cover shown on the loan or the return screen, where that screen is built.
template <class DeskScreen>
ui::Image* deskCover(const app::TFrmPrin& frm)
{
    const auto* desk = frm.findPart<DeskScreen>();
    return desk ? &desk->controls().cover : nullptr;
}

}  // namespace

CoverButtons::CoverButtons(app::TFrmPrin& frm, const catalogue::BookEntryControls& entry,
                           const WebResultControls& panel, PageFetch& pages, CoverDownload& covers)
    : m_frm(frm), m_entry(entry), m_panel(panel), m_pages(pages), m_covers(covers)
{
    frm.handlers.bind(QStringLiteral("SpeedButton33Click"), [this] { SpeedButton33Click(); });
    auto* chasse = frm.create<ui::SpeedButton>(QStringLiteral("SpeedButton58"), &entry.complementsTab);
    chasse->setBounds(QRect(820, catalogue::layout::kCommandRowTop, 150, catalogue::layout::kCommandRowHeight));
    chasse->setText(QStringLiteral("ChasseLivresISBN"));
    chasse->onClick = [this] { SpeedButton58Click(); };
}

QString CoverButtons::bookField(const char* name) const
{
    const db::Table& books = m_frm.db.ADOTable1;
    if (!books.active() || books.isEmpty())
        return {};
    return const_cast<db::Table&>(books).fieldByName(QString::fromLatin1(name)).asString();
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
    if (const ui::Edit* loanCode = shownDeskCode<loans::LoanScreen>(m_frm))
        code = loanCode->text();
    if (const ui::Edit* returnCode = shownDeskCode<loans::ReturnScreen>(m_frm))
        code = returnCode->text();
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
    if (const ui::Edit* loanCode = shownDeskCode<loans::LoanScreen>(f))
        name = loanCode->text() + QStringLiteral(".jpg");
    if (m_entry.screen.visible())
        name = bookField("Isbn13") + QStringLiteral(".jpg");
    if (const ui::Edit* returnCode = shownDeskCode<loans::ReturnScreen>(f))
        name = returnCode->text() + QStringLiteral(".jpg");
    f.CoverName = name;
    const QString path = files::folderFilePath(f.AppDir + catalogue::kCoversFolder, name);
    if (path.isEmpty() || !files::fileExists(path))
        return;
    m_currentCover = picture::loadPictureFile(files::nativePath(path));
    if (!m_currentCover)
        return;
    if (m_entry.screen.visible() || m_entry.complements.coverFrame.visible())
        m_entry.complements.coverScratch.setPicture(m_currentCover);
    for (ui::Image* shown : {deskCover<loans::LoanScreen>(f), deskCover<loans::ReturnScreen>(f)})
        if (shown)
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
    if (const auto* otherMedia = f.findPart<catalogue::OtherMediaScreen>())
        otherMedia->controls().storedCopies.setText(html);
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
        for (ui::Image* shown : {&m_entry.complements.cover, deskCover<loans::LoanScreen>(f)})
            if (shown)
                shown->setPicture(picture::loadPictureFile(placeholder));
        if (ui::Image* returnCover = deskCover<loans::ReturnScreen>(f))
            returnCover->setPicture(m_currentCover);
        f.ShowMessageEntry(173);
        return;
    }
    const QString images = bookField("Images");
    QString name = images.size() == 17 ? coverFileOfCode(images.left(13)) : coverFileOfCode(bookField("Isbn13"));
    if (const ui::Edit* loanCode = shownDeskCode<loans::LoanScreen>(f))
        name = coverFileOfCode(loanCode->text());
    if (const ui::Edit* returnCode = shownDeskCode<loans::ReturnScreen>(f))
        name = coverFileOfCode(returnCode->text());
    m_coverFound = !name.isEmpty() && m_covers.DownloadCover(url, name);
    if (!m_coverFound)
        return;
    f.CoverFileName = name;
    const ui::PicturePtr cover =
        picture::loadPictureFile(files::nativePath(f.AppDir + catalogue::kCoversFolder + name));
    for (ui::Image* shown :
         {&m_entry.complements.cover, deskCover<loans::LoanScreen>(f), deskCover<loans::ReturnScreen>(f)})
        if (shown)
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
    const QString isbn13 = bookField("Isbn13");
    const QString query = isbn13.size() == 13 ? isbn13 + QStringLiteral("&catalog=fr")
                                              : m_panel.titleWords.text() + u'+' + m_panel.authorWords.text();
    const QString address = kChasseSite + QStringLiteral("/search?query=") + query;
    m_panel.view.navigate(address);
    m_panel.address.setText(address);
    postPlaceholderName();
    OpenWebPanelForBook();
}

void CoverButtons::OpenWebPanelForBook()
{
    m_panel.panel.bringToFront();
    m_panel.panel.show();
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{&m_panel.signInWarning, &m_panel.readPage, &m_panel.schoolPublisher})
        control->hide();
    const std::pair<ui::Edit&, const char*> words[] = {{m_panel.coverWords, "Images"},
                                                       {m_panel.publisherWords, "Editeur"},
                                                       {m_panel.authorWords, "Auteur"},
                                                       {m_panel.titleWords, "Titre"}};
    for (const auto& [edit, field] : words)
        edit.setText(bookField(field));
    // The librarian pastes the cover's name into the picture's save dialog of the browser.
    ui::clipboard().setText(m_panel.coverWords.text());
    m_panel.view.bringToFront();
    m_panel.takePage.show();
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
