#include "catalogue/ComplementsLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/BookEntryLayout.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"

namespace catalogue {

using ui::placeControl;

namespace {

template <class T>
T* bound(app::TFrmPrin& frm, const char* name, ui::WinControl* parent, const QRect& place, const char* field)
{
    T* c = placeControl<T>(frm, name, parent, place);
    c->setDataSource(&frm.db.DataSource1);
    c->setDataField(QString::fromLatin1(field));
    return c;
}

// The copy's own fields, one row each down the left of the tab.
void buildFieldRows(app::TFrmPrin& frm, ui::TabSheet* tab)
{
    struct Row {
        const char* label;
        const char* caption;
        const char* control;
        const char* field;
        bool combo;
    };
    const Row rows[] = {
        {"Label25", "Titre", "DBEdit1", "Titre", false},
        {"Label175", "Auteur", "DBEdit38", "Auteur", false},
        {"Label176", "Editeur", "DBEdit42", "Editeur", false},
        {"CopyLabelIsbn13", "Isbn 13", "DBEdit2", "Isbn13", false},
        {"CopyLabelNumLivre", "N° livre", "DBEdit3", "numlivre", false},
        {"CopyLabelIsbn10", "Isbn 10", "DBEdit30", "Isbn10", false},
        {"CopyLabelProprio", "Propriétaire", "DBEdit36", "Proprio", false},
        {"CopyLabelTheme", "Thème", "DBEdit37", "Mot_Cle", false},
        {"CopyLabelImages", "Nom Image", "DBEdit39", "Images", false},
        {"CopyLabelLien", "Lien pédago", "DBEdit43", "Lien_pedago", false},
        {"CopyLabelPlace", "Rangement", "DBComboBox6", "LieuRangement", true},
        {"CopyLabelType", "Type", "DBComboBox7", "Type", true},
        {"CopyLabelGenre", "Genre", "DBComboBox8", "Genre", true},
    };
    int top = 8;
    for (const Row& r : rows) {
        placeControl<ui::Label>(frm, r.label, tab, QRect(8, top + 3, 84, 16), QString::fromUtf8(r.caption));
        const QRect place(96, top, 240, 22);
        if (r.combo)
            bound<ui::DBComboBox>(frm, r.control, tab, place, r.field);
        else
            bound<ui::DBEdit>(frm, r.control, tab, place, r.field);
        top += 27;
    }
    frm.get<ui::Control>(QStringLiteral("DBEdit3")).setEnabled(false);
    frm.get<ui::Control>(QStringLiteral("DBEdit39")).setHint(QStringLiteral("Nom Image"));
}

// Summary, descriptors and the keyword boxes that add to them, in the middle of the tab.
void buildDescriptors(app::TFrmPrin& frm, ui::TabSheet* tab)
{
    auto* summary = bound<ui::DBMemo>(frm, "DBMemo1", tab, QRect(348, 8, 310, 96), "Resume");
    summary->setHint(QStringLiteral("Résumé"));
    summary->setShowHint(true);
    // The summary with the search term marked, over the plain one.
    placeControl<ui::RichEdit>(frm, "RichEdit3", tab, QRect(348, 8, 310, 96))->hide();

    placeControl<ui::Label>(frm, "Label33", tab, QRect(348, 113, 110, 16), QStringLiteral("Descripteurs bilan"));
    bound<ui::DBEdit>(frm, "DBEdit29", tab, QRect(462, 110, 196, 22), "Descripteur");
    const QString keywordHint = QStringLiteral("Ajouter un mot clé, Tappez les premières lettres");
    struct Keyword {
        const char* label;
        const char* caption;
        const char* combo;
    };
    const Keyword keywords[] = {
        {"Label29", "Descripteur1", "ComboBox1"},
        {"Label30", "Descripteur2", "ComboBox2"},
        {"Label31", "Descripteur3", "ComboBox3"},
        {"Label32", "Dewey", "ComboBox4"},
    };
    int top = 137;
    for (const Keyword& k : keywords) {
        placeControl<ui::Label>(frm, k.label, tab, QRect(348, top + 3, 110, 16), QString::fromLatin1(k.caption));
        auto* combo = placeControl<ui::ComboBox>(frm, k.combo, tab, QRect(462, top, 196, 22));
        combo->setHint(keywordHint);
        combo->setShowHint(true);
        top += 25;
    }
    QStringList dewey;
    for (int d = 1; d <= 10; ++d)
        dewey << QStringLiteral("DEWEY %1").arg(d % 10);
    frm.get<ui::ComboBox>(QStringLiteral("ComboBox4")).setItems(dewey);
    frm.get<ui::ComboBox>(QStringLiteral("ComboBox4")).setHint(QString());

}

// The copy's two flags, under the navigation bar.
void buildFlags(app::TFrmPrin& frm, ui::TabSheet* tab)
{
    const int top = layout::kNavigationTop + layout::kNavigationButton + 8;
    bound<ui::DBCheckBox>(frm, "DBCheckBox1", tab, QRect(8, top, 110, 20), "Empruntable")
        ->setCaption(QStringLiteral("Empruntable"));
    bound<ui::DBCheckBox>(frm, "DBCheckBox4", tab, QRect(124, top, 216, 20), "IMP_CodeBarres")
        ->setCaption(QStringLiteral("Prévoir d'imprimer le code barre"));
}

void buildPictures(app::TFrmPrin& frm, ui::TabSheet* tab)
{
    auto* place = placeControl<ui::Image>(frm, "Image2", tab, QRect(348, 241, 191, 149));
    place->setStretch(true);
    place->setHint(QStringLiteral("Lieu de rangement"));
    place->setShowHint(true);
    auto* frame = placeControl<ui::Panel>(frm, "Panel27", tab, layout::kLargeCover);
    // The scratch picture of the cover tools, made first so that the cover lies over it and
    // takes the mouse.
    placeControl<ui::Image>(frm, "Image87", frame, QRect(QPoint(0, 0), layout::kCoverScratch));
    auto* cover = placeControl<ui::Image>(frm, "Image3", frame, QRect(QPoint(0, 0), layout::kLargeCover.size()));
    cover->setStretch(true);
    cover->setHint(QStringLiteral("permet de recadrer l'image"));
    cover->setShowHint(true);
}

// Along the bottom, left of the cover's own buttons: the tab's help page, the Amazon cover of the
// copy and the search of the copy at the online booksellers.
void buildCoverCommands(app::TFrmPrin& frm, ui::TabSheet* tab)
{
    placeControl<ui::Button>(frm, "Button88", tab, QRect(348, layout::kCommandRowTop, 64, layout::kCommandRowHeight),
                             QStringLiteral("Astuce"));
    const std::pair<const char*, const char*> commands[] = {
        {"SpeedButton33", "Image Amazon"},
        {"SpeedButton11", "Libraires en ligne"},
    };
    int left = 416;
    for (const auto& [name, caption] : commands) {
        auto* command =
            placeControl<ui::SpeedButton>(frm, name, tab, QRect(left, layout::kCommandRowTop, 118, layout::kCommandRowHeight),
                                          QString::fromUtf8(caption));
        command->setShowHint(true);
        left += 122;
    }
}

// First, six back, previous, next, six forward, last; the save of the tab's values beside them.
void buildNavigationBar(app::TFrmPrin& frm, ui::TabSheet* tab)
{
    struct NavButton {
        const char* name;
        int left;
        const char* glyph;
    };
    const NavButton buttons[] = {
        {"SpeedButton6", 2, "|◀"},  {"SpeedButton14", 39, "◀◀"}, {"SpeedButton15", 75, "◀"},
        {"SpeedButton16", 111, "▶"}, {"SpeedButton13", 147, "▶▶"}, {"SpeedButton5", 183, "▶|"},
    };
    const QSize size(layout::kNavigationButton, layout::kNavigationButton);
    for (const NavButton& b : buttons)
        placeControl<ui::SpeedButton>(frm, b.name, tab, QRect(QPoint(b.left, layout::kNavigationTop), size),
                             QString::fromUtf8(b.glyph));
    const QRect savePlace(QPoint(225, layout::kNavigationTop + 1), size);
    auto* save = placeControl<ui::SpeedButton>(frm, "SpeedButton47", tab, savePlace, QStringLiteral("✔"));
    save->setHint(QStringLiteral("Enregistrer"));
    save->setShowHint(true);
}

}  // namespace

ComplementsControls buildComplementsTab(app::TFrmPrin& frm, ui::TabSheet* tab)
{
    buildFieldRows(frm, tab);
    buildDescriptors(frm, tab);
    buildPictures(frm, tab);
    buildNavigationBar(frm, tab);
    buildFlags(frm, tab);
    buildCoverCommands(frm, tab);
    auto dbEdit = [&frm](const char* name) -> ui::DBEdit& { return frm.get<ui::DBEdit>(QString::fromLatin1(name)); };
    auto button = [&frm](const char* name) -> ui::SpeedButton& {
        return frm.get<ui::SpeedButton>(QString::fromLatin1(name));
    };
    auto keyword = [&frm](const char* name) { return &frm.get<ui::ComboBox>(QString::fromLatin1(name)); };
    return ComplementsControls{
        .title = dbEdit("DBEdit1"),
        .author = dbEdit("DBEdit38"),
        .publisher = dbEdit("DBEdit42"),
        .isbn13 = dbEdit("DBEdit2"),
        .copyNumber = dbEdit("DBEdit3"),
        .isbn10 = dbEdit("DBEdit30"),
        .owner = dbEdit("DBEdit36"),
        .theme = dbEdit("DBEdit37"),
        .coverName = dbEdit("DBEdit39"),
        .teachingLink = dbEdit("DBEdit43"),
        .place = frm.get<ui::DBComboBox>(QStringLiteral("DBComboBox6")),
        .type = frm.get<ui::DBComboBox>(QStringLiteral("DBComboBox7")),
        .genre = frm.get<ui::DBComboBox>(QStringLiteral("DBComboBox8")),
        .summary = frm.get<ui::DBMemo>(QStringLiteral("DBMemo1")),
        .markedSummary = frm.get<ui::RichEdit>(QStringLiteral("RichEdit3")),
        .descriptors = dbEdit("DBEdit29"),
        .keywords = {keyword("ComboBox1"), keyword("ComboBox2"), keyword("ComboBox3"), keyword("ComboBox4")},
        .borrowable = frm.get<ui::DBCheckBox>(QStringLiteral("DBCheckBox1")),
        .printBarcode = frm.get<ui::DBCheckBox>(QStringLiteral("DBCheckBox4")),
        .placePicture = frm.get<ui::Image>(QStringLiteral("Image2")),
        .coverFrame = frm.get<ui::Panel>(QStringLiteral("Panel27")),
        .coverScratch = frm.get<ui::Image>(QStringLiteral("Image87")),
        .cover = frm.get<ui::Image>(QStringLiteral("Image3")),
        .tip = frm.get<ui::Button>(QStringLiteral("Button88")),
        .amazonCover = button("SpeedButton33"),
        .booksellers = button("SpeedButton11"),
        .first = button("SpeedButton6"),
        .backSix = button("SpeedButton14"),
        .previous = button("SpeedButton15"),
        .next = button("SpeedButton16"),
        .forwardSix = button("SpeedButton13"),
        .last = button("SpeedButton5"),
        .save = button("SpeedButton47"),
    };
}

}  // namespace catalogue
