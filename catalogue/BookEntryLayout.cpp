#include "catalogue/BookEntryLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/ComplementsLayout.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/WebBrowser.h"

namespace catalogue {

namespace {

const QString kPersistsHint = QStringLiteral("Cette info persiste en changeant de livre");

class Builder {
public:
    explicit Builder(app::TFrmPrin& frm) : m_frm(frm) {}

    template <class T>
    T* add(const char* name, ui::WinControl* parent, const QRect& place, const QString& text = {})
    {
        return ui::placeControl<T>(m_frm, name, parent, place, text);
    }
    ui::Label* label(const char* name, ui::WinControl* parent, QPoint at, const QString& caption, int width = 110)
    {
        return add<ui::Label>(name, parent, QRect(at, QSize(width, 16)), caption);
    }
    // A caption and its field on one row of the entry tab.
    ui::Edit* row(const char* labelName, const char* editName, ui::WinControl* tab, int top, const QString& caption,
                  int width = 330)
    {
        label(labelName, tab, QPoint(16, top + 3), caption);
        return add<ui::Edit>(editName, tab, QRect(130, top, width, 22));
    }

private:
    app::TFrmPrin& m_frm;
};

void buildEntryTab(Builder& b, ui::TabSheet* tab)
{
    b.label("Label12", tab, QPoint(16, 10), QStringLiteral("N° ISBN + touche Entrée"), 200);
    auto* code = b.add<ui::Edit>("Edit1", tab, QRect(16, 28, 200, 24));
    code->setColor(ui::colors::yellow);
    b.add<ui::SpeedButton>("SpeedButton4", tab, QRect(220, 28, 24, 24), QStringLiteral("?"));
    b.add<ui::SpeedButton>("SpeedButton18", tab, QRect(260, 26, 110, 28), QStringLiteral("Saisie manuelle"));
    b.add<ui::SpeedButton>("SpeedButton19", tab, QRect(260, 26, 110, 28), QStringLiteral("Saisie par code"))->hide();
    b.add<ui::SpeedButton>("SpeedButton22", tab, QRect(376, 26, 110, 28), QStringLiteral("Nouvelle saisie"));
    b.add<ui::SpeedButton>("SpeedButton21", tab, QRect(492, 26, 90, 28), QStringLiteral("Corriger"));
    b.add<ui::SpeedButton>("SpeedButton2", tab, QRect(588, 26, 150, 28), QStringLiteral("Recherche sur titre"));
    b.add<ui::Button>("Button87", tab, QRect(744, 26, 56, 28), QStringLiteral(" Aide"));
    b.add<ui::Button>("Button31", tab, layout::kNextIsbnButton, QStringLiteral("ISBN Suivant"))->hide();

    b.row("Label3", "Edit4", tab, 68, QStringLiteral("Titre"));
    b.row("Label4", "Edit5", tab, 96, QStringLiteral("Auteur"));
    b.row("Label5", "Edit12", tab, 124, QStringLiteral("Editeur"));
    // Beside the author and the publisher: add them to the title search on the web.
    const std::pair<const char*, QString> addedToSearch[] = {
        {"CheckBox13", QStringLiteral("Ajouter l'auteur à la recherche sur internet")},
        {"CheckBox14", QStringLiteral("Ajouter l'éditeur à la recherche sur internet")},
    };
    int boxTop = 99;
    for (const auto& [name, hint] : addedToSearch) {
        auto* box = b.add<ui::CheckBox>(name, tab, QRect(463, boxTop, 16, 16));
        box->setHint(hint);
        box->setShowHint(true);
        boxTop += 28;
    }
    b.row("Label8", "Edit6", tab, 152, QStringLiteral("Parution"), 150);
    b.row("Label9", "Edit7", tab, 180, QStringLiteral("Pages"), 80);
    b.label("Label149", tab, QPoint(230, 183), QStringLiteral("Reliure"), 55);
    b.add<ui::Edit>("Edit91", tab, QRect(290, 180, 170, 22));
    b.row("Label150", "Edit92", tab, 208, QStringLiteral("Prix"), 80);
    b.row("Label6", "Edit10", tab, 236, QStringLiteral("Isbn 13/ N° Livre"), 200);
    b.row("Label2", "Edit2", tab, 264, QStringLiteral("Isbn 10"), 200);
    b.add<ui::SpeedButton>("SpeedButton43", tab, QRect(16, 291, 110, 24), QStringLiteral("Recherche Dewey"));
    b.add<ui::Edit>("Edit95", tab, QRect(130, 292, 120, 22));
    b.row("Label106", "Edit61", tab, 320, QStringLiteral("Nom Image"));
    auto* barcode = b.add<ui::Edit>("Edit84", tab, QRect(130, 350, 330, 40));
    barcode->setFont(ui::Font{QStringLiteral("Code EAN13"), 28});
    barcode->setHint(QStringLiteral("Code barre du livre actuel"));
    barcode->setShowHint(true);

    auto* summary = b.add<ui::RichEdit>("RichEdit4", tab, QRect(480, 68, 190, 250));
    summary->setHint(QStringLiteral("Résumé"));
    summary->setShowHint(true);
    b.label("Label45", tab, QPoint(480, 326), QStringLiteral(" Nombre d'exemplaires à enregistrer"), 190);
    b.add<ui::Edit>("Edit15", tab, QRect(480, 344, 50, 22), QStringLiteral("1"));
    b.add<ui::CheckBox>("CheckBox1", tab, QRect(480, 374, 300, 20),
                        QStringLiteral("Prévoir d'imprimer le code barre de ce livre"));
    b.label("Label10", tab, QPoint(480, 398), QStringLiteral("Nombre d'exemplaires de ce livre"), 210);
    b.label("Label183", tab, QPoint(700, 398), QString(), 60);
    b.label("Label174", tab, QPoint(480, 416), QStringLiteral("N° dernier livre"), 210);
    b.label("Label182", tab, QPoint(700, 416), QString(), 60);
    b.add<ui::SpeedButton>("SpeedButton20", tab, layout::kSaveButton, QStringLiteral("Enregistrer"));
    b.add<ui::Image>("Image99", tab, QRect(800, 110, 170, 230))->setStretch(true);
    b.add<ui::Gauge>("Gauge2", tab, QRect(800, 350, 170, 16))->hide();
    b.add<ui::Memo>("MemoSource", tab, QRect(800, 372, 170, 24))->hide();
    // The page reader of the web look-up, and the small view of a cover just scanned.
    b.add<ui::Panel>("WebBrowserSniff", tab, QRect(800, 400, 80, 40))->hide();
    b.add<ui::WebBrowser>("WebBrowser1", tab, QRect(890, 400, 80, 40));

    auto* searching = b.add<ui::Panel>("Panel19", tab, QRect(300, 150, 360, 110), QStringLiteral("Recherche en cours"));
    searching->hide();
    b.label("Label155", searching, QPoint(10, 10), QString(), 340);
    b.add<ui::SpeedButton>("SpeedButton41", searching, QRect(10, 72, 120, 28), QStringLiteral("Stop recherche"));

    // The issue number of a periodical, asked over the fields once its code is known.
    auto* issue = b.add<ui::Panel>("NumJourno", tab, QRect(87, 112, 241, 127));
    issue->setColor(ui::Color::System::InfoBackground);
    issue->setHint(QStringLiteral("périodiques"));
    issue->hide();
    b.label("Label157", issue, QPoint(12, 14), QStringLiteral("Entrez le N° du journal"), 217);
    b.add<ui::Edit>("Edit97", issue, QRect(12, 44, 120, 24));
    b.add<ui::Button>("Button90", issue, QRect(148, 42, 75, 28), QStringLiteral("OK"));
}

void buildBelowTabs(Builder& b, ui::Panel* screen)
{
    const char* const strip[] = {"Image20", "Image21", "Image22", "Image23", "Image24", "Image25"};
    for (int k = 0; k < 6; ++k)
        b.add<ui::Image>(strip[k], screen,
                         QRect(QPoint(layout::kStripLefts[k], layout::kStripTop), layout::kStripCover))
            ->setStretch(true);
    struct Persistent {
        const char* label;
        const char* field;
        const char* caption;
        bool combo;
    };
    const Persistent fields[] = {
        {"Label160", "ComboBox11", "LieuRangement", true},
        {"Label165", "ComboBox12", "Genre", true},
        {"Label70", "Edit25", "Propriétaire de la biblothèque", false},
        {"Label71", "Edit26", "Thème / Collection / Regroupement", false},
    };
    int top = 482;
    for (const Persistent& p : fields) {
        b.label(p.label, screen, QPoint(640, top + 3), QString::fromUtf8(p.caption), 200);
        const QRect place(845, top, 150, 22);
        ui::Control* field = p.combo ? static_cast<ui::Control*>(b.add<ui::ComboBox>(p.field, screen, place))
                                     : b.add<ui::Edit>(p.field, screen, place);
        field->setHint(kPersistsHint);
        field->setShowHint(true);
        top += 30;
    }
    // The address of the last cover fetched from the shared base or a picture server.
    b.add<ui::Edit>("Edit116", screen, QRect(640, 604, 355, 22));
    // The log of the page fetches and of the books table repair.
    b.add<ui::RichEdit>("RichEdit7", screen, QRect(1109, 496, 74, 82))->hide();
    // A page view with its status bar, right of the tabs where nothing else lies.
    b.add<ui::WebBrowser>("WebBrowser13", screen, layout::kDownloadView);
    b.add<ui::StatusBar>("StatusBar2", screen,
                         QRect(layout::kDownloadView.bottomLeft() + QPoint(0, 1), QSize(layout::kDownloadView.width(), 20)));
}

}  // namespace

BookEntryControls buildBookEntryControls(app::TFrmPrin& frm)
{
    Builder b(frm);
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel4"));
    screen->setShowHint(true);
    auto* pages = b.add<ui::PageControl>("PageControl1", screen, layout::kPageControl);
    auto* entry = b.add<ui::TabSheet>("TabSheet7", pages, {}, QStringLiteral("Essentiel"));
    auto* complements = b.add<ui::TabSheet>("TabSheet2", pages, {}, QStringLiteral("Compléments"));
    // Placed by the page control, as the last sheet added.
    auto* table = frm.create<ui::TabSheet>(QStringLiteral("TabSheet1"), pages);
    table->setCaption(QStringLiteral("Tableau"));
    pages->setActivePage(entry);
    buildEntryTab(b, entry);
    ComplementsControls complementsControls = buildComplementsTab(frm, complements);
    buildBelowTabs(b, screen);

    auto edit = [&frm](const char* name) -> ui::Edit& { return frm.get<ui::Edit>(QString::fromLatin1(name)); };
    auto button = [&frm](const char* name) -> ui::SpeedButton& {
        return frm.get<ui::SpeedButton>(QString::fromLatin1(name));
    };
    auto label = [&frm](const char* name) -> ui::Label& { return frm.get<ui::Label>(QString::fromLatin1(name)); };
    auto image = [&frm](const char* name) { return &frm.get<ui::Image>(QString::fromLatin1(name)); };
    return BookEntryControls{
        .screen = *screen,
        .tabs = *pages,
        .entryTab = *entry,
        .complementsTab = *complements,
        .tableTab = *table,
        .codeCaption = label("Label12"),
        .code = edit("Edit1"),
        .codeHelp = button("SpeedButton4"),
        .manualEntry = button("SpeedButton18"),
        .codeEntry = button("SpeedButton19"),
        .newEntry = button("SpeedButton22"),
        .correct = button("SpeedButton21"),
        .titleSearch = button("SpeedButton2"),
        .help = frm.get<ui::Button>(QStringLiteral("Button87")),
        .nextIsbn = frm.get<ui::Button>(QStringLiteral("Button31")),
        .title = edit("Edit4"),
        .author = edit("Edit5"),
        .publisher = edit("Edit12"),
        .searchAuthor = frm.get<ui::CheckBox>(QStringLiteral("CheckBox13")),
        .searchPublisher = frm.get<ui::CheckBox>(QStringLiteral("CheckBox14")),
        .published = edit("Edit6"),
        .pageCount = edit("Edit7"),
        .binding = edit("Edit91"),
        .price = edit("Edit92"),
        .isbn13 = edit("Edit10"),
        .isbn10 = edit("Edit2"),
        .deweySearch = button("SpeedButton43"),
        .dewey = edit("Edit95"),
        .coverName = edit("Edit61"),
        .barcode = edit("Edit84"),
        .summary = frm.get<ui::RichEdit>(QStringLiteral("RichEdit4")),
        .copiesToSave = edit("Edit15"),
        .printBarcode = frm.get<ui::CheckBox>(QStringLiteral("CheckBox1")),
        .copyCount = label("Label183"),
        .lastCopyNumber = label("Label182"),
        .save = button("SpeedButton20"),
        .foundCover = *image("Image99"),
        .progress = frm.get<ui::Gauge>(QStringLiteral("Gauge2")),
        .pageSource = frm.get<ui::Memo>(QStringLiteral("MemoSource")),
        .pageReader = frm.get<ui::Panel>(QStringLiteral("WebBrowserSniff")),
        .coverView = frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser1")),
        .searching = frm.get<ui::Panel>(QStringLiteral("Panel19")),
        .searchingText = label("Label155"),
        .stopSearch = button("SpeedButton41"),
        .issuePanel = frm.get<ui::Panel>(QStringLiteral("NumJourno")),
        .issueNumber = edit("Edit97"),
        .issueOk = frm.get<ui::Button>(QStringLiteral("Button90")),
        .complements = complementsControls,
        .strip = {image("Image20"), image("Image21"), image("Image22"), image("Image23"), image("Image24"),
                  image("Image25")},
        .storagePlace = frm.get<ui::ComboBox>(QStringLiteral("ComboBox11")),
        .genre = frm.get<ui::ComboBox>(QStringLiteral("ComboBox12")),
        .owner = edit("Edit25"),
        .theme = edit("Edit26"),
        .coverAddress = edit("Edit116"),
        .log = frm.get<ui::RichEdit>(QStringLiteral("RichEdit7")),
        .downloadView = frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser13")),
        .downloadStatus = frm.get<ui::StatusBar>(QStringLiteral("StatusBar2")),
    };
}

}  // namespace catalogue
