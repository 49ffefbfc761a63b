#include "catalogue/BookEntryScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryLayout.h"
#include "catalogue/BookSave.h"
#include "platform/files/FileOps.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/shell/Shell.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keys.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"

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
    QString shown = name;
    if (!path.isEmpty() && files::fileExists(path))
        picture = picture::loadPictureFile(files::nativePath(path));
    if (!picture) {
        // A file that is no picture would fail again at every showing. The placeholder itself is
        // kept whatever happens: the next start puts a good one back.
        if (!path.isEmpty() && name.compare(placeholder, Qt::CaseInsensitive) != 0)
            files::deleteFile(path);
        shown = placeholder;
        picture = picture::loadPictureFile(files::nativePath(frm.AppDir + folder + placeholder));
    }
    image.setPicture(picture);
    return shown;
}

BookEntryScreen::BookEntryScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    buildBookEntryControls(frm);
    app::HandlerTable& h = frm.handlers;
    h.bind(QStringLiteral("Nouveaux3Click"), [this] { Nouveaux3Click(); });
    h.bind(QStringLiteral("OpenBookScreen"), [this] { OpenBookScreen(); });
    h.bind(QStringLiteral("OpenBookScreenWithCode"), [this] { OpenBookScreenWithCode(); });

    auto bindClick = [&frm](const char* control, std::function<void()> handler) {
        frm.get<ui::Control>(QString::fromLatin1(control)).onClick = std::move(handler);
    };
    bindClick("SpeedButton18", [this] { SpeedButton18Click(); });
    bindClick("SpeedButton19", [this] { SpeedButton19Click(); });
    bindClick("SpeedButton21", [this] { SpeedButton21Click(); });
    bindClick("SpeedButton22", [this] { SpeedButton22Click(); });
    bindClick("SpeedButton4", [this] { Button72Click(); });
    bindClick("SpeedButton43", [this] { SpeedButton43Click(); });
    frm.get<ui::Edit>(QStringLiteral("Edit1")).onChange = [this] { Edit1Change(); };
    bindHoverHints();
}

bool BookEntryScreen::manualEntry() const { return m_frm.get<ui::Control>(QStringLiteral("SpeedButton19")).visible(); }

void BookEntryScreen::Nouveaux3Click() { open(Opener::Menu); }

void BookEntryScreen::OpenBookScreen() { open(Opener::Login); }

void BookEntryScreen::OpenBookScreenWithCode() { open(Opener::LoanScreen); }

void BookEntryScreen::open(Opener opener)
{
    app::TFrmPrin& f = m_frm;
    auto control = [&f](const char* name) -> ui::Control& { return f.get<ui::Control>(QString::fromLatin1(name)); };
    auto& screen = f.get<ui::Panel>(QStringLiteral("Panel4"));

    if (opener == Opener::Menu) {
        f.HideAllScreens();
    } else {
        // The waiting panel and the stock-take panel keep their state.
        for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
                                 "Panel12", "Panel13", "Panel14", "Panel15", "Panel16", "Panel17", "Panel18",
                                 "Panel19", "Panel20", "Panel21", "Panel26", "Recherche", "Identification"})
            f.setVisibleIfBuilt(QString::fromLatin1(name), false);
        f.get<ui::PageControl>(QStringLiteral("PageControl1"))
            .setActivePage(&f.get<ui::TabSheet>(QStringLiteral("TabSheet7")));
    }
    screen.show();
    control("SpeedButton18").show();
    if (opener == Opener::Menu)
        control("SpeedButton2").show();
    if (opener != Opener::Login)
        control("Gauge2").hide();
    for (const char* name : {"SpeedButton19", "NumJourno", "Button31", "Liste"})
        f.setVisibleIfBuilt(QString::fromLatin1(name), false);
    control("WebBrowserSniff").setHeight(40);
    control("WebBrowser1").setHeight(40);
    control("Label12").show();

    if (opener == Opener::LoanScreen)
        screen.setTop(44);
    else
        f.SlideIn(screen, 54);

    ActiveBookTab = 1;
    screen.setColor(kScreenColour);
    auto& code = f.get<ui::Edit>(QStringLiteral("Edit1"));
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
        if (auto* loanCode = f.find<ui::CustomEdit>(QStringLiteral("Edit39")))
            code.setText(loanCode->text());
        code.setFocus();
        // Handled once this handler has returned, so the look-up starts from the message loop.
        f.application().input().keyDown(ui::vk::Return);
        ReturnToLoanScreen = true;
    }
}

void BookEntryScreen::CoverStripRefresh()
{
    db::Table& books = m_frm.db.ADOTable1;
    auto& nameBox = m_frm.get<ui::DBEdit>(QStringLiteral("DBEdit39"));
    static const char* const stripImages[] = {"Image20", "Image21", "Image22", "Image23", "Image24", "Image25"};
    for (const char* image : stripImages) {
        const QString name = books.fieldByName(QStringLiteral("Images")).asString();
        if (showStripCover(m_frm.get<ui::Image>(QString::fromLatin1(image)), name, StripFile::EmptyDeleted) !=
            text::Trim(text::Copy(name, 1, 30)))
            nameBox.showStandIn(kNoPicture);
        books.prior();
    }
    books.moveBy(6);
}

QString BookEntryScreen::showStripCover(ui::Image& slot, const QString& coverName, StripFile handling)
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
        if (ui::PicturePtr picture = picture::loadPictureFile(files::nativePath(path))) {
            slot.setPicture(picture);
            return name;
        }
        files::deleteFile(path);
        m_frm.application().showMessage(m_frm.tables.message(160) + name);
        return name;
    }
    return showCoverFile(m_frm, slot, kCovers, files::fileExists(path) ? name : kNoPicture, kNoPicture);
}

void BookEntryScreen::showLargeCover(bool storeCropScale)
{
    auto& nameBox = m_frm.get<ui::DBEdit>(QStringLiteral("DBEdit39"));
    auto& cover = m_frm.get<ui::Image>(QStringLiteral("Image3"));
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
    auto& placeBox = m_frm.get<ui::DBComboBox>(QStringLiteral("DBComboBox6"));
    QString name = placeBox.text();
    if (!files::folderFileExists(m_frm.AppDir + kPlaces, name))
        name = kNoPlacePicture;
    const QString shown =
        showCoverFile(m_frm, m_frm.get<ui::Image>(QStringLiteral("Image2")), kPlaces, name, kNoPlacePicture);
    if (shown != placeBox.text())
        placeBox.showStandIn(shown);
}

void BookEntryScreen::Edit1Change()
{
    const QString code = m_frm.get<ui::Edit>(QStringLiteral("Edit1")).text();
    if (code == QStringLiteral("VLIDE"))
        m_frm.get<ui::Control>(QStringLiteral("SpeedButton20")).click();
    else if (code == QStringLiteral("RETPRET"))
        m_frm.handlers.run(QStringLiteral("ShowReturnScreen"));
}

void BookEntryScreen::SpeedButton18Click()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Edit1")).hide();
    f.get<ui::Control>(QStringLiteral("Label12")).hide();
    f.get<ui::Control>(QStringLiteral("SpeedButton20")).show();
    f.get<ui::Control>(QStringLiteral("SpeedButton18")).hide();
    f.get<ui::Control>(QStringLiteral("SpeedButton19")).show();
    f.get<ui::Edit>(QStringLiteral("Edit4")).setFocus();
    f.get<ui::Image>(QStringLiteral("Image99")).clearPicture();
    // A book typed by hand must not take the cover another command stored last.
    f.CoverFileName.clear();
}

void BookEntryScreen::SpeedButton19Click()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Edit1")).show();
    f.get<ui::Control>(QStringLiteral("Label12")).show();
    f.get<ui::Control>(QStringLiteral("SpeedButton18")).show();
    f.get<ui::Control>(QStringLiteral("SpeedButton19")).hide();
    f.get<ui::Edit>(QStringLiteral("Edit1")).setFocus();
}

void BookEntryScreen::SpeedButton21Click()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Edit>(QStringLiteral("Edit4")).setFocus();
    // The next save then takes the fields as typed by hand.
    f.get<ui::Control>(QStringLiteral("SpeedButton19")).show();
    f.get<ui::Control>(QStringLiteral("SpeedButton18")).hide();
}

void BookEntryScreen::SpeedButton22Click()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Edit1")).show();
    f.get<ui::Control>(QStringLiteral("Label12")).show();
    for (const char* name : {"Edit2", "Edit5", "Edit12", "Edit10", "Edit4", "Edit7", "Edit6", "Edit1", "Edit91",
                             "Edit92", "Edit61", "RichEdit4"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).clear();
    f.get<ui::CustomEdit>(QStringLiteral("Edit15")).setText(QStringLiteral("1"));
    f.get<ui::Edit>(QStringLiteral("Edit1")).setFocus();
    f.get<ui::Control>(QStringLiteral("SpeedButton20")).hide();
    f.get<ui::Control>(QStringLiteral("Edit1")).setColor(ui::colors::window);
    f.get<ui::Control>(QStringLiteral("Edit4")).setColor(ui::colors::window);
    f.get<ui::Control>(QStringLiteral("NumJourno")).hide();
    f.get<ui::Control>(QStringLiteral("Panel19")).hide();
    f.LookupFound = false;
    f.CoverFileName.clear();
    if (auto* save = f.findPart<BookSave>())
        save->clearRecordValues();
}

void BookEntryScreen::Button72Click() { m_frm.ShowMessageEntry(22); }

void BookEntryScreen::SpeedButton43Click()
{
    auto& dewey = m_frm.get<ui::CustomEdit>(QStringLiteral("Edit95"));
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
    const std::pair<const char*, QString> hints[] = {
        {"Edit1", QStringLiteral("Valider avec la touche Entrée pour déclencher la recherche") + cr +
                      QStringLiteral("Vous pouvez entrer le code ISBN13 ou ISBN10")},
        {"Edit4", QStringLiteral("Si vous faites une recherche à partir du titre saisissez-le dans ce champ ") + cr +
                      QStringLiteral("puis cliquer sur le bouton Recherche sur titre, auteur, éditeur")},
        {"Edit5", QStringLiteral("Il est possible de préciser la recherche sur le titre ") + cr +
                      QStringLiteral("en complétant les champs auteur et éditeur")},
        {"Edit10", QStringLiteral("Ce champ doit contenir le code ISBN13 correspondant au code barre du livre.") + cr +
                       QStringLiteral("Si le livre n'a pas de code barre c'est le N° d'entrée du livre dans la base "
                                      "qui sera utilisé. Il faudra imprimer l'étiquette correspondante.") +
                       cr + QStringLiteral("En outre vous pouvez imposer le N° qui vous convient")},
        {"Edit15", QStringLiteral("Entrez le nombre d'exemplaires correspondant ") + cr +
                       QStringLiteral("avant de cliquer sur le bouton Accepter")},
    };
    for (const auto& [name, text] : hints) {
        auto& field = m_frm.get<ui::WinControl>(QString::fromLatin1(name));
        field.onMouseEnter = [this, &field, text] {
            m_frm.ShowBalloonHint(field, 1, QStringLiteral("AIDE "), text, kHintColour, ui::colors::black);
        };
    }
}

}  // namespace catalogue
