#include "exchange/BookCatalogueScreen.h"

#include "app/FrmPrin.h"
#include "app/TextRoutines.h"
#include "catalogue/BookEntryControls.h"
#include "exchange/HtmlPage.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ControlPlacement.h"
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

}  // namespace

BookCatalogueControls buildBookCatalogueScreen(app::TFrmPrin& frm)
{
    using ui::placeControl;
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel5"));
    // A field with its caption above it; the caption may be wider than the field.
    const auto labelled = [&](const char* label, const char* edit, int left, int top, int width, int labelWidth,
                              const QString& caption, const QString& value) {
        placeControl<ui::Label>(frm, label, screen, QRect(left, top, labelWidth, 16), caption);
        return placeControl<ui::Edit>(frm, edit, screen, QRect(left, top + 18, width, 22), value);
    };
    auto* title = labelled("CatalogueTitleLabel", "Edit59", 16, 8, 260, 260, QStringLiteral("Titre"), QStringLiteral("Titre"));
    placeControl<ui::Label>(frm, "CatalogueSizeLabel", screen, QRect(16, 56, 200, 16), QStringLiteral("Taille des images"));
    auto* coverWidth = placeControl<ui::Edit>(frm, "Edit17", screen, QRect(16, 74, 50, 22), QStringLiteral("80"));
    auto* coverHeight = placeControl<ui::Edit>(frm, "Edit8", screen, QRect(72, 74, 50, 22), QStringLiteral("120"));
    auto* preview = placeControl<ui::Panel>(frm, "Panel6", screen, QRect(16, 104, 80, 120), QStringLiteral("Taille Image"));
    preview->setColor(ui::colors::white);
    auto* resize = placeControl<ui::Button>(frm, "Button13", screen, QRect(130, 74, 190, 26),
                                            QStringLiteral("Modifier la taille des images"));
    auto* rowsPerSheet =
        labelled("CatalogueSheetLabel", "Edit115", 130, 110, 60, 180, QStringLiteral("Nombre de livres par page"), QStringLiteral("7"));
    const struct {
        const char* name;
        const char* caption;
    } orders[] = {{"RadioButton14", "en ordre sur les titres"}, {"RadioButton15", "en ordre sur LieuRangement"},
                  {"RadioButton16", "en ordre sur les N° Isbn13"}, {"RadioButton17", "en ordre sur les saisies"}};
    std::array<ui::RadioButton*, 4> order{};
    int top = 236;
    for (int i = 0; i < 4; ++i) {
        order[i] = placeControl<ui::RadioButton>(frm, orders[i].name, screen, QRect(16, top, 260, 20),
                                                 QString::fromUtf8(orders[i].caption));
        top += 24;
    }
    order[0]->setChecked(true);
    auto* from = labelled("CatalogueFromLabel", "Edit93", 16, 340, 70, 90, QStringLiteral("Début"), QStringLiteral("0"));
    auto* to = labelled("CatalogueToLabel", "Edit94", 110, 340, 70, 90, QStringLiteral("Fin"), QStringLiteral("99999"));
    auto* theme = labelled("CatalogueThemeLabel", "Edit62", 16, 388, 200, 320, QStringLiteral("Thème"), QString());
    auto* owner = labelled("CatalogueOwnerLabel", "Edit64", 16, 436, 200, 320, QStringLiteral("Propriétaire"), QString());
    const struct {
        const char* name;
        const char* caption;
    } options[] = {{"CheckBox2", "Résumé"}, {"CheckBox3", "Editeur"}, {"CheckBox4", "Type"}, {"CheckBox5", "Descripteurs"},
                   {"CheckBox27", "Lieu rangement"}, {"CheckBox35", "Livre unique"}};
    std::array<ui::CheckBox*, 6> option{};
    top = 486;
    for (int i = 0; i < 6; ++i) {
        option[i] = placeControl<ui::CheckBox>(frm, options[i].name, screen, QRect(16, top, 200, 20),
                                               QString::fromUtf8(options[i].caption));
        top += 22;
    }
    auto* build = placeControl<ui::Button>(frm, "Button12", screen, QRect(16, 624, 200, 30), QStringLiteral("Réactualiser l'affichage"));
    auto* stop = placeControl<ui::SpeedButton>(frm, "SpeedButton34", screen, QRect(224, 624, 70, 30), QStringLiteral("Stop"));
    auto* gauge = placeControl<ui::Gauge>(frm, "Gauge1", screen, QRect(16, 662, 278, 18));
    gauge->hide();
    auto* bookCount =
        labelled("CatalogueCountLabel", "Edit16", 16, 686, 80, 200, QStringLiteral("Nombre de livres différents:"), QString());
    auto* saveName = placeControl<ui::Edit>(frm, "Edit63", screen, QRect(16, 736, 130, 22), QStringLiteral("*.html"));
    auto* saveAs = placeControl<ui::Button>(frm, "Button60", screen, QRect(152, 734, 142, 26), QStringLiteral("Sauvegarder sous"));
    auto* print = placeControl<ui::Button>(frm, "Button84", screen, QRect(224, 686, 70, 26), QStringLiteral("Imprimer"));
    auto* printPicture = placeControl<ui::Image>(frm, "Image57", screen, QRect(300, 680, 40, 40));
    printPicture->setHint(QStringLiteral("Imprimer"));
    placeControl<ui::Memo>(frm, "Memo1", screen, QRect(340, 8, 780, 60))
        ->setLines({QStringLiteral("Le catalogue est la page Biblio_zantor.html du dossier du programme ; ses images sont "
                                   "dans livres\\Jaquettes."),
                    QStringLiteral("\"Sauvegarder sous\" copie la page et les images ensemble, pour un site internet.")});
    auto* page = placeControl<ui::WebBrowser>(frm, "WebBrowser4", screen, QRect(340, 76, 780, 700));
    return {*screen,    *title,     *coverWidth, *coverHeight, *preview,      *resize, *rowsPerSheet,
            *order[0],  *order[1],  *order[2],   *order[3],    *from,         *to,     *theme,
            *owner,     *option[0], *option[1],  *option[2],   *option[3],    *option[4], *option[5],
            *build,     *stop,      *gauge,      *bookCount,   *saveName,     *saveAs, *print,
            *printPicture, *page,   frm.get<ui::Panel>(QStringLiteral("Panel24"))};
}

BookCatalogueScreen::BookCatalogueScreen(app::TFrmPrin& frm, const catalogue::BookEntryControls& book,
                                         BookCatalogueControls controls)
    : m_frm(frm), m_book(book), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("CatalogueHtml1Click"), [this] { CatalogueHtml1Click(); });
    m_controls.build.onClick = [this] { Button12Click(); };
    m_controls.stop.onClick = [this] { SpeedButton34Click(); };
    m_controls.resizeCovers.onClick = [this] { Button13Click(); };
    m_controls.print.onClick = [this] { Button84Click(); };
    m_controls.printPicture.onClick = [this] { Button84Click(); };
    m_controls.saveAs.onClick = [this] { Button60Click(); };
}

void BookCatalogueScreen::CatalogueHtml1Click()
{
    app::TFrmPrin& f = m_frm;
    f.HideAllScreens();
    ui::Panel& screen = m_controls.screen;
    screen.show();
    screen.setCursor(ui::Cursor::HourGlass);
    const auto normalCursor = qScopeGuard([&screen] { screen.setCursor(ui::Cursor::Default); });
    m_controls.coverPreview.show();
    m_controls.gauge.hide();
    m_book.progress.hide();
    db::Table& books = f.db.ADOTable1;
    books.setFilter(QStringLiteral("Type='LIVRE'"));
    books.setFiltered(true);
    books.setActive(true);
    books.first();
    f.db.ars.clearSql();
    ShowHtmlPage(f, m_controls.page, QStringLiteral("livres\\Biblio_zantor.html"));
}

BookCatalogueOptions BookCatalogueScreen::options() const
{
    BookCatalogueOptions o;
    o.title = m_controls.title.text();
    o.coverWidth = m_controls.coverWidth.text();
    o.coverHeight = m_controls.coverHeight.text();
    o.rowsPerSheet = text::StrToInt(m_controls.rowsPerSheet.text());
    o.order = m_controls.byPlace.checked()   ? BookCatalogueOptions::Order::StoragePlace
              : m_controls.byIsbn13.checked() ? BookCatalogueOptions::Order::Isbn13
              : m_controls.byEntry.checked() ? BookCatalogueOptions::Order::Entry
                                         : BookCatalogueOptions::Order::Title;
    o.from = text::StrToInt(m_controls.from.text());
    o.to = text::StrToInt(m_controls.to.text());
    o.theme = m_controls.theme.text();
    o.owner = m_controls.owner.text();
    o.summary = m_controls.summary.checked();
    o.publisher = m_controls.publisher.checked();
    o.type = m_controls.type.checked();
    o.descriptors = m_controls.descriptors.checked();
    o.storagePlace = m_controls.storagePlace.checked();
    o.uniqueTitle = m_controls.uniqueTitle.checked();
    return o;
}

void BookCatalogueScreen::Button12Click()
{
    // The build lets messages through after each row: a second press meanwhile starts nothing.
    if (m_building)
        return;
    app::TFrmPrin& f = m_frm;
    ui::Gauge& gauge = m_controls.gauge;
    ui::Panel& waiting = m_controls.waiting;
    gauge.show();
    waiting.show();
    ui::Panel& screen = m_controls.screen;
    screen.setCursor(ui::Cursor::HourGlass);
    const auto normalCursor = qScopeGuard([&screen] { screen.setCursor(ui::Cursor::Default); });
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
    m_controls.bookCount.setText(QString::number(walked));
    PublishHtmlPage(f, m_controls.page, kCataloguePage, page.finish());
}

void BookCatalogueScreen::SpeedButton34Click()
{
    m_controls.gauge.hide();
    m_stopped = true;
}

void BookCatalogueScreen::Button13Click()
{
    const int width = text::StrToInt(m_controls.coverWidth.text());
    const int height = text::StrToInt(m_controls.coverHeight.text());
    ui::Panel& preview = m_controls.coverPreview;
    preview.setWidth(width);
    preview.setHeight(height);
}

void BookCatalogueScreen::Button84Click()
{
    PrintHtmlPage(m_frm, m_controls.page);
}

void BookCatalogueScreen::Button60Click()
{
    app::TFrmPrin& f = m_frm;
    QString name = m_controls.saveName.text();
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
