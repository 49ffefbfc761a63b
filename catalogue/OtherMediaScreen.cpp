#include "catalogue/OtherMediaScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookCodes.h"
#include "catalogue/BookEntryScreen.h"
#include "catalogue/Ean13FontText.h"
#include "catalogue/OtherMediaCoverPage.h"
#include "catalogue/OtherMediaLayout.h"
#include "platform/db/Query.h"
#include "platform/files/FolderFileName.h"
#include "platform/files/WindowsPath.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/WebBrowser.h"

namespace catalogue {

namespace {

const QString kCode39Font = QStringLiteral("Code 39");

}  // namespace

OtherMediaScreen::OtherMediaScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    buildOtherMediaControls(frm);
    frm.handlers.bind(QStringLiteral("Nouvelleentre1Click"), [this] { Nouvelleentre1Click(); });
    auto control = [&frm](const char* name) -> ui::Control& { return frm.get<ui::Control>(QString::fromLatin1(name)); };
    frm.get<ui::Edit>(QStringLiteral("Edit30")).onKeyPress = [this](QChar& key) { Edit30KeyPress(key); };
    control("Button32").onClick = [&frm] { frm.handlers.run(QStringLiteral("Button32Click")); };
    control("Button34").onClick = [this] { Button34Click(); };
    control("Image96").onClick = [this] { ChoixAutoClick(); };
    control("Image97").onClick = [this] { AstucesClick(); };
    control("Button28").onClick = [this] { Button28Click(); };
    frm.get<ui::Button>(QStringLiteral("Button28")).onEnter = [this] { Button28Click(); };
    frm.get<ui::PageControl>(QStringLiteral("PageControl3")).onChange = [this] { PageControl3Change(); };
}

void OtherMediaScreen::Nouvelleentre1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    f.get<ui::PageControl>(QStringLiteral("PageControl3")).setActivePage(&f.get<ui::TabSheet>(QStringLiteral("TabSheet12")));
    f.get<ui::Control>(QStringLiteral("WebBrowser5")).hide();
    auto& screen = f.get<ui::Panel>(QStringLiteral("Panel7"));
    if (f.settings.AnimationOn)
        f.SlideIn(screen, 54);
    screen.setTop(44);
    screen.show();
    f.get<ui::Edit>(QStringLiteral("Edit30")).setFocus();

    db::Table& items = f.db.ADOTable1;
    items.setFilter(kOtherMediaFilter);
    items.setFiltered(true);
    items.setActive(true);
    items.last();
}

void OtherMediaScreen::Edit30KeyPress(QChar&)
{
    auto& code = m_frm.get<ui::Edit>(QStringLiteral("Edit30"));
    if (code.text().size() != 13)
        return;
    code.setText(FixAzertyDigits(code.text()));
    m_frm.get<ui::Button>(QStringLiteral("Button32")).setFocus();
}

void OtherMediaScreen::Button34Click()
{
    app::TFrmPrin& f = m_frm;
    f.get<ui::Control>(QStringLiteral("Button32")).show();
    for (const char* name : {"Edit30", "Edit31", "Edit32", "Edit33", "Edit34", "Edit38", "Edit87", "Edit88", "Edit89",
                             "Edit90", "Edit37", "Edit27"})
        f.get<ui::CustomEdit>(QString::fromLatin1(name)).clear();
    f.get<ui::ComboBox>(QStringLiteral("ComboBox6")).setText(QStringLiteral("Musique"));
    f.get<ui::Edit>(QStringLiteral("Edit30")).setFocus();
}

void OtherMediaScreen::ChoixAutoClick() { browse(-1); }

void OtherMediaScreen::AstucesClick() { browse(1); }

void OtherMediaScreen::browse(int step)
{
    db::Table& items = m_frm.db.ADOTable1;
    if (step < 0)
        items.prior();
    else
        items.next();
    showBarcodePreview();
    showCover();
    showStoragePlace();
}

void OtherMediaScreen::showBarcodePreview()
{
    db::Table& items = m_frm.db.ADOTable1;
    auto& preview = m_frm.get<ui::Edit>(QStringLiteral("Edit20"));
    const QString code = items.fieldByName(QStringLiteral("Isbn13")).asString();
    if (code.size() == 13) {
        preview.setFont(ui::Font{QStringLiteral("Code EAN13"), 48});
        preview.setText(Ean13ToFontText(code));
    } else {
        preview.setFont(ui::Font{kCode39Font, 20});
        preview.setText(u'*' + items.fieldByName(QStringLiteral("numlivre")).asString() + u'*');
    }
}

// The placeholders are shown in the pictures only: the row keeps the names it stores.
void OtherMediaScreen::showCover()
{
    QString name = m_frm.db.ADOTable1.fieldByName(QStringLiteral("Images")).asString();
    if (!files::folderFileExists(m_frm.AppDir + kCoversFolder, name))
        name = kNoPicture;
    showCoverFile(m_frm, m_frm.get<ui::Image>(QStringLiteral("Image12")), kCoversFolder, name, kNoPicture);
}

void OtherMediaScreen::showStoragePlace()
{
    QString name = m_frm.db.ADOTable1.fieldByName(QStringLiteral("LieuRangement")).asString();
    if (!files::folderFileExists(m_frm.AppDir + kPlacePicturesFolder, name))
        name = kNoPlacePicture;
    showCoverFile(m_frm, m_frm.get<ui::Image>(QStringLiteral("Image13")), kPlacePicturesFolder, name, kNoPlacePicture);
}

void OtherMediaScreen::Button28Click()
{
    db::Table& items = m_frm.db.ADOTable1;
    // Setting the filter posts the row typed into the fields, or drops an untouched new one.
    items.setFilter(kOtherMediaFilter);
    items.setFiltered(true);
    items.setActive(true);
    items.last();
    items.close();
    items.open();
    items.refresh();
    items.last();
    items.insert();
}

void OtherMediaScreen::PageControl3Change()
{
    app::TFrmPrin& f = m_frm;
    auto& pages = f.get<ui::PageControl>(QStringLiteral("PageControl3"));
    if (pages.activePage() == &f.get<ui::TabSheet>(QStringLiteral("TabSheet5")))
        showCover();
    writeCoverPage();
}

void OtherMediaScreen::writeCoverPage()
{
    app::TFrmPrin& f = m_frm;
    db::Query& ars = f.db.ars;
    ars.clearSql();
    ars.addSql(QStringLiteral("Select * FROM table1 WHERE Type <> 'LIVRE' AND MaxExemplaire = True ORDER BY Titre"));
    ars.open();
    QStringList covers;
    for (ars.first(); !ars.eof(); ars.next())
        covers << ars.fieldByName(QStringLiteral("Images")).asString();
    ars.close();

    const QString path = f.AppDir + kCoverPage;
    f.OutputFile.assign(path);
    f.OutputFile.rewrite();
    f.OutputFile.writeln(otherMediaCoverPage(covers));
    f.OutputFile.close();
    f.get<ui::WebBrowser>(QStringLiteral("WebBrowser14")).navigate(QStringLiteral("file:") + files::nativePath(path));
}

}  // namespace catalogue
