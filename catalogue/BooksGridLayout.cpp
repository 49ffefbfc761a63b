#include "catalogue/BooksGridLayout.h"

#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

#include <tuple>

namespace catalogue {

using ui::placeControl;

namespace layout {

const QStringList& booksGridColumns()
{
    static const QStringList columns{
        "Titre",          "Isbn13",      "numlivre",      "LieuRangement", "Type",        "Genre",
        "Empruntable",    "Resume",      "Auteur",        "Editeur",       "Isbn10",      "MaxExemplaire",
        "NbrExemplaire",  "Images",      "Pages",         "Date_parution", "CodeBarres",  "IMP_CodeBarres",
        "EmpNom",         "EmpPrenom",   "EmpClasse",     "NumEmprunteur", "DateEmprunt", "DateRetour",
        "Photo_rangement", "Descripteur", "Proprio",      "Mot_Cle",       "NbreFoisEmprunte", "Lien_pedago",
        "Prix_Client"};
    return columns;
}

const QStringList& booksGridFieldList()
{
    static const QStringList fields{
        "",           "NumLivre",      "Titre",  "Genre",   "Isbn13",        "Isbn10",     "Auteur",
        "Editeur",    "Proprio",       "nbrExemplaire", "EmpClasse", "EmpNom", "NumEmprunteur", "DateEmprunt",
        "DateRetour", "LieuRangement", "Proprio", "Images", "IMP_CodeBarres", "Photo_rangement", "Type",
        "Mot_Cle",    "Descripteur"};
    return fields;
}

const QStringList& booksGridOperators()
{
    static const QStringList operators{"=", "<>", ">", "<", "Contient", "Commence"};
    return operators;
}

}  // namespace layout

namespace {

constexpr ui::Color kPaleYellow = ui::Color::fromBgr(0xE1FFFF);

void buildReplacePanel(app::TFrmPrin& frm, ui::WinControl* tab)
{
    auto* panel = placeControl<ui::Panel>(frm, "RelativePanel1", tab, QRect(560, 24, 410, 250));
    panel->setColor(kPaleYellow);
    panel->hide();
    placeControl<ui::Label>(frm, "ReplaceTitleLabel", panel, QRect(10, 10, 390, 18),
                            QStringLiteral("RECHERCHE / REMPLACEMENT"));
    placeControl<ui::Label>(frm, "ReplaceFieldLabel", panel, QRect(10, 43, 150, 18), QStringLiteral("Champ ?"));
    placeControl<ui::ComboBox>(frm, "ComboBox18", panel, QRect(170, 40, 230, 22))
        ->setItems(layout::booksGridFieldList());
    auto* op = placeControl<ui::ComboBox>(frm, "ComboBox20", panel, QRect(170, 70, 110, 22));
    op->setItems(layout::booksGridOperators());
    op->setText(QStringLiteral("="));
    placeControl<ui::Label>(frm, "ReplaceValueLabel", panel, QRect(10, 103, 150, 18),
                            QStringLiteral("Valeur recherchée"));
    placeControl<ui::Edit>(frm, "Edit157", panel, QRect(170, 100, 230, 22));
    placeControl<ui::Label>(frm, "ReplacementLabel", panel, QRect(10, 133, 155, 18),
                            QStringLiteral("Valeur de remplacement"));
    placeControl<ui::Edit>(frm, "Edit159", panel, QRect(170, 130, 230, 22));
    placeControl<ui::Button>(frm, "Button47", panel, QRect(10, 170, 120, 28), QStringLiteral("Chercher"));
    placeControl<ui::Button>(frm, "Button36", panel, QRect(145, 170, 120, 28), QStringLiteral("Remplacer"));
    placeControl<ui::Button>(frm, "Button98", panel, QRect(280, 170, 120, 28), QStringLiteral("Annuler"));
    placeControl<ui::Label>(frm, "Label242", panel, QRect(10, 214, 390, 18));
}

GridSearchControls searchControls(app::TFrmPrin& frm, const char* field, const char* comparison, const char* value,
                                  const char* count)
{
    return {frm.get<ui::ComboBox>(QString::fromLatin1(field)), frm.get<ui::ComboBox>(QString::fromLatin1(comparison)),
            frm.get<ui::Edit>(QString::fromLatin1(value)), frm.get<ui::Label>(QString::fromLatin1(count))};
}

}  // namespace

BooksGridControls buildBooksGridControls(app::TFrmPrin& frm, ui::TabSheet& table)
{
    ui::TabSheet* tab = &table;
    tab->setHint(QStringLiteral("Toutes les infos"));
    auto* grid = placeControl<ui::DBGrid>(frm, "DBGrid1", tab, layout::kGrid);
    grid->setDataSource(&frm.db.DataSource1);
    grid->setColumns(layout::booksGridColumns());

    using B = ui::DBNavigator::Button;
    auto* navigator = placeControl<ui::DBNavigator>(frm, "DBNavigator6", tab, QRect(4, 310, 272, 25));
    // Copies are deleted by "Effacer" only, which refuses a lent copy and writes the journal.
    navigator->setVisibleButtons({B::First, B::Prior, B::Next, B::Last, B::Edit, B::Post, B::Cancel, B::Refresh});
    navigator->setDataSource(&frm.db.DataSource1);
    auto* erase = placeControl<ui::Button>(frm, "Button59", tab, QRect(286, 308, 100, 28), QStringLiteral("Effacer"));
    erase->setHint(QStringLiteral("Opération longue sur une grande base"));
    placeControl<ui::Button>(frm, "Button89", tab, QRect(396, 308, 150, 28), QStringLiteral("Chercher/Remplacer"));
    // A thousand rows back and forward, beside the navigator.
    for (const auto& [name, left, glyph] :
         {std::tuple("SpeedButton49", 556, "◀◀◀"), std::tuple("SpeedButton48", 602, "▶▶▶")}) {
        auto* jump = placeControl<ui::SpeedButton>(frm, name, tab, QRect(left, 308, 44, 28), QString::fromUtf8(glyph));
        jump->setHint(QStringLiteral("X1000"));
        jump->setShowHint(true);
    }

    placeControl<ui::ComboBox>(frm, "ComboBox15", tab, QRect(4, 346, 150, 22))->setItems(layout::booksGridFieldList());
    auto* op = placeControl<ui::ComboBox>(frm, "ComboBox19", tab, QRect(160, 346, 90, 22));
    op->setItems({"=", "<>", "<", ">", "Contient", "Commence"});
    op->setText(QStringLiteral("= "));
    placeControl<ui::Edit>(frm, "Edit160", tab, QRect(256, 346, 180, 22));
    placeControl<ui::Button>(frm, "Button38", tab, QRect(442, 343, 180, 28), QStringLiteral("Chercher dans le champ"));
    placeControl<ui::Label>(frm, "Label245", tab, QRect(632, 349, 250, 18));

    placeControl<ui::Edit>(frm, "Edit67", tab, QRect(4, 382, 200, 24));
    auto* direct = placeControl<ui::Button>(frm, "Button96", tab, layout::kDirectAccessButton,
                                            QStringLiteral("Accés direct au N° ou ISBN / Début du titre"));
    direct->setHint(QStringLiteral("champ vide pour rétablir affichage"));
    direct->setShowHint(true);

    buildReplacePanel(frm, tab);

    auto button = [&frm](const char* name) -> ui::Button& { return frm.get<ui::Button>(QString::fromLatin1(name)); };
    return BooksGridControls{
        .grid = *grid,
        .navigator = *navigator,
        .erase = *erase,
        .openReplace = button("Button89"),
        .thousandBack = frm.get<ui::SpeedButton>(QStringLiteral("SpeedButton49")),
        .thousandForward = frm.get<ui::SpeedButton>(QStringLiteral("SpeedButton48")),
        .fieldSearch = searchControls(frm, "ComboBox15", "ComboBox19", "Edit160", "Label245"),
        .searchInField = button("Button38"),
        .directAccess = frm.get<ui::Edit>(QStringLiteral("Edit67")),
        .directAccessButton = *direct,
        .replacePanel = frm.get<ui::Panel>(QStringLiteral("RelativePanel1")),
        .replaceSearch = searchControls(frm, "ComboBox18", "ComboBox20", "Edit157", "Label242"),
        .replacement = frm.get<ui::Edit>(QStringLiteral("Edit159")),
        .search = button("Button47"),
        .replace = button("Button36"),
        .cancel = button("Button98"),
    };
}

}  // namespace catalogue
