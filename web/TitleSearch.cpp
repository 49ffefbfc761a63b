#include "web/TitleSearch.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/IsbnConversions.h"
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
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/WebBrowser.h"
#include "web/CoverDownload.h"
#include "web/PageScriptResult.h"
#include "web/PriceSiteReader.h"
#include "web/ReaderScreen.h"
#include "web/ShownPage.h"
#include "web/SiteAddresses.h"
#include "web/sharedbase/TitleBanks.h"

#include <QUrl>

namespace web {

namespace {

bool ticked(const app::TFrmPrin& frm, const char* name)
{
    const auto* box = dynamic_cast<const ui::CheckBox*>(frm.control(QString::fromLatin1(name)));
    return box && box->checked();
}

QString encodedWords(const QString& words)
{
    QStringList encoded;
    for (const QString& word : words.split(u' '))
        encoded << QString::fromLatin1(QUrl::toPercentEncoding(word));
    return encoded.join(u'+');
}

}  // namespace

TitleSearch::TitleSearch(app::TFrmPrin& frm, CoverDownload& covers, ShownPage& shown)
    : m_frm(frm), m_covers(covers), m_shown(shown)
{
    frm.get<ui::Control>(QStringLiteral("SpeedButton2")).onClick = [this] { SpeedButton2Click(); };
    frm.handlers.bind(QStringLiteral("SpeedButton11Click"), [this] { SpeedButton11Click(); });
    auto& view = frm.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3"));
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
    auto& title = f.get<ui::Edit>(QStringLiteral("Edit4"));
    if (title.text().isEmpty()) {
        f.get<ui::Control>(QStringLiteral("Edit1")).setColor(ui::colors::window);
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
    setFieldText(f, "Edit155", searched);
    setFieldText(f, "Edit154", fieldText(f, "Edit5"));
    setFieldText(f, "Edit153", fieldText(f, "Edit12"));
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
    for (const char* name : {"SpeedButton20", "SpeedButton22", "SpeedButton21"})
        m_frm.get<ui::Control>(QString::fromLatin1(name)).show();
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
    if (auto* copies = dynamic_cast<ui::CustomEdit*>(f.control(QStringLiteral("RichEdit5"))))
        copies->setText(list);
    if (auto* count = dynamic_cast<ui::CustomEdit*>(f.control(QStringLiteral("Edit27"))))
        count->setText(QString::number(row));
    if (row == 0)
        return false;
    f.ShowMessageEntry(18);
    ars.last();
    auto field = [&ars](const char* name) { return ars.fieldByName(QString::fromLatin1(name)).asString(); };
    f.get<ui::Control>(QStringLiteral("Label183")).setCaption(field("NbrExemplaire"));
    if (auto* type = dynamic_cast<ui::ComboBox*>(f.control(QStringLiteral("ComboBox6"))))
        type->setText(field("Type"));
    const std::pair<const char*, const char*> fields[] = {
        {"Edit10", "Isbn13"}, {"Edit4", "Titre"}, {"Edit5", "Auteur"},
        {"Edit12", "Editeur"}, {"Edit2", "Isbn10"}, {"Edit61", "Images"},
    };
    for (const auto& [control, name] : fields)
        setFieldText(f, control, field(name));
    // The covers folder of the program, whatever the working folder.
    QString cover = files::folderFilePath(f.AppDir + catalogue::kCoversFolder, field("Images"));
    if (cover.isEmpty() || !files::fileExists(cover))
        cover = f.AppDir + catalogue::kCoversFolder + catalogue::kNoPicture;
    f.get<ui::Image>(QStringLiteral("Image99")).setPicture(picture::loadPictureFile(files::nativePath(cover)));
    return true;
}

void TitleSearch::openWebSearch(const QString& title)
{
    app::TFrmPrin& f = m_frm;
    // The author and the publisher as they stand now, after the banks.
    const QString author = fieldText(f, "Edit5");
    const QString publisher = fieldText(f, "Edit12");
    setFieldText(f, "Edit155", title);
    setFieldText(f, "Edit154", author);
    setFieldText(f, "Edit153", publisher);
    // The boxes now hold the entry tab's book: the Compléments tab's search keeps them.
    if (auto* navigation = f.findPart<catalogue::RecordNavigation>())
        navigation->BookTabChanged = false;
    searchInPanel(searchAddress(title, ticked(f, "CheckBox13") ? author : QString(),
                                ticked(f, "CheckBox14") ? publisher : QString()));
}

void TitleSearch::SpeedButton11Click()
{
    app::TFrmPrin& f = m_frm;
    auto* navigation = f.findPart<catalogue::RecordNavigation>();
    if (navigation && navigation->BookTabChanged) {
        const std::pair<const char*, const char*> copied[] = {
            {"DBEdit39", "Edit152"}, {"DBEdit42", "Edit153"}, {"DBEdit38", "Edit154"}, {"DBEdit1", "Edit155"}};
        for (const auto& [field, box] : copied)
            setFieldText(f, box, fieldText(f, field));
    }
    searchInPanel(searchAddress(fieldText(f, "Edit155"), fieldText(f, "Edit154"), QString()));
}

void TitleSearch::searchInPanel(const QString& address)
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Panel4")).show();
    auto& panel = f.get<ui::Control>(QStringLiteral("Panel21"));
    panel.bringToFront();
    panel.show();
    f.get<ui::Control>(QStringLiteral("Panel22")).hide();
    f.get<ui::Control>(QStringLiteral("BitBtn2")).show();
    f.get<ui::Control>(QStringLiteral("BitBtn3")).hide();
    f.get<ui::Control>(QStringLiteral("SpeedButton3")).hide();
    setFieldText(f, "Edit99", address);
    f.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).navigate(address);
}

void TitleSearch::EdgeBrowser3NavigationCompleted(bool isSuccess)
{
    // A page that did not load has nothing to read.
    if (isSuccess)
        m_frm.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).executeScript(kOuterHtmlScript);
}

void TitleSearch::EdgeBrowser3ExecuteScript(const QString& resultJson)
{
    app::TFrmPrin& f = m_frm;
    m_shown.keep(resultJson);
    const QString address = f.get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).locationUrl();
    // No document, or a local page (a pupil's loan history): no book page to read.
    if (resultJson == u"null" || QUrl(address).isLocalFile())
        return;
    const QString html = pageTextOfScriptResult(resultJson);
    f.get<ui::CustomEdit>(QStringLiteral("Memo9")).setText(html);
    writePageDumps(html, address);
    f.LookupFound = true;

    const QString picture = priceSitePictureAddress(html);
    setFieldText(f, "Edit99", picture);
    if (!picture.isEmpty() && m_covers.DownloadCover(picture, kPendingCoverName)) {
        showStoredCover(f, kPendingCoverName);
        if (auto* complements = dynamic_cast<ui::Image*>(f.control(QStringLiteral("Image3"))))
            complements->setPicture(f.get<ui::Image>(QStringLiteral("Image99")).picture());
    }
    const QString code = fieldText(f, "Edit10");
    if (fieldText(f, "Edit2").isEmpty() && code.size() == 13 && catalogue::isAllDigits(code))
        setFieldText(f, "Edit2", catalogue::Isbn13To10(code));
    setFieldText(f, "Edit61", QStringLiteral("ChasseLivre"));
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
