#include "catalogue/BookEntryScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookSave.h"
#include "loans/LoanScreen.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/shell/Shell.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace catalogue {

namespace {

const QString& kCovers = kCoversFolder;
const QString& kPlaces = kPlacePicturesFolder;
constexpr ui::Color kScreenColour = ui::Color::fromBgr(0xE8FFFF);
constexpr ui::Color kHintColour = ui::Color::fromBgr(0xF0FBFF);

}  // namespace

QString showCoverFile(app::TFrmPrin& frm, ui::Image& image, const QString& folder, const QString& name,
                      const QString& placeholder)
{
    const QString path = files::folderFilePath(frm.AppDir + folder, name);
    ui::PicturePtr picture;
    picture::Refusal refusal = picture::Refusal::Unopened;
    QString shown = name;
    if (!path.isEmpty() && files::fileExists(path))
        picture = picture::loadPictureFile(files::nativePath(path), &refusal);
    if (!picture) {
        // A broken file would fail again at every showing. The placeholder itself is kept
        // whatever happens: the next start puts a good one back.
        if (refusal == picture::Refusal::Broken && name.compare(placeholder, Qt::CaseInsensitive) != 0)
            files::deleteFile(path);
        shown = placeholder;
        picture = picture::loadPictureFile(files::nativePath(frm.AppDir + folder + placeholder));
    }
    image.setPicture(picture);
    return shown;
}

BookEntryScreen::BookEntryScreen(app::TFrmPrin& frm, const BookEntryControls& controls)
    : m_frm(frm), m_controls(controls)
{
    app::HandlerTable& h = frm.handlers;
    h.bind(QStringLiteral("Nouveaux3Click"), [this] { Nouveaux3Click(); });
    h.bind(QStringLiteral("OpenBookScreen"), [this] { OpenBookScreen(); });
    h.bind(QStringLiteral("OpenBookScreenWithCode"), [this] { OpenBookScreenWithCode(); });

    const BookEntryControls& c = m_controls;
    c.manualEntry.onClick = [this] { SpeedButton18Click(); };
    c.codeEntry.onClick = [this] { SpeedButton19Click(); };
    c.correct.onClick = [this] { SpeedButton21Click(); };
    c.newEntry.onClick = [this] { SpeedButton22Click(); };
    c.codeHelp.onClick = [this] { Button72Click(); };
    c.deweySearch.onClick = [this] { SpeedButton43Click(); };
    c.code.onChange = [this] { Edit1Change(); };
    bindHoverHints();
}

bool BookEntryScreen::manualEntry() const { return m_controls.codeEntry.visible(); }

void BookEntryScreen::Nouveaux3Click() { open(Opener::Menu); }

void BookEntryScreen::OpenBookScreen() { open(Opener::Login); }

void BookEntryScreen::OpenBookScreenWithCode() { open(Opener::LoanScreen); }

void BookEntryScreen::open(Opener opener)
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_controls;
    ui::Panel& screen = c.screen;

    if (opener == Opener::Menu) {
        f.HideAllScreens();
    } else {
        // The waiting panel and the stock-take panel keep their state.
        for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
                                 "Panel12", "Panel13", "Panel14", "Panel15", "Panel16", "Panel17", "Panel18",
                                 "Panel19", "Panel20", "Panel21", "Panel26", "Recherche", "Identification"})
            f.setVisibleIfBuilt(QString::fromLatin1(name), false);
        c.tabs.setActivePage(&c.entryTab);
    }
    screen.show();
    c.manualEntry.show();
    if (opener == Opener::Menu)
        c.titleSearch.show();
    if (opener != Opener::Login)
        c.progress.hide();
    c.codeEntry.hide();
    c.issuePanel.hide();
    c.nextIsbn.hide();
    f.setVisibleIfBuilt(QStringLiteral("Liste"), false);
    c.pageReader.setHeight(40);
    c.coverView.setHeight(40);
    c.codeCaption.show();

    if (opener == Opener::LoanScreen)
        screen.setTop(44);
    else
        f.SlideIn(screen, 54);

    ActiveBookTab = 1;
    screen.setColor(kScreenColour);
    ui::Edit& code = c.code;
    code.show();
    code.setFocus();
    CarryOverForward = 0;

    db::Table& books = f.db.ADOTable1;
    books.open();
    books.setFilter(QStringLiteral("Type='LIVRE'"));
    books.setFiltered(true);
    books.setActive(true);
    books.last();
    CoverStripRefresh();
    showLargeCover(opener != Opener::LoanScreen);
    showStoragePlace();

    if (opener == Opener::LoanScreen) {
        code.setText(f.findPart<loans::LoanScreen>()->controls().code.text());
        code.setFocus();
        // Handled once this handler has returned, so the look-up starts from the message loop.
        f.application().input().keyDown(ui::vk::Return);
        ReturnToLoanScreen = true;
    }
}

void BookEntryScreen::CoverStripRefresh()
{
    db::Table& books = m_frm.db.ADOTable1;
    ui::DBEdit& nameBox = m_controls.complements.coverName;
    for (ui::Image* image : m_controls.strip) {
        const QString name = books.fieldByName(QStringLiteral("Images")).asString();
        if (showStripCover(*image, name, StripFile::EmptyDeleted) !=
            text::Trim(text::Copy(name, 1, 30)))
            nameBox.showStandIn(kNoPicture);
        books.prior();
    }
    books.moveBy(6);
}

QString BookEntryScreen::showStripCover(ui::Image& slot, const QString& coverName, StripFile handling,
                                        const ui::PicturePtr& loadedBefore)
{
    const QString name = text::Trim(text::Copy(coverName, 1, 30));
    const QString path = files::folderFilePath(m_frm.AppDir + kCovers, name);
    if (path.isEmpty())
        return showCoverFile(m_frm, slot, kCovers, kNoPicture, kNoPicture);
    if (handling == StripFile::EmptyDeleted && files::fileExists(path) &&
        FileSizeText(QStringLiteral("0"), path) == QStringLiteral("0"))
        files::deleteFile(path);
    if (handling == StripFile::UnreadableReported && files::fileExists(path) &&
        name.compare(kNoPicture, Qt::CaseInsensitive) != 0) {
        picture::Refusal refusal = picture::Refusal::None;
        if (ui::PicturePtr picture = picture::loadPictureFile(files::nativePath(path), &refusal)) {
            slot.setPicture(picture);
            return name;
        }
        if (refusal != picture::Refusal::Broken)
            return showCoverFile(m_frm, slot, kCovers, kNoPicture, kNoPicture);
        files::deleteFile(path);
        m_frm.application().showMessage(m_frm.tables.message(160) + name);
        slot.setPicture(loadedBefore);
        return name;
    }
    return showCoverFile(m_frm, slot, kCovers, files::fileExists(path) ? name : kNoPicture, kNoPicture);
}

void BookEntryScreen::showLargeCover(bool storeCropScale)
{
    ui::DBEdit& nameBox = m_controls.complements.coverName;
    ui::Image& cover = m_controls.complements.cover;
    QString name = m_frm.db.ADOTable1.fieldByName(QStringLiteral("Images")).asString();
    if (!files::folderFileExists(m_frm.AppDir + kCovers, name))
        name = kNoPicture;
    const QString shown = showCoverFile(m_frm, cover, kCovers, name, kNoPicture);
    if (shown != m_frm.db.ADOTable1.fieldByName(QStringLiteral("Images")).asString())
        nameBox.showStandIn(shown);
    if (storeCropScale && cover.picture())
        recordCoverCropScale(cover.picture()->size());
}

void BookEntryScreen::recordCoverCropScale(QSize pictureSize)
{
    CoverCropSize = pictureSize;
    const QSize frame = m_frm.CoverFrameSize;
    CoverCropScale = QSizeF(frame.width() ? double(CoverCropSize.width()) / frame.width() : 0,
                            frame.height() ? double(CoverCropSize.height()) / frame.height() : 0);
}

void BookEntryScreen::showStoragePlace()
{
    ui::DBComboBox& placeBox = m_controls.complements.place;
    QString name = placeBox.text();
    if (!files::folderFileExists(m_frm.AppDir + kPlaces, name))
        name = kNoPlacePicture;
    const QString shown =
        showCoverFile(m_frm, m_controls.complements.placePicture, kPlaces, name, kNoPlacePicture);
    if (shown != placeBox.text())
        placeBox.showStandIn(shown);
}

void BookEntryScreen::Edit1Change()
{
    const QString code = m_controls.code.text();
    if (code == QStringLiteral("VLIDE"))
        m_controls.save.click();
    else if (code == QStringLiteral("RETPRET"))
        m_frm.handlers.run(QStringLiteral("ShowReturnScreen"));
}

void BookEntryScreen::SpeedButton18Click()
{
    const BookEntryControls& c = m_controls;
    c.code.hide();
    c.codeCaption.hide();
    c.save.show();
    c.manualEntry.hide();
    c.codeEntry.show();
    c.title.setFocus();
    c.foundCover.clearPicture();
    // A book typed by hand must not take the cover another command stored last.
    m_frm.CoverFileName.clear();
}

void BookEntryScreen::SpeedButton19Click()
{
    const BookEntryControls& c = m_controls;
    c.code.show();
    c.codeCaption.show();
    c.manualEntry.show();
    c.codeEntry.hide();
    c.code.setFocus();
}

void BookEntryScreen::SpeedButton21Click()
{
    const BookEntryControls& c = m_controls;
    c.title.setFocus();
    // The next save then takes the fields as typed by hand.
    c.codeEntry.show();
    c.manualEntry.hide();
}

void BookEntryScreen::SpeedButton22Click()
{
    app::TFrmPrin& f = m_frm;
    const BookEntryControls& c = m_controls;
    c.code.show();
    c.codeCaption.show();
    for (ui::CustomEdit* field : {&c.isbn10, &c.author, &c.publisher, &c.isbn13, &c.title, &c.pageCount,
                                  &c.published, &c.code, &c.binding, &c.price, &c.coverName})
        field->clear();
    c.summary.clear();
    c.copiesToSave.setText(QStringLiteral("1"));
    c.code.setFocus();
    c.save.hide();
    c.code.setColor(ui::colors::window);
    c.title.setColor(ui::colors::window);
    c.issuePanel.hide();
    c.searching.hide();
    f.LookupFound = false;
    f.CoverFileName.clear();
    if (auto* save = f.findPart<BookSave>())
        save->clearRecordValues();
}

void BookEntryScreen::Button72Click() { m_frm.ShowMessageEntry(22); }

void BookEntryScreen::SpeedButton43Click()
{
    ui::Edit& dewey = m_controls.dewey;
    // Without the classification program nothing would come to the clipboard: the class typed
    // before stays.
    if (!m_frm.services().shell.start(QStringLiteral("Pindrel.exe"), {}))
        return;
    dewey.clear();
    m_frm.application().showMessage(QStringLiteral("La réponse dans le Clipboard"));
    if (m_frm.services().clipboardText)
        dewey.setText(m_frm.services().clipboardText());
}

void BookEntryScreen::bindHoverHints()
{
    const QString cr(QChar(u'\r'));
    const BookEntryControls& c = m_controls;
    const std::pair<ui::WinControl*, QString> hints[] = {
        {&c.code, QStringLiteral("Valider avec la touche Entrée pour déclencher la recherche") + cr +
                      QStringLiteral("Vous pouvez entrer le code ISBN13 ou ISBN10")},
        {&c.title, QStringLiteral("Si vous faites une recherche à partir du titre saisissez-le dans ce champ ") + cr +
                      QStringLiteral("puis cliquer sur le bouton Recherche sur titre, auteur, éditeur")},
        {&c.author, QStringLiteral("Il est possible de préciser la recherche sur le titre ") + cr +
                      QStringLiteral("en complétant les champs auteur et éditeur")},
        {&c.isbn13, QStringLiteral("Ce champ doit contenir le code ISBN13 correspondant au code barre du livre.") + cr +
                       QStringLiteral("Si le livre n'a pas de code barre c'est le N° d'entrée du livre dans la base "
                                      "qui sera utilisé. Il faudra imprimer l'étiquette correspondante.") +
                       cr + QStringLiteral("En outre vous pouvez imposer le N° qui vous convient")},
        {&c.copiesToSave, QStringLiteral("Entrez le nombre d'exemplaires correspondant ") + cr +
                       QStringLiteral("avant de cliquer sur le bouton Accepter")},
    };
    for (const auto& [field, text] : hints) {
        field->onMouseEnter = [this, field, text] {
            m_frm.ShowBalloonHint(*field, 1, QStringLiteral("AIDE "), text, kHintColour, ui::colors::black);
        };
    }
}

}  // namespace catalogue
