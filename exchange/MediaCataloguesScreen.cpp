#include "exchange/MediaCataloguesScreen.h"

#include "app/FrmPrin.h"
#include "catalogue/ControlPlacement.h"
#include "exchange/HtmlPage.h"
#include "exchange/MediaCatalogues.h"
#include "platform/files/TextFileRecord.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Button.h"
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

void buildMediaCatalogueControls(app::TFrmPrin& frm)
{
    using catalogue::placeControl;
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel9"));
    auto* title = placeControl<ui::Label>(frm, "Label113", screen, QRect(16, 8, 400, 30), QStringLiteral(" CD DVD Menu Html "));
    title->setFont(ui::Font{QStringLiteral("MS Sans Serif"), 16, ui::colors::navy, true});
    placeControl<ui::Memo>(frm, "Memo2", screen, QRect(16, 44, 300, 120));
    placeControl<ui::Label>(frm, "MediaSizeLabel", screen, QRect(16, 172, 200, 16), QStringLiteral("Taille des images"));
    placeControl<ui::Edit>(frm, "Edit14", screen, QRect(16, 190, 50, 22), QStringLiteral("80"));
    placeControl<ui::Edit>(frm, "Edit18", screen, QRect(72, 190, 50, 22), QStringLiteral("120"));
    placeControl<ui::Panel>(frm, "Panel10", screen, QRect(16, 220, 80, 120), QStringLiteral("Taille Image"))
        ->setColor(ui::colors::white);
    placeControl<ui::Label>(frm, "MediaTitleLabel", screen, QRect(130, 172, 180, 16), QStringLiteral("Titre"));
    placeControl<ui::Edit>(frm, "Edit60", screen, QRect(130, 190, 186, 22));
    placeControl<ui::Button>(frm, "Button26", screen, QRect(130, 220, 90, 30), QStringLiteral("OK"));
    placeControl<ui::Button>(frm, "Button27", screen, QRect(130, 220, 90, 30), QStringLiteral("OK"))->hide();
    placeControl<ui::Button>(frm, "Button86", screen, QRect(130, 260, 90, 30), QStringLiteral("Imprimer"));
    placeControl<ui::Image>(frm, "Image14", screen, QRect(230, 256, 40, 40))->setHint(QStringLiteral("Imprimer"));
    placeControl<ui::WebBrowser>(frm, "WebBrowser3", screen, QRect(330, 8, 690, 550));
}

}  // namespace

MediaCataloguesScreen::MediaCataloguesScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    buildMediaCatalogueControls(frm);
    frm.handlers.bind(QStringLiteral("C1Click"), [this] { C1Click(); });
    frm.handlers.bind(QStringLiteral("CatalogueHtml2Click"), [this] { CatalogueHtml2Click(); });
    const auto onClick = [&frm](const char* name, std::function<void()> handler) {
        frm.get<ui::Control>(QString::fromLatin1(name)).onClick = std::move(handler);
    };
    onClick("Button26", [this] { Button26Click(); });
    onClick("Button27", [this] { Button27Click(); });
    onClick("Button86", [this] { Button86Click(); });
    onClick("Image14", [this] { Button86Click(); });
}

void MediaCataloguesScreen::showScreen(bool equipment)
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    auto& screen = f.get<ui::Panel>(QStringLiteral("Panel9"));
    screen.show();
    screen.setColor(equipment ? ui::colors::cream : ui::Color(ui::Color::System::Highlight));
    f.get<ui::PageControl>(QStringLiteral("PageControl1")).setActivePage(&f.get<ui::TabSheet>(QStringLiteral("TabSheet7")));
    f.get<ui::Control>(QStringLiteral("Button26")).setVisible(!equipment);
    f.get<ui::Control>(QStringLiteral("Button27")).setVisible(equipment);
    f.get<ui::Control>(QStringLiteral("Label113"))
        .setText(equipment ? QStringLiteral(" Catalogue Html inventaire ") : QStringLiteral(" CD DVD Menu Html "));
    if (equipment)
        f.get<ui::CustomEdit>(QStringLiteral("Memo2")).setText(kEquipmentHelp);
}

void MediaCataloguesScreen::buildOtherMedia(const QString& heading, const PictureSize& size)
{
    app::TFrmPrin& f = m_frm;
    PublishHtmlPage(f, f.get<ui::WebBrowser>(QStringLiteral("WebBrowser3")), QStringLiteral("Livres\\Biblio_zantor.html"),
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
    PublishHtmlPage(f, f.get<ui::WebBrowser>(QStringLiteral("WebBrowser3")), QStringLiteral("Biblio_inventaire.html"), c.page);
    f.db.ADOTable2.close();
}

void MediaCataloguesScreen::C1Click()
{
    showScreen(false);
    buildOtherMedia(QStringLiteral("Autres Supports"), {QStringLiteral("80"), QStringLiteral("120")});
}

void MediaCataloguesScreen::Button26Click()
{
    const auto text = [this](const char* name) { return m_frm.get<ui::CustomEdit>(QString::fromLatin1(name)).text(); };
    buildOtherMedia(text("Edit60"), {text("Edit14"), text("Edit18")});
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
    const QString width = f.get<ui::CustomEdit>(QStringLiteral("Edit14")).text();
    const QString height = f.get<ui::CustomEdit>(QStringLiteral("Edit18")).text();
    auto& preview = f.get<ui::Control>(QStringLiteral("Panel10"));
    preview.setWidth(text::StrToInt(width));
    preview.setHeight(text::StrToInt(height));
    showScreen(true);
    buildEquipment({width, height}, true);
    f.ShowMessageEntry(118);
}

void MediaCataloguesScreen::Button86Click()
{
    PrintHtmlPage(m_frm, m_frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser3")));
}

}  // namespace exchange
