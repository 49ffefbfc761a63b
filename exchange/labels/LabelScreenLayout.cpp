#include "exchange/labels/LabelScreenLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/BooksGridLayout.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
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

using ui::placeControl;

// The sheet and the page take the right of their tabs; the settings stay left of them.
constexpr QRect kSheetPlace(420, 8, 725, 708);

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

// A check box of a tab's column of choices; `top` moves to the next one.
ui::CheckBox* placeChoice(app::TFrmPrin& frm, ui::WinControl* tab, int& top, const char* name, const char* caption)
{
    auto* box = placeControl<ui::CheckBox>(frm, name, tab, QRect(8, top, 300, 20), QString::fromUtf8(caption));
    top += 24;
    return box;
}

// Titles first, checked.
OrderButtons placeOrderButtons(app::TFrmPrin& frm, ui::WinControl* tab, int& top, const std::array<const char*, 4>& names)
{
    const char* const captions[] = {"en ordre sur les titres", "en ordre sur LieuRangement",
                                    "en ordre sur les N° Isbn13", "en ordre sur les saisies"};
    OrderButtons buttons{};
    for (size_t i = 0; i < names.size(); ++i) {
        buttons[i] = placeControl<ui::RadioButton>(frm, names[i], tab, QRect(8, top, 300, 20), QString::fromUtf8(captions[i]));
        top += 24;
    }
    buttons[0]->setChecked(true);
    return buttons;
}

// One layout value: its label, its box and its "+" and "-" buttons.
struct Setting {
    ui::Edit* edit;
    ui::Button* plus;
    ui::Button* minus;
};

Setting placeSetting(app::TFrmPrin& frm, ui::WinControl* tab, int top, const char* label, const char* caption,
                     const char* edit, const char* plus, const char* minus)
{
    placeControl<ui::Label>(frm, label, tab, QRect(8, top + 3, 170, 16), QString::fromUtf8(caption));
    return {placeControl<ui::Edit>(frm, edit, tab, QRect(180, top, 50, 22)),
            placeControl<ui::Button>(frm, plus, tab, QRect(236, top, 26, 22), QStringLiteral("+")),
            placeControl<ui::Button>(frm, minus, tab, QRect(266, top, 26, 22), QStringLiteral("-"))};
}

// The search panel beside the choice grid, laid out as the book grid's search-and-replace panel
// without the replacement; it can be moved with the mouse within its tab.
struct SearchPanel {
    catalogue::GridSearchControls search;
    ui::Button* find;
    ui::Button* cancel;
};

SearchPanel buildSearchPanel(app::TFrmPrin& frm, ui::WinControl* tab)
{
    constexpr ui::Color kSearchPanelYellow = ui::Color::fromBgr(0xE1FFFF);
    auto* panel = placeControl<ui::Panel>(frm, "RelativePanel2", tab, QRect(735, 8, 410, 220));
    panel->setColor(kSearchPanelYellow);
    placeControl<ui::Label>(frm, "LabelSearchTitle", panel, QRect(10, 10, 390, 18), QStringLiteral("RECHERCHE"));
    placeControl<ui::Label>(frm, "LabelSearchField", panel, QRect(10, 43, 150, 18), QStringLiteral("Champ ?"));
    auto* field = placeControl<ui::ComboBox>(frm, "ComboBox21", panel, QRect(170, 40, 230, 22));
    field->setItems(catalogue::layout::booksGridFieldList());
    auto* op = placeControl<ui::ComboBox>(frm, "ComboBox22", panel, QRect(170, 70, 110, 22));
    op->setItems(catalogue::layout::booksGridOperators());
    op->setText(QStringLiteral("="));
    placeControl<ui::Label>(frm, "LabelSearchValue", panel, QRect(10, 103, 150, 18),
                            QStringLiteral("Valeur recherchée"));
    auto* value = placeControl<ui::Edit>(frm, "Edit158", panel, QRect(170, 100, 230, 22));
    auto* find = placeControl<ui::Button>(frm, "Button56", panel, QRect(10, 140, 120, 28), QStringLiteral("Chercher"));
    auto* cancel = placeControl<ui::Button>(frm, "Button57", panel, QRect(145, 140, 120, 28), QStringLiteral("Annuler"));
    auto* count = placeControl<ui::Label>(frm, "Label250", panel, QRect(10, 184, 390, 18));
    return {{*field, *op, *value, *count}, find, cancel};
}

}  // namespace

LabelScreenControls buildLabelScreen(app::TFrmPrin& frm)
{
    auto* panel = &frm.get<ui::WinControl>(QStringLiteral("Panel8"));
    auto* pages = placeControl<ui::PageControl>(frm, "PageControl4", panel, QRect(QPoint(0, 0), panel->bounds().size()));
    auto* choiceTab = placeControl<ui::TabSheet>(frm, "TabSheet8", pages, QRect(), QStringLiteral("  Choix Etiquettes"));
    auto* sheetTab = placeControl<ui::TabSheet>(frm, "TabSheet9", pages, QRect(), QStringLiteral("Edition code barre"));
    auto* pageTab = placeControl<ui::TabSheet>(frm, "TabSheet13", pages, QRect(), QStringLiteral("Edition code barre +"));

    auto* grid = placeControl<ui::DBGrid>(frm, "DBGrid4", choiceTab, QRect(8, 8, 717, 708));
    grid->setDataSource(&frm.db.DataSource1);
    grid->setColumns({QStringLiteral("numlivre"), QStringLiteral("IMP_CodeBarres"), QStringLiteral("Titre"),
                      QStringLiteral("Isbn13"), QStringLiteral("CodeBarres")});
    const SearchPanel search = buildSearchPanel(frm, choiceTab);

    // The sheet's tab.
    ui::WinControl* tab = sheetTab;
    const Setting columns = placeSetting(frm, tab, 10, "Label1CB", "Nombre de colonnes", "Edit76", "Button23", "Button20");
    const Setting columnGap = placeSetting(frm, tab, 40, "Label2CB", "Espace entre colonnes", "Edit77", "Button22", "Button21");
    const Setting rowGap = placeSetting(frm, tab, 70, "Label3CB", "Espace entre les lignes", "Edit78", "Button18", "Button19");
    int top = 100;
    // Five at a time for the column gap, which takes the most steps.
    auto* widerColumnGap5 = placeSpeedButton(frm, "SpeedButton39", tab, QRect(300, 40, 50, 22), "+ X5");
    auto* narrowerColumnGap5 = placeSpeedButton(frm, "SpeedButton40", tab, QRect(354, 40, 50, 22), "- X5");

    top += 6;
    auto* isbn13Labels = placeChoice(frm, tab, top, "CheckBox11", "ISBN 13");
    auto* code39Labels = placeChoice(frm, tab, top, "CheckBox12", "Code 39");
    auto* copyLabels = placeChoice(frm, tab, top, "CheckBox40", "Inventaire");
    copyLabels->setHint(QStringLiteral("Pour avoir un seul code barre par livre"));
    copyLabels->setShowHint(true);
    top += 10;
    auto* books = placeChoice(frm, tab, top, "CheckBox22", "LIVRE");
    auto* otherMedia = placeChoice(frm, tab, top, "CheckBox24", "AUTRE QUE LIVRE");
    for (ui::CheckBox* box : {isbn13Labels, code39Labels, copyLabels, books, otherMedia})
        box->setChecked(true);
    top += 10;
    const OrderButtons sheetOrder =
        placeOrderButtons(frm, tab, top, {"RadioButton6", "RadioButton7", "RadioButton8", "RadioButton9"});

    top += 12;
    auto* updateSheet = placeSpeedButton(frm, "SpeedButton35", tab, QRect(8, top, 240, 30), "Mise à jour affichage",
                                         "Modifiez directement les valeurs pour gaganer du temps");
    top += 40;
    auto* printSheet = placeControl<ui::Button>(frm, "Button17", tab, QRect(8, top, 160, 30), QStringLiteral("Impression"));
    auto* printSheetPicture = placeControl<ui::Image>(frm, "Image102", tab, QRect(176, top, 30, 30));
    top += 40;
    auto* preview = placeSpeedButton(frm, "SpeedButton38", tab, QRect(8, top, 240, 30), "Aperçu avant impression");
    top += 40;
    auto* help = placeControl<ui::Button>(frm, "Button25", tab, QRect(8, top, 80, 26), QStringLiteral(" Aide "));

    auto* sheet = placeControl<ui::RichEdit>(frm, "Richedit1", tab, kSheetPlace);
    sheet->setHint(QStringLiteral("Vous pouvez modifier la mise en page directement dans la page"));
    sheet->setShowHint(true);

    // The HTML page's tab.
    tab = pageTab;
    placeControl<ui::Label>(frm, "Label4CB", tab, QRect(8, 13, 170, 16), QStringLiteral("Nombre étiquettes / page"));
    auto* labelsPerPage = placeControl<ui::Edit>(frm, "Edit19", tab, QRect(180, 10, 50, 22), QStringLiteral("10"));
    top = 44;
    auto* copyCodes = placeChoice(frm, tab, top, "CheckBox43", "Code inventaire");
    top += 10;
    const OrderButtons pageOrder =
        placeOrderButtons(frm, tab, top, {"RadioButton10", "RadioButton13", "RadioButton12", "RadioButton11"});
    top += 12;
    auto* updatePage = placeSpeedButton(frm, "SpeedButton36", tab, QRect(8, top, 240, 30), "Réactualiser l'affichage");
    top += 40;
    auto* printPage = placeSpeedButton(frm, "SpeedButton37", tab, QRect(8, top, 160, 30), "Impression");
    auto* printPagePicture = placeControl<ui::Image>(frm, "Image85", tab, QRect(176, top, 30, 30));
    auto* page = placeControl<ui::WebBrowser>(frm, "WebBrowser10", tab, kSheetPlace);

    return {*panel,          *pages,           *sheetTab,        search.search,       *search.find,
            *search.cancel,  *columns.edit,    *columnGap.edit,     *rowGap.edit,
            *columns.plus,   *columns.minus,   *columnGap.plus,  *columnGap.minus,    *rowGap.plus,
            *rowGap.minus,   *widerColumnGap5, *narrowerColumnGap5, *isbn13Labels,    *code39Labels,
            *copyLabels,     *books,           *otherMedia,      sheetOrder,          *updateSheet,
            *printSheet,     *printSheetPicture, *preview,       *help,               *sheet,
            *labelsPerPage,  *copyCodes,       pageOrder,        *updatePage,         *printPage,
            *printPagePicture, *page};
}

LabelOrder chosenOrder(const OrderButtons& buttons)
{
    const LabelOrder orders[] = {LabelOrder::Title, LabelOrder::StoragePlace, LabelOrder::Isbn13, LabelOrder::Entry};
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->checked())
            return orders[i];
    }
    return LabelOrder::Title;
}

}  // namespace labels
