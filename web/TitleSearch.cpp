#include "web/TitleSearch.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryControls.h"
#include "catalogue/ComplementsControls.h"
#include "catalogue/IsbnConversions.h"
#include "catalogue/OtherMediaControls.h"
#include "catalogue/OtherMediaScreen.h"
#include "catalogue/RecordNavigation.h"
#include "platform/files/FileError.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/WebBrowser.h"
#include "web/CoverDownload.h"
#include "web/EntryTabRecord.h"
#include "web/PageScriptResult.h"
#include "web/PriceSiteReader.h"
#include "web/ReaderScreen.h"
#include "web/ShownPage.h"
#include "web/SiteAddresses.h"
#include "web/WebResultControls.h"
#include "web/sharedbase/TitleBanks.h"

#include <QUrl>

namespace web {

namespace {

QString encodedWords(const QString& words)
{
    QStringList encoded;
    for (const QString& word : words.split(u' '))
        encoded << QString::fromLatin1(QUrl::toPercentEncoding(word));
    return encoded.join(u'+');
}

}  // namespace

TitleSearch::TitleSearch(app::TFrmPrin& frm, const catalogue::BookEntryControls& book, const WebResultControls& panel,
                         CoverDownload& covers, ShownPage& shown)
    : m_frm(frm), m_book(book), m_panel(panel), m_covers(covers), m_shown(shown)
{
    if (const auto* otherMedia = frm.findPart<catalogue::OtherMediaScreen>())
        m_otherMedia = &otherMedia->controls();
    book.titleSearch.onClick = [this] { SpeedButton2Click(); };
    frm.handlers.bind(QStringLiteral("SpeedButton11Click"), [this] { SpeedButton11Click(); });
    auto& view = panel.view;
    view.onNavigationCompleted = [this](bool ok) { EdgeBrowser3NavigationCompleted(ok); };
    view.onExecuteScript = [this](const QString& json) { EdgeBrowser3ExecuteScript(json); };
}

QString TitleSearch::searchAddress(const QString& title, const QString& author, const QString& publisher)
{
    QString address = kChasseSite + QStringLiteral("/search?query=") + encodedWords(title);
    if (!author.isEmpty())
        address += u'+' + encodedWords(author);
    if (!publisher.isEmpty())
        address += u'+' + encodedWords(publisher);
    return address;
}

void TitleSearch::SpeedButton2Click()
{
    app::TFrmPrin& f = m_frm;
    auto& title = m_book.title;
    if (title.text().isEmpty()) {
        m_book.code.setColor(ui::colors::window);
        title.setColor(ui::colors::yellow);
        title.setFocus();
        f.ShowMessageEntry(161);
        return;
    }
    if (CheckDuplicateTitle(title.text()) &&
        f.application().messageBox(f.tables.dialog(25), f.tables.dialog(26), ui::MessageButtons::OkCancel,
                                   ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        showSaveButtons();
        return;
    }
    const QString searched = title.text();
    m_panel.titleWords.setText(searched);
    m_panel.authorWords.setText(m_book.author.text());
    m_panel.publisherWords.setText(m_book.publisher.text());
    // Both flags are this search's: the bank step clears them before it reads.
    auto* banks = f.findPart<sharedbase::TitleBanks>();
    const bool accepted = f.settings.Qvlbool && banks && banks->SearchTitleBanks();
    if (accepted && f.CoverFound && f.LookupFound) {
        showSaveButtons();
        return;
    }
    openWebSearch(searched);
}

void TitleSearch::showSaveButtons()
{
    for (ui::Control* button : std::initializer_list<ui::Control*>{&m_book.save, &m_book.newEntry, &m_book.correct})
        button->show();
}

bool TitleSearch::CheckDuplicateTitle(const QString& title)
{
    app::TFrmPrin& f = m_frm;
    db::Query& ars = f.db.ars;
    ars.setSql(QStringLiteral("SELECT * FROM table1 WHERE Titre = ? ORDER BY NbrExemplaire"), {title});
    ars.open();
    QString list;
    int row = 0;
    for (ars.first(); !ars.eof(); ars.next())
        list += ars.fieldByName(QStringLiteral("Titre")).asString() + u' ' + QString::number(++row) +
                QStringLiteral("\r\n");
    if (m_otherMedia) {
        m_otherMedia->storedCopies.setText(list);
        m_otherMedia->copies.setText(QString::number(row));
    }
    if (row == 0)
        return false;
    f.ShowMessageEntry(18);
    ars.last();
    auto field = [&ars](const char* name) { return ars.fieldByName(QString::fromLatin1(name)).asString(); };
    m_book.copyCount.setCaption(field("NbrExemplaire"));
    if (m_otherMedia)
        m_otherMedia->type.setText(field("Type"));
    const std::pair<ui::Edit*, const char*> fields[] = {
        {&m_book.isbn13, "Isbn13"},     {&m_book.title, "Titre"},   {&m_book.author, "Auteur"},
        {&m_book.publisher, "Editeur"}, {&m_book.isbn10, "Isbn10"}, {&m_book.coverName, "Images"},
    };
    for (const auto& [control, name] : fields)
        control->setText(field(name));
    // The covers folder of the program, whatever the working folder.
    QString cover = files::folderFilePath(f.AppDir + catalogue::kCoversFolder, field("Images"));
    if (cover.isEmpty() || !files::fileExists(cover))
        cover = f.AppDir + catalogue::kCoversFolder + catalogue::kNoPicture;
    m_book.foundCover.setPicture(picture::loadPictureFile(files::nativePath(cover)));
    return true;
}

void TitleSearch::openWebSearch(const QString& title)
{
    app::TFrmPrin& f = m_frm;
    // The author and the publisher as they stand now, after the banks.
    const QString author = m_book.author.text();
    const QString publisher = m_book.publisher.text();
    m_panel.titleWords.setText(title);
    m_panel.authorWords.setText(author);
    m_panel.publisherWords.setText(publisher);
    // The boxes now hold the entry tab's book: the Compléments tab's search keeps them.
    if (auto* navigation = f.findPart<catalogue::RecordNavigation>())
        navigation->BookTabChanged = false;
    searchInPanel(searchAddress(title, m_book.searchAuthor.checked() ? author : QString(),
                                m_book.searchPublisher.checked() ? publisher : QString()));
}

void TitleSearch::SpeedButton11Click()
{
    app::TFrmPrin& f = m_frm;
    auto* navigation = f.findPart<catalogue::RecordNavigation>();
    if (navigation && navigation->BookTabChanged) {
        const catalogue::ComplementsControls& copy = m_book.complements;
        const std::pair<ui::CustomEdit*, ui::Edit*> copied[] = {{&copy.coverName, &m_panel.coverWords},
                                                                {&copy.publisher, &m_panel.publisherWords},
                                                                {&copy.author, &m_panel.authorWords},
                                                                {&copy.title, &m_panel.titleWords}};
        for (const auto& [field, box] : copied)
            box->setText(field->text());
    }
    searchInPanel(searchAddress(m_panel.titleWords.text(), m_panel.authorWords.text(), QString()));
}

void TitleSearch::searchInPanel(const QString& address)
{
    m_book.screen.show();
    auto& panel = m_panel.panel;
    panel.bringToFront();
    panel.show();
    m_panel.signInWarning.hide();
    m_panel.readPage.show();
    m_panel.schoolPublisher.hide();
    m_panel.takePage.hide();
    m_panel.address.setText(address);
    m_panel.view.navigate(address);
}

void TitleSearch::EdgeBrowser3NavigationCompleted(bool isSuccess)
{
    // A page that did not load has nothing to read.
    if (isSuccess)
        m_panel.view.executeScript(kOuterHtmlScript);
}

void TitleSearch::EdgeBrowser3ExecuteScript(const QString& resultJson)
{
    app::TFrmPrin& f = m_frm;
    m_shown.keep(resultJson);
    const QString address = m_panel.view.locationUrl();
    // No document, or a local page (a pupil's loan history): no book page to read.
    if (resultJson == u"null" || QUrl(address).isLocalFile())
        return;
    const QString html = pageTextOfScriptResult(resultJson);
    m_panel.pageText.setText(html);
    writePageDumps(html, address);
    const BookRecord record = readTitleSearchPage(html, m_book.isbn13.text(), m_book.isbn10.text());
    showRecord(f, record);
    if (!record.picture.isEmpty() && m_covers.DownloadCover(record.picture, kPendingCoverName)) {
        showStoredCover(f, kPendingCoverName);
        m_book.complements.cover.setPicture(m_book.foundCover.picture());
    }
}

BookRecord TitleSearch::readTitleSearchPage(const QString& html, const QString& code, const QString& isbn10)
{
    BookRecord record;
    record.found = true;
    record.picture = priceSitePictureAddress(html);
    record.webAddress = record.picture;
    if (isbn10.isEmpty() && code.size() == 13 && catalogue::isAllDigits(code))
        record.isbn10 = catalogue::Isbn13To10(code);
    record.coverName = QStringLiteral("ChasseLivre");
    return record;
}

void TitleSearch::writePageDumps(const QString& html, const QString& address)
{
    files::TextFileRecord& file = m_frm.OutputFile;
    const std::pair<QString, QString> dumps[] = {{QStringLiteral("dialogue_InnerHTML.Html"), html},
                                                 {QStringLiteral("Title.txt"), address}};
    for (const auto& [name, text] : dumps) {
        try {
            file.assign(m_frm.AppDir + name);
            file.rewrite();
            file.writeln(text);
            file.close();
        } catch (const files::FileError&) {
            file.close();
        }
    }
}

}  // namespace web
