// Start-up of the main window, in its fixed order.
#include "app/CaptionAssignments.h"
#include "app/DailyCopy.h"
#include "app/FrmPrin.h"
#include "app/LanguageFile.h"
#include "app/MainWindowLayout.h"
#include "app/SettingsFile.h"
#include "platform/db/BulkScope.h"
#include "platform/db/Error.h"
#include "platform/files/FileOps.h"
#include "platform/files/FileError.h"
#include "platform/files/ShownPath.h"
#include "platform/files/WindowsPath.h"
#include "platform/media/SoundCommands.h"
#include "platform/text/DateText.h"
#include "platform/ui/Application.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Panel.h"

#include <QFileInfo>

namespace app {

namespace {

const QString kBackupFolder = QStringLiteral("C:\\Sauvegardes_journalieres\\");
constexpr qint64 kPlaceholderSize = 2795;
const char* const kBarcodeFonts[] = {"EAN13.ttf", "Code39.ttf", "c39hrp36dltt.ttf", "c39hrp48dhtt.ttf"};
const char* const kFontsRegisteredAgain[] = {"Code39.ttf", "c39hrp24dhtt.ttf", "c39hrp36dltt.ttf",
                                             "c39hrp48dhtt.ttf", "idautomation_com_code_39.ttf"};
const QString kSystemFonts = QStringLiteral("c:\\windows\\fonts\\");

// The scanner must type digits, not shifted characters.
void switchCapsLockOff(ui::Input& input)
{
    if (input.capsLock()) {
        input.keyDown(ui::vk::Capital, true);
        input.keyUp(ui::vk::Capital, true);
    }
}

// Every screen hidden and only the loan menu open until someone logs in.
void hideScreensUntilLogin(TFrmPrin& frm)
{
    static const char* const hidden[] = {
        "Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9",
        "Panel12", "Panel13", "Panel14", "Panel15", "Panel16", "Panel17", "Panel18", "Panel21", "Panel24",
        "Panel25", "Panel26", "Recherche", "Identification", "Liste",
        "Image58", "Image59", "Image61", "Image62", "Image63", "Image64", "Image65", "Image66", "Image67",
        "Image68", "Image69", "Image70", "Image18", "Image19", "Image72", "Image73",
        "SpeedButton20", "SpeedButton21", "Memo6", "SpeedButton54",
        "ToolButton4", "ToolButton5", "ToolButton6", "ToolButton7"};
    static const char* const shown[] = {"Image29", "Image71", "SpeedButton22", "ToolButton8", "ToolButton10"};
    for (const char* name : hidden)
        frm.setVisibleIfBuilt(QString::fromLatin1(name), false);
    for (const char* name : shown)
        frm.setVisibleIfBuilt(QString::fromLatin1(name), true);
    for (const char* name : {"Outils", "Emprunteurs", "Inventaire", "AutreSupport", "Livres"})
        frm.get<ui::MenuItem>(QString::fromLatin1(name)).setVisible(false);
    frm.InventoryMode = false;
}

// The pictures that stand for a missing cover, in every folder of covers.
void putCoverPlaceholders(const QString& appDir)
{
    const QString reservePicture = appDir + QStringLiteral("Reserve\\No_picture.jpg");
    const QString coverPlaceholder = appDir + QStringLiteral("livres\\Jaquettes\\No_picture.jpg");
    if (!files::isReadOnly(coverPlaceholder)) {
        files::forceDirectories(appDir + QStringLiteral("livres\\Jaquettes"));
        if (files::fileSize(coverPlaceholder) != kPlaceholderSize)
            files::copyFile(reservePicture, coverPlaceholder);
    }
    for (const char* folder : {"Livres", "Photo_Asupport", "Photo_emprunteur", "Photo_Inventaire"}) {
        const QString placeholder = appDir + QString::fromLatin1(folder) + QStringLiteral("\\Jaquettes\\No_picture.jpg");
        if (!files::fileExists(placeholder))
            files::copyFile(reservePicture, placeholder);
    }
}

// False, after telling the librarian and ending the program, when Test1.bib cannot be opened.
// Without its database nothing is safe to show: the window would open with every menu, the
// administrator's included, and no login.
bool databaseOpens(TFrmPrin& frm)
{
    try {
        frm.db.open();
        return true;
    } catch (const db::Error&) {
        frm.application().messageBox(QStringLiteral("Le fichier de la base de données est absent ou illisible :\r") +
                                         files::shownPath(frm.AppDir + QStringLiteral("Test1.bib")) +
                                         QStringLiteral("\rLe programme s'arrête."),
                                     frm.application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Error);
        frm.KillProcessByName(TFrmPrin::programExeName());
        return false;
    }
}

}  // namespace

void TFrmPrin::FormCreate()
{
    switchCapsLockOff(application().input());
    AppDir = files::appDir();
    AppDrive = AppDir.left(3);
    BackupDateText = text::shortDateText(application().clock().currentDateTime().date()).replace(u'/', u'-');
    db.setUp(AppDir);
    if (!databaseOpens(*this))
        return;
    if (auto* image3 = builtControl<ui::Image>(QStringLiteral("Image3")))
        CoverFrameSize = image3->bounds().size();
    else
        CoverFrameSize = QSize(310, 406);

    db.ars.clearSql();
    db.ars.addSql(QStringLiteral("Select * From table1"));
    db.ars.open();
    db.ars.last();
    LastNumLivre = int(db.ars.fieldByName(QStringLiteral("NumLivre")).asInteger());
    db.ars.close();
    if (LastNumLivre > 0)
        copyDatabaseTo(kBackupFolder + QStringLiteral("Test1_") + BackupDateText + QStringLiteral("_entree.bib"));

    hideScreensUntilLogin(*this);

    SettingsFile settingsFile;
    applyLanguage();

    const QSize screen = application().screenSize();
    if (screen.width() < 1024 || screen.height() < 768)
        application().messageBox(tables.message(231) + QString::number(screen.width()) + tables.message(232) +
                                     QString::number(screen.height()) + tables.message(233),
                                 application().title(), ui::MessageButtons::Ok, ui::MessageIcon::Information);

    files::deleteFile(AppDir + QStringLiteral("livres\\Jaquettes\\.jpg"));
    AmazonSite = QStringLiteral("fr");

    putCoverPlaceholders(AppDir);

    // The barcode fonts go where the system keeps fonts, for the web views and the word processor.
    files::forceDirectories(kSystemFonts);
    for (const char* font : kBarcodeFonts) {
        const QString name = QString::fromLatin1(font);
        registerFont(kSystemFonts + name);
        if (!files::fileExists(kSystemFonts + name))
            files::copyFile(AppDir + QStringLiteral("Reserve\\") + name, kSystemFonts + name);
    }

    media::SoundCommands& sound = m_services.sound;
    sound.send(QStringLiteral("close all"));
    sound.send(QStringLiteral("open \"") + AppDir + QStringLiteral("Commentaires\\King_henru_march.wma.Wav") +
               QStringLiteral("\" alias capture"));
    sound.send(QStringLiteral("set capture time format ms"));
    sound.send(QStringLiteral("play capture"));

    setVisibleIfBuilt(QStringLiteral("Image52"), false);
    setVisibleIfBuilt(QStringLiteral("Image69"), false);
    setVisibleIfBuilt(QStringLiteral("Image70"), true);

    for (const char* font : kFontsRegisteredAgain)
        registerFont(kSystemFonts + QString::fromLatin1(font));

    if (!settingsFile.exists() && !settingsFile.createFirstRun())
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible d'écrire le fichier %1").arg(settingsFile.path()));
    settings = settingsFile.readAll(LanguageText);
    LanguageText = settings.LanguageText;
    ProgramVersion = QStringLiteral("version 5.05");
    applySettingsToControls();

    RepairCoverNames();
    loadThesaurus();

    setVisibleIfBuilt(QStringLiteral("RichEdit7"), false);
    SlideIn(get<ui::Panel>(QStringLiteral("Panel13")), 50);
    StartupQuestion();
}

void TFrmPrin::copyDatabaseTo(const QString& windowsPath)
{
    // The copy is a convenience: a failure must not stop the caller.
    copyOpenDatabase(db.ADOConnection1, windowsPath);
}

void TFrmPrin::registerFont(const QString& windowsPath)
{
    if (!m_services.registerFont)
        return;
    try {
        const QString native = files::nativePath(windowsPath);
        if (QFileInfo::exists(native))
            m_services.registerFont(native);
    } catch (const std::exception&) {
    }
}

void TFrmPrin::applyLanguage()
{
    SettingsFile settingsFile;
    const LanguageLoad load = loadLanguage(settingsFile, LanguageText, tables);
    if (load.status == LanguageLoad::Status::FileNotRead || load.status == LanguageLoad::Status::DefaultInstead)
        application().showMessage(load.errorText());
    // Without any language file the designed captions stay and start-up goes on.
    if (load.status != LanguageLoad::Status::Loaded && load.status != LanguageLoad::Status::DefaultInstead)
        return;
    for (const layout::Menu& m : layout::mainMenu()) {
        get<ui::MenuItem>(QString::fromUtf8(m.name)).setCaption(tables.menuCaption(m.languageLine));
        for (const layout::MenuEntry& e : m.entries)
            if (e.languageLine > 0)
                get<ui::MenuItem>(QString::fromUtf8(e.name)).setCaption(tables.menuCaption(e.languageLine));
    }
    applyCaptionTable(tables, [this](const QString& name, CaptionProperty property, const QString& text) {
        ui::Control* c = control(name);
        if (!c)
            return false;
        if (property == CaptionProperty::Hint)
            c->setHint(text);
        else
            c->setCaption(text);
        return true;
    });
}

void TFrmPrin::applySettingsToControls()
{
    // These fields belong to several screens.
    auto setText = [this](const char* name, const QString& value) {
        if (auto* c = builtControl<ui::CustomEdit>(QString::fromLatin1(name)))
            c->setText(value);
    };
    auto setChecked = [this](const char* name, bool value) {
        if (auto* c = builtControl<ui::CheckBox>(QString::fromLatin1(name)))
            c->setChecked(value);
    };
    setText("Edit119", settings.LienPageFTP1);
    setText("Edit120", settings.IdentifiantFTP);
    setText("Edit121", settings.MDPFTP);
    setText("Edit122", settings.HoteFTP);
    setText("ComboBox7", settings.PretDefautTexte);
    settings.AmazonPHPbool = true;
    setChecked("CheckBox18", settings.Amazonbool);
    setChecked("CheckBox38", settings.Qvlbool);
    setChecked("CheckBox15", settings.decitrebool);
    setChecked("CheckBox20", settings.bookfinderbool);
    setChecked("CheckBox36", settings.ValideBool);
    setChecked("CheckBox39", settings.ValideRetourBool);
    setChecked("CheckBox37", settings.dialoguebool);
    // The configuration's OK stores these three as checked: they show what is stored.
    setChecked("CheckBox7", settings.AnimationOn);
    setChecked("CheckBox19", settings.ChasseLivrebool);
    setChecked("CheckBox31", settings.ftpbool);
    setText("Edit23", settings.MailQVLgmailcom);
    setText("Edit21", settings.MailQVLgmailcom);
    setText("Edit149", settings.MDPQVL);
    setText("Edit22", settings.MDPQVL);
    setText("Edit150", settings.SMTPQVL);
    setText("Edit151", settings.SMTPQVL);
}

void TFrmPrin::RepairCoverNames()
{
    db::Query& q = db.ars;
    q.clearSql();
    q.addSql(QStringLiteral("Select * From table1"));
    q.open();
    db::BulkScope bulk(db.ADOConnection1);
    db::Field images = q.fieldByName(QStringLiteral("Images"));
    db::Field isbn13 = q.fieldByName(QStringLiteral("Isbn13"));
    db::Field isbn10 = q.fieldByName(QStringLiteral("Isbn10"));
    for (q.first(); !q.eof(); q.next()) {
        const QString code = isbn13.asString();
        // Covers named after the title (no 13-character code) keep their name.
        if (code.size() != 13)
            continue;
        QString expected = code + QStringLiteral(".jpg");
        if (code.startsWith(QStringLiteral("379")) || code.startsWith(QStringLiteral("378")))
            expected = code + u'_' + QString(isbn10.asString()).remove(u'*') + QStringLiteral(".jpg");
        if (images.asString() != expected) {
            q.edit();
            images.setAsString(expected);
            q.post();
        }
    }
}

void TFrmPrin::loadThesaurus()
{
    ThesaurusTable = loadThesaurusFile(AppDir + QStringLiteral("Thesaurus.txt"));
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3"})
        if (auto* combo = builtControl<ui::ComboBox>(QString::fromLatin1(name)))
            combo->setItems(ThesaurusTable.lines);
}

}  // namespace app
