#include "exchange/labels/LabelScreenLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/BooksGridLayout.h"
#include "catalogue/ControlPlacement.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace labels {

namespace {

using catalogue::placeControl;

// The sheet and the page take the right of their tabs; the settings stay left of them.
constexpr QRect kSheetPlace(420, 8, 725, 708);

struct Setting {
    const char* label;
    const char* caption;
    const char* edit;
    const char* plus;
    const char* minus;
};

struct Choice {
    const char* name;
    const char* caption;
};

ui::SpeedButton* placeSpeedButton(app::TFrmPrin& frm, const char* name, ui::WinControl* parent, QRect place,
                                  const char* caption, const char* hint = nullptr)
{
    auto* b = placeControl<ui::SpeedButton>(frm, name, parent, place, QString::fromUtf8(caption));
    if (hint) {
        b->setHint(QString::fromUtf8(hint));
        b->setShowHint(true);
    }
    return b;
}

template <class Box>
int placeChoices(app::TFrmPrin& frm, ui::WinControl* tab, int top, std::initializer_list<Choice> choices)
{
    for (const Choice& c : choices) {
        placeControl<Box>(frm, c.name, tab, QRect(8, top, 300, 20), QString::fromUtf8(c.caption));
        top += 24;
    }
    return top;
}

// Titles first, checked.
int placeOrderButtons(app::TFrmPrin& frm, ui::WinControl* tab, int top, const OrderButtons& buttons)
{
    const char* const captions[] = {"en ordre sur les titres", "en ordre sur LieuRangement",
                                    "en ordre sur les N° Isbn13", "en ordre sur les saisies"};
    for (size_t i = 0; i < buttons.size(); ++i) {
        placeControl<ui::RadioButton>(frm, buttons[i], tab, QRect(8, top, 300, 20), QString::fromUtf8(captions[i]));
        top += 24;
    }
    frm.get<ui::RadioButton>(QString::fromLatin1(buttons[0])).setChecked(true);
    return top;
}

void buildSheetTab(app::TFrmPrin& frm, ui::WinControl* tab)
{
    const Setting settings[] = {
        {"Label1CB", "Nombre de colonnes", "Edit76", "Button23", "Button20"},
        {"Label2CB", "Espace entre colonnes", "Edit77", "Button22", "Button21"},
        {"Label3CB", "Espace entre les lignes", "Edit78", "Button18", "Button19"},
    };
    int top = 10;
    for (const Setting& s : settings) {
        placeControl<ui::Label>(frm, s.label, tab, QRect(8, top + 3, 170, 16), QString::fromUtf8(s.caption));
        placeControl<ui::Edit>(frm, s.edit, tab, QRect(180, top, 50, 22));
        placeControl<ui::Button>(frm, s.plus, tab, QRect(236, top, 26, 22), QStringLiteral("+"));
        placeControl<ui::Button>(frm, s.minus, tab, QRect(266, top, 26, 22), QStringLiteral("-"));
        top += 30;
    }
    // Five at a time for the column gap, which takes the most steps.
    placeSpeedButton(frm, "SpeedButton39", tab, QRect(300, 40, 50, 22), "+ X5");
    placeSpeedButton(frm, "SpeedButton40", tab, QRect(354, 40, 50, 22), "- X5");

    top = placeChoices<ui::CheckBox>(frm, tab, top + 6, {{"CheckBox11", "ISBN 13"}, {"CheckBox12", "Code 39"},
                                                         {"CheckBox40", "Inventaire"}});
    auto& copyLabels = frm.get<ui::CheckBox>(QStringLiteral("CheckBox40"));
    copyLabels.setHint(QStringLiteral("Pour avoir un seul code barre par livre"));
    copyLabels.setShowHint(true);
    top = placeChoices<ui::CheckBox>(frm, tab, top + 10, {{"CheckBox22", "LIVRE"}, {"CheckBox24", "AUTRE QUE LIVRE"}});
    for (const char* box : {"CheckBox11", "CheckBox12", "CheckBox40", "CheckBox22", "CheckBox24"})
        frm.get<ui::CheckBox>(QString::fromLatin1(box)).setChecked(true);
    top = placeOrderButtons(frm, tab, top + 10, kSheetOrderButtons);

    top += 12;
    placeSpeedButton(frm, "SpeedButton35", tab, QRect(8, top, 240, 30), "Mise à jour affichage",
                     "Modifiez directement les valeurs pour gaganer du temps");
    top += 40;
    placeControl<ui::Button>(frm, "Button17", tab, QRect(8, top, 160, 30), QStringLiteral("Impression"));
    placeControl<ui::Image>(frm, "Image102", tab, QRect(176, top, 30, 30));
    top += 40;
    placeSpeedButton(frm, "SpeedButton38", tab, QRect(8, top, 240, 30), "Aperçu avant impression");
    top += 40;
    placeControl<ui::Button>(frm, "Button25", tab, QRect(8, top, 80, 26), QStringLiteral(" Aide "));

    auto* sheet = placeControl<ui::RichEdit>(frm, "Richedit1", tab, kSheetPlace);
    sheet->setHint(QStringLiteral("Vous pouvez modifier la mise en page directement dans la page"));
    sheet->setShowHint(true);
}

// The search panel beside the choice grid, laid out as the book grid's search-and-replace panel
// without the replacement; it can be moved with the mouse within its tab.
void buildSearchPanel(app::TFrmPrin& frm, ui::WinControl* tab)
{
    constexpr ui::Color kSearchPanelYellow = ui::Color::fromBgr(0xE1FFFF);
    auto* panel = placeControl<ui::Panel>(frm, "RelativePanel2", tab, QRect(735, 8, 410, 220));
    panel->setColor(kSearchPanelYellow);
    placeControl<ui::Label>(frm, "LabelSearchTitle", panel, QRect(10, 10, 390, 18), QStringLiteral("RECHERCHE"));
    placeControl<ui::Label>(frm, "LabelSearchField", panel, QRect(10, 43, 150, 18), QStringLiteral("Champ ?"));
    placeControl<ui::ComboBox>(frm, "ComboBox21", panel, QRect(170, 40, 230, 22))
        ->setItems(catalogue::layout::booksGridFieldList());
    auto* op = placeControl<ui::ComboBox>(frm, "ComboBox22", panel, QRect(170, 70, 110, 22));
    op->setItems(catalogue::layout::booksGridOperators());
    op->setText(QStringLiteral("="));
    placeControl<ui::Label>(frm, "LabelSearchValue", panel, QRect(10, 103, 150, 18),
                            QStringLiteral("Valeur recherchée"));
    placeControl<ui::Edit>(frm, "Edit158", panel, QRect(170, 100, 230, 22));
    placeControl<ui::Button>(frm, "Button56", panel, QRect(10, 140, 120, 28), QStringLiteral("Chercher"));
    placeControl<ui::Button>(frm, "Button57", panel, QRect(145, 140, 120, 28), QStringLiteral("Annuler"));
    placeControl<ui::Label>(frm, "Label250", panel, QRect(10, 184, 390, 18));
}

void buildPageTab(app::TFrmPrin& frm, ui::WinControl* tab)
{
    placeControl<ui::Label>(frm, "Label4CB", tab, QRect(8, 13, 170, 16), QStringLiteral("Nombre étiquettes / page"));
    placeControl<ui::Edit>(frm, "Edit19", tab, QRect(180, 10, 50, 22), QStringLiteral("10"));
    int top = placeChoices<ui::CheckBox>(frm, tab, 44, {{"CheckBox43", "Code inventaire"}});
    top = placeOrderButtons(frm, tab, top + 10, kPageOrderButtons);
    top += 12;
    placeSpeedButton(frm, "SpeedButton36", tab, QRect(8, top, 240, 30), "Réactualiser l'affichage");
    top += 40;
    placeSpeedButton(frm, "SpeedButton37", tab, QRect(8, top, 160, 30), "Impression");
    placeControl<ui::Image>(frm, "Image85", tab, QRect(176, top, 30, 30));
    placeControl<ui::WebBrowser>(frm, "WebBrowser10", tab, kSheetPlace);
}

}  // namespace

void buildLabelScreenControls(app::TFrmPrin& frm)
{
    auto* panel = &frm.get<ui::WinControl>(QStringLiteral("Panel8"));
    auto* pages = placeControl<ui::PageControl>(frm, "PageControl4", panel, QRect(QPoint(0, 0), panel->bounds().size()));
    auto* choice = placeControl<ui::TabSheet>(frm, "TabSheet8", pages, QRect(), QStringLiteral("  Choix Etiquettes"));
    auto* sheet = placeControl<ui::TabSheet>(frm, "TabSheet9", pages, QRect(), QStringLiteral("Edition code barre"));
    auto* page = placeControl<ui::TabSheet>(frm, "TabSheet13", pages, QRect(), QStringLiteral("Edition code barre +"));

    auto* grid = placeControl<ui::DBGrid>(frm, "DBGrid4", choice, QRect(8, 8, 717, 708));
    grid->setDataSource(&frm.db.DataSource1);
    grid->setColumns({QStringLiteral("numlivre"), QStringLiteral("IMP_CodeBarres"), QStringLiteral("Titre"),
                      QStringLiteral("Isbn13"), QStringLiteral("CodeBarres")});
    buildSearchPanel(frm, choice);
    buildSheetTab(frm, sheet);
    buildPageTab(frm, page);
}

LabelOrder chosenOrder(app::TFrmPrin& frm, const OrderButtons& buttons)
{
    const LabelOrder orders[] = {LabelOrder::Title, LabelOrder::StoragePlace, LabelOrder::Isbn13, LabelOrder::Entry};
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (frm.get<ui::RadioButton>(QString::fromLatin1(buttons[i])).checked())
            return orders[i];
    }
    return LabelOrder::Title;
}

}  // namespace labels
