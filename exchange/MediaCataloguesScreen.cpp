#include "exchange/MediaCataloguesScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryControls.h"
#include "exchange/HtmlPage.h"
#include "exchange/MediaCatalogues.h"
#include "platform/files/TextFileRecord.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/WebBrowser.h"

namespace exchange {

namespace {

const QString kEquipmentHelp = QStringLiteral(
    "Cet outil permet de créer un fichier html faisant état des différents éléments répertoriés."
    "Ce fichier (Biblio_Inventaire.html) est exportable sur votre site Internet."
    " On le trouve dans le dossier ../Biblio_Inventaire.html   Il faudra aussi exporter les images contenues dans le "
    "dossier../Photo_Inventaire/    Il vous sera encore possible de modifier cette page avec un editeur html ou meme Word.");

}  // namespace

MediaCataloguesControls buildMediaCataloguesScreen(app::TFrmPrin& frm)
{
    using ui::placeControl;
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel9"));
    auto* heading = placeControl<ui::Label>(frm, "Label113", screen, QRect(16, 8, 300, 30), QStringLiteral(" CD DVD Menu Html "));
    heading->setFont(ui::Font{QStringLiteral("MS Sans Serif"), 16, ui::colors::navy, true});
    auto* help = placeControl<ui::Memo>(frm, "Memo2", screen, QRect(16, 44, 300, 120));
    placeControl<ui::Label>(frm, "MediaSizeLabel", screen, QRect(16, 172, 110, 16), QStringLiteral("Taille des images"));
    auto* width = placeControl<ui::Edit>(frm, "Edit14", screen, QRect(16, 190, 50, 22), QStringLiteral("80"));
    auto* height = placeControl<ui::Edit>(frm, "Edit18", screen, QRect(72, 190, 50, 22), QStringLiteral("120"));
    auto* preview = placeControl<ui::Panel>(frm, "Panel10", screen, QRect(16, 220, 80, 120), QStringLiteral("Taille Image"));
    preview->setColor(ui::colors::white);
    placeControl<ui::Label>(frm, "MediaTitleLabel", screen, QRect(130, 172, 180, 16), QStringLiteral("Titre"));
    auto* title = placeControl<ui::Edit>(frm, "Edit60", screen, QRect(130, 190, 186, 22));
    auto* otherMediaOk = placeControl<ui::Button>(frm, "Button26", screen, QRect(130, 220, 90, 30), QStringLiteral("OK"));
    auto* equipmentOk = placeControl<ui::Button>(frm, "Button27", screen, QRect(130, 220, 90, 30), QStringLiteral("OK"));
    equipmentOk->hide();
    auto* print = placeControl<ui::Button>(frm, "Button86", screen, QRect(130, 260, 90, 30), QStringLiteral("Imprimer"));
    auto* printPicture = placeControl<ui::Image>(frm, "Image14", screen, QRect(230, 256, 40, 40));
    printPicture->setHint(QStringLiteral("Imprimer"));
    auto* page = placeControl<ui::WebBrowser>(frm, "WebBrowser3", screen, QRect(330, 8, 690, 550));
    return {*screen, *heading, *help, *width, *height, *preview, *title, *otherMediaOk, *equipmentOk, *print, *printPicture, *page};
}

MediaCataloguesScreen::MediaCataloguesScreen(app::TFrmPrin& frm, const catalogue::BookEntryControls& book,
                                             MediaCataloguesControls controls)
    : m_frm(frm), m_book(book), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("C1Click"), [this] { C1Click(); });
    frm.handlers.bind(QStringLiteral("CatalogueHtml2Click"), [this] { CatalogueHtml2Click(); });
    m_controls.otherMediaOk.onClick = [this] { Button26Click(); };
    m_controls.equipmentOk.onClick = [this] { Button27Click(); };
    m_controls.print.onClick = [this] { Button86Click(); };
    m_controls.printPicture.onClick = [this] { Button86Click(); };
}

void MediaCataloguesScreen::showScreen(bool equipment)
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    ui::Panel& screen = m_controls.screen;
    screen.show();
    screen.setColor(equipment ? ui::colors::cream : ui::Color(ui::Color::System::Highlight));
    m_book.tabs.setActivePage(&m_book.entryTab);
    m_controls.otherMediaOk.setVisible(!equipment);
    m_controls.equipmentOk.setVisible(equipment);
    m_controls.heading.setText(equipment ? QStringLiteral(" Catalogue Html inventaire ") : QStringLiteral(" CD DVD Menu Html "));
    if (equipment)
        m_controls.help.setText(kEquipmentHelp);
}

void MediaCataloguesScreen::buildOtherMedia(const QString& heading, const PictureSize& size)
{
    app::TFrmPrin& f = m_frm;
    PublishHtmlPage(f, m_controls.page, QStringLiteral("Livres\\Biblio_zantor.html"),
                    otherMediaPage(f.db.ars, heading, size));
}

void MediaCataloguesScreen::buildEquipment(const PictureSize& size, bool placeAndRemarks)
{
    app::TFrmPrin& f = m_frm;
    const EquipmentCatalogue c = equipmentCatalogue(f.db.ADOTable2, size, placeAndRemarks);
    files::TextFileRecord& file = f.OutputFile;
    file.assign(f.AppDir + QStringLiteral("Inventaire.csv"));
    file.rewrite();
    file.write(c.csv);
    file.close();
    PublishHtmlPage(f, m_controls.page, QStringLiteral("Biblio_inventaire.html"), c.page);
    f.db.ADOTable2.close();
}

void MediaCataloguesScreen::C1Click()
{
    showScreen(false);
    buildOtherMedia(QStringLiteral("Autres Supports"), {QStringLiteral("80"), QStringLiteral("120")});
}

void MediaCataloguesScreen::Button26Click()
{
    buildOtherMedia(m_controls.title.text(), {m_controls.pictureWidth.text(), m_controls.pictureHeight.text()});
}

void MediaCataloguesScreen::CatalogueHtml2Click()
{
    showScreen(true);
    buildEquipment({QStringLiteral("120"), QStringLiteral("80")}, false);
    m_frm.ShowMessageEntry(47);
}

void MediaCataloguesScreen::Button27Click()
{
    app::TFrmPrin& f = m_frm;
    const QString width = m_controls.pictureWidth.text();
    const QString height = m_controls.pictureHeight.text();
    ui::Panel& preview = m_controls.picturePreview;
    preview.setWidth(text::StrToInt(width));
    preview.setHeight(text::StrToInt(height));
    showScreen(true);
    buildEquipment({width, height}, true);
    f.ShowMessageEntry(118);
}

void MediaCataloguesScreen::Button86Click()
{
    PrintHtmlPage(m_frm, m_controls.page);
}

}  // namespace exchange
