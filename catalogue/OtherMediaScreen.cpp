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

OtherMediaScreen::OtherMediaScreen(app::TFrmPrin& frm, const OtherMediaControls& controls)
    : m_frm(frm), m_controls(controls)
{
    const OtherMediaControls& c = m_controls;
    frm.handlers.bind(QStringLiteral("Nouvelleentre1Click"), [this] { Nouvelleentre1Click(); });
    c.code.onKeyPress = [this](QChar& key) { Edit30KeyPress(key); };
    c.search.onClick = [&frm] { frm.handlers.run(QStringLiteral("Button32Click")); };
    c.cancel.onClick = [this] { Button34Click(); };
    c.previous.onClick = [this] { ChoixAutoClick(); };
    c.next.onClick = [this] { AstucesClick(); };
    c.newItem.onClick = [this] { Button28Click(); };
    c.newItem.onEnter = [this] { Button28Click(); };
    c.tabs.onChange = [this] { PageControl3Change(); };
}

void OtherMediaScreen::Nouvelleentre1Click()
{
    app::TFrmPrin& f = m_frm;
    const OtherMediaControls& c = m_controls;
    f.HideAllScreens();
    c.tabs.setActivePage(&c.entryTab);
    c.pageReader.hide();
    ui::Panel& screen = c.screen;
    if (f.settings.AnimationOn)
        f.SlideIn(screen, 54);
    screen.setTop(44);
    screen.show();
    c.code.setFocus();

    db::Table& items = f.db.ADOTable1;
    items.setFilter(kOtherMediaFilter);
    items.setFiltered(true);
    items.setActive(true);
    items.last();
}

void OtherMediaScreen::Edit30KeyPress(QChar&)
{
    ui::Edit& code = m_controls.code;
    if (code.text().size() != 13)
        return;
    code.setText(FixAzertyDigits(code.text()));
    m_controls.search.setFocus();
}

void OtherMediaScreen::Button34Click()
{
    const OtherMediaControls& c = m_controls;
    c.search.show();
    for (ui::Edit* field : {&c.code, &c.title, &c.author, &c.publisher, &c.link, &c.ean10, &c.price, &c.pageCount,
                            &c.published, &c.binding, &c.owner, &c.copies})
        field->clear();
    c.type.setText(QStringLiteral("Musique"));
    c.code.setFocus();
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
    ui::Edit& preview = m_controls.barcodePreview;
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
    showCoverFile(m_frm, m_controls.cover, kCoversFolder, name, kNoPicture);
}

void OtherMediaScreen::showStoragePlace()
{
    QString name = m_frm.db.ADOTable1.fieldByName(QStringLiteral("LieuRangement")).asString();
    if (!files::folderFileExists(m_frm.AppDir + kPlacePicturesFolder, name))
        name = kNoPlacePicture;
    showCoverFile(m_frm, m_controls.placePicture, kPlacePicturesFolder, name, kNoPlacePicture);
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
    if (m_controls.tabs.activePage() == &m_controls.complementsTab)
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
    m_controls.coverPage.navigate(QStringLiteral("file:") + files::nativePath(path));
}

}  // namespace catalogue
