#include "exchange/BookCatalogueScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/ControlPlacement.h"
#include "exchange/HtmlPage.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

#include <QScopeGuard>

namespace exchange {

namespace {

const QString kCataloguePage = QStringLiteral("Biblio_zantor.html");

void buildBookCatalogueControls(app::TFrmPrin& frm)
{
    using catalogue::placeControl;
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel5"));
    const auto labelled = [&](const char* label, const char* edit, int left, int top, int width, const QString& caption,
                              const QString& value) {
        placeControl<ui::Label>(frm, label, screen, QRect(left, top, width + 120, 16), caption);
        placeControl<ui::Edit>(frm, edit, screen, QRect(left, top + 18, width, 22), value);
    };
    labelled("CatalogueTitleLabel", "Edit59", 16, 8, 260, QStringLiteral("Titre"), QStringLiteral("Titre"));
    placeControl<ui::Label>(frm, "CatalogueSizeLabel", screen, QRect(16, 56, 200, 16), QStringLiteral("Taille des images"));
    placeControl<ui::Edit>(frm, "Edit17", screen, QRect(16, 74, 50, 22), QStringLiteral("80"));
    placeControl<ui::Edit>(frm, "Edit8", screen, QRect(72, 74, 50, 22), QStringLiteral("120"));
    auto* preview = placeControl<ui::Panel>(frm, "Panel6", screen, QRect(16, 104, 80, 120), QStringLiteral("Taille Image"));
    preview->setColor(ui::colors::white);
    placeControl<ui::Button>(frm, "Button13", screen, QRect(130, 74, 190, 26), QStringLiteral("Modifier la taille des images"));
    labelled("CatalogueSheetLabel", "Edit115", 130, 110, 60, QStringLiteral("Nombre de livres par page"), QStringLiteral("7"));
    const struct {
        const char* name;
        const char* caption;
    } orders[] = {{"RadioButton14", "en ordre sur les titres"}, {"RadioButton15", "en ordre sur LieuRangement"},
                  {"RadioButton16", "en ordre sur les N° Isbn13"}, {"RadioButton17", "en ordre sur les saisies"}};
    int top = 236;
    for (const auto& o : orders) {
        placeControl<ui::RadioButton>(frm, o.name, screen, QRect(16, top, 260, 20), QString::fromUtf8(o.caption));
        top += 24;
    }
    frm.get<ui::RadioButton>(QStringLiteral("RadioButton14")).setChecked(true);
    labelled("CatalogueFromLabel", "Edit93", 16, 340, 70, QStringLiteral("Début"), QStringLiteral("0"));
    labelled("CatalogueToLabel", "Edit94", 110, 340, 70, QStringLiteral("Fin"), QStringLiteral("99999"));
    labelled("CatalogueThemeLabel", "Edit62", 16, 388, 200, QStringLiteral("Thème"), QString());
    labelled("CatalogueOwnerLabel", "Edit64", 16, 436, 200, QStringLiteral("Propriétaire"), QString());
    const struct {
        const char* name;
        const char* caption;
    } options[] = {{"CheckBox2", "Résumé"}, {"CheckBox3", "Editeur"}, {"CheckBox4", "Type"}, {"CheckBox5", "Descripteurs"},
                   {"CheckBox27", "Lieu rangement"}, {"CheckBox35", "Livre unique"}};
    top = 486;
    for (const auto& o : options) {
        placeControl<ui::CheckBox>(frm, o.name, screen, QRect(16, top, 200, 20), QString::fromUtf8(o.caption));
        top += 22;
    }
    placeControl<ui::Button>(frm, "Button12", screen, QRect(16, 624, 200, 30), QStringLiteral("Réactualiser l'affichage"));
    placeControl<ui::SpeedButton>(frm, "SpeedButton34", screen, QRect(224, 624, 70, 30), QStringLiteral("Stop"));
    placeControl<ui::Gauge>(frm, "Gauge1", screen, QRect(16, 662, 278, 18))->hide();
    labelled("CatalogueCountLabel", "Edit16", 16, 686, 80, QStringLiteral("Nombre de livres différents:"), QString());
    placeControl<ui::Edit>(frm, "Edit63", screen, QRect(16, 736, 130, 22), QStringLiteral("*.html"));
    placeControl<ui::Button>(frm, "Button60", screen, QRect(152, 734, 142, 26), QStringLiteral("Sauvegarder sous"));
    placeControl<ui::Button>(frm, "Button84", screen, QRect(224, 686, 70, 26), QStringLiteral("Imprimer"));
    placeControl<ui::Image>(frm, "Image57", screen, QRect(300, 680, 40, 40))->setHint(QStringLiteral("Imprimer"));
    placeControl<ui::Memo>(frm, "Memo1", screen, QRect(340, 8, 780, 60))
        ->setLines({QStringLiteral("Le catalogue est la page Biblio_zantor.html du dossier du programme ; ses images sont "
                                   "dans livres\\Jaquettes."),
                    QStringLiteral("\"Sauvegarder sous\" copie la page et les images ensemble, pour un site internet.")});
    placeControl<ui::WebBrowser>(frm, "WebBrowser4", screen, QRect(340, 76, 780, 700));
}

}  // namespace

BookCatalogueScreen::BookCatalogueScreen(app::TFrmPrin& frm) : m_frm(frm)
{
    buildBookCatalogueControls(frm);
    frm.handlers.bind(QStringLiteral("CatalogueHtml1Click"), [this] { CatalogueHtml1Click(); });
    const auto onClick = [&frm](const char* name, std::function<void()> handler) {
        frm.get<ui::Control>(QString::fromLatin1(name)).onClick = std::move(handler);
    };
    onClick("Button12", [this] { Button12Click(); });
    onClick("SpeedButton34", [this] { SpeedButton34Click(); });
    onClick("Button13", [this] { Button13Click(); });
    onClick("Button84", [this] { Button84Click(); });
    onClick("Image57", [this] { Button84Click(); });
    onClick("Button60", [this] { Button60Click(); });
}

QString BookCatalogueScreen::text(const char* name) const
{
    return m_frm.get<ui::CustomEdit>(QString::fromLatin1(name)).text();
}

bool BookCatalogueScreen::checked(const char* name) const
{
    const QString n = QString::fromLatin1(name);
    if (auto* radio = m_frm.find<ui::RadioButton>(n))
        return radio->checked();
    return m_frm.get<ui::CheckBox>(n).checked();
}

void BookCatalogueScreen::CatalogueHtml1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    f.get<ui::Panel>(QStringLiteral("Panel5")).show();
    f.get<ui::Panel>(QStringLiteral("Panel6")).show();
    f.get<ui::Control>(QStringLiteral("Gauge1")).hide();
    f.setVisibleIfBuilt(QStringLiteral("Gauge2"), false);
    db::Table& books = f.db.ADOTable1;
    books.setFilter(QStringLiteral("Type='LIVRE'"));
    books.setFiltered(true);
    books.setActive(true);
    books.first();
    f.db.ars.clearSql();
    ShowHtmlPage(f, f.get<ui::WebBrowser>(QStringLiteral("WebBrowser4")), QStringLiteral("livres\\Biblio_zantor.html"));
}

BookCatalogueOptions BookCatalogueScreen::options() const
{
    BookCatalogueOptions o;
    o.title = text("Edit59");
    o.coverWidth = text("Edit17");
    o.coverHeight = text("Edit8");
    o.rowsPerSheet = text::StrToInt(text("Edit115"));
    o.order = checked("RadioButton15")   ? BookCatalogueOptions::Order::StoragePlace
              : checked("RadioButton16") ? BookCatalogueOptions::Order::Isbn13
              : checked("RadioButton17") ? BookCatalogueOptions::Order::Entry
                                         : BookCatalogueOptions::Order::Title;
    o.from = text::StrToInt(text("Edit93"));
    o.to = text::StrToInt(text("Edit94"));
    o.theme = text("Edit62");
    o.owner = text("Edit64");
    o.summary = checked("CheckBox2");
    o.publisher = checked("CheckBox3");
    o.type = checked("CheckBox4");
    o.descriptors = checked("CheckBox5");
    o.storagePlace = checked("CheckBox27");
    o.uniqueTitle = checked("CheckBox35");
    return o;
}

void BookCatalogueScreen::Button12Click()
{
    // The build lets messages through after each row: a second press meanwhile starts nothing.
    if (m_building)
        return;
    app::TFrmPrin& f = m_frm;
    auto& gauge = f.get<ui::Gauge>(QStringLiteral("Gauge1"));
    auto& waiting = f.get<ui::Control>(QStringLiteral("Panel24"));
    gauge.show();
    waiting.show();
    const BookCatalogueOptions o = options();
    BookCataloguePage page(o);
    // A query of its own: a command run between two rows may use the scratch query.
    db::Query books(f.db.ADOConnection1);
    const db::Command query = bookCatalogueQuery(o);
    books.setSql(query.sql, query.params);
    books.open();
    const int rows = books.recordCount();
    const auto field = [&books](const char* name) { return books.fieldByName(QString::fromLatin1(name)); };
    const db::Field number = field("NumLivre"), last = field("MaxExemplaire"), title = field("Titre"),
                    isbn13 = field("Isbn13"), author = field("Auteur"), publisher = field("Editeur"),
                    type = field("Type"), summary = field("Resume"), place = field("LieuRangement"),
                    images = field("Images"), descriptors = field("descripteur"), copies = field("NbrExemplaire");
    m_building = true;
    m_stopped = false;
    // Whatever ends the walk, the screen is ready for the next build.
    const auto endBuild = qScopeGuard([&] {
        m_building = false;
        waiting.hide();
        gauge.hide();
    });
    int walked = 0;
    for (books.first(); !books.eof() && !m_stopped; books.next()) {
        const CatalogueBook book{int(number.asInteger()), last.asBoolean(), title.asString(), isbn13.asString(),
                                 author.asString(), publisher.asString(), type.asString(), summary.asString(),
                                 place.asString(), images.asString(), descriptors.asString(), copies.asString()};
        if (page.accepts(book))
            page.addBook(book);
        ++walked;
        gauge.setProgress(rows > 0 ? walked * 100 / rows : 100);
        f.application().processMessages();
    }
    f.get<ui::CustomEdit>(QStringLiteral("Edit16")).setText(QString::number(walked));
    PublishHtmlPage(f, f.get<ui::WebBrowser>(QStringLiteral("WebBrowser4")), kCataloguePage, page.finish());
}

void BookCatalogueScreen::SpeedButton34Click()
{
    m_frm.get<ui::Control>(QStringLiteral("Gauge1")).hide();
    m_stopped = true;
}

void BookCatalogueScreen::Button13Click()
{
    const int width = text::StrToInt(text("Edit17"));
    const int height = text::StrToInt(text("Edit8"));
    auto& preview = m_frm.get<ui::Control>(QStringLiteral("Panel6"));
    preview.setWidth(width);
    preview.setHeight(height);
}

void BookCatalogueScreen::Button84Click()
{
    PrintHtmlPage(m_frm, m_frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser4")));
}

void BookCatalogueScreen::Button60Click()
{
    app::TFrmPrin& f = m_frm;
    QString name = text("Edit63");
    if (name == u"*.html") {
        f.ShowMessageEntry(61);
        return;
    }
    if (TextAfter(QStringLiteral("."), name) != u"html")
        name += QStringLiteral(".html");
    const std::optional<QString> folder = f.application().dialogs().browseFolder({f.tables.message(61), QString()});
    // No folder chosen: nothing is copied, least of all to the root of a drive.
    if (!folder || folder->isEmpty())
        return;
    files::copyFile(f.AppDir + kCataloguePage, *folder + u'\\' + name);
    const bool copied = f.CopyFolder(f.AppDir + QStringLiteral("livres\\jaquettes\\"), *folder + QStringLiteral("\\livres\\Jaquettes\\"));
    f.ShowMessageEntry(copied ? 62 : 63);
}

}  // namespace exchange
