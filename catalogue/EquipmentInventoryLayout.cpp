#include "catalogue/EquipmentInventoryLayout.h"

#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace catalogue {

using ui::placeControl;

namespace {

using NavButton = ui::DBNavigator::Button;

struct RegisterField {
    const char* label;
    const char* edit;
    const char* caption;
    const char* field;
};

// In the order of the register's columns; the check box of "Empruntable" sits after the photo.
const RegisterField kFields[] = {
    {"Label19", "DBEdit5", "N°", "N°"},
    {"Label17", "DBEdit6", "Type", "Type"},
    {"Label21", "DBEdit7", "Genre", "Genre"},
    {"Label22", "DBEdit8", "Nom", "Nom"},
    {"Label23", "DBEdit9", "Nombre", "Nombre"},
    {"Label24", "DBEdit10", "Lieu d'usage", "Lieu"},
    {"Label34", "DBEdit11", "Fichier Photo", "FichierPhoto"},
    {"Label35", "DBEdit12", "CodeBarre", "CodeBarre"},
    {"Label36", "DBEdit13", "Remarques", "Remarques"},
    {"Label37", "DBEdit14", "Date Emprunt", "DateEmprunt"},
    {"Label38", "DBEdit15", "Date Retour Envisagee", "DateRetourEnvisagee"},
    {"Label39", "DBEdit16", "Emprunteur", "Emprunteur"},
    {"Label40", "DBEdit17", "DateCreation", "DateCreation"},
    {"Label41", "DBEdit18", "Prix", "Prix"},
    {"Label42", "DBEdit19", "Proprietaire", "Proprietaire"},
    {"Label43", "DBEdit20", "Entretien", "Entretien"},
    {"Label44", "DBEdit21", "Descripteurs", "Descripteurs"},
};

void buildRecordPage(app::TFrmPrin& frm, ui::TabSheet* page)
{
    db::DataSource* objects = &frm.db.DataSource2;
    auto* title = placeControl<ui::Label>(frm, "Label115", page, QRect(16, 8, 300, 30), QStringLiteral(" Inventaire "));
    title->setFont(ui::Font{QStringLiteral("MS Sans Serif"), 18, ui::colors::navy, true});
    int top = 48;
    for (const RegisterField& f : kFields) {
        placeControl<ui::Label>(frm, f.label, page, QRect(16, top + 3, 150, 16), QString::fromUtf8(f.caption));
        auto* edit = placeControl<ui::DBEdit>(frm, f.edit, page, QRect(170, top, 400, 22));
        edit->setDataSource(objects);
        edit->setDataField(QString::fromUtf8(f.field));
        top += 28;
        if (QLatin1String(f.edit) == QLatin1String("DBEdit11")) {
            auto* lendable = placeControl<ui::DBCheckBox>(frm, "DBCheckBox2", page, QRect(170, top, 200, 20),
                                                   QStringLiteral("Empruntable"));
            lendable->setDataSource(objects);
            lendable->setDataField(QStringLiteral("Empruntable"));
            top += 28;
        }
    }
    auto* navigator = placeControl<ui::DBNavigator>(frm, "DBNavigator2", page, QRect(16, top + 12, 320, 30));
    navigator->setDataSource(objects);
    navigator->setVisibleButtons({NavButton::First, NavButton::Last, NavButton::Insert, NavButton::Delete,
                                  NavButton::Edit, NavButton::Post, NavButton::Cancel, NavButton::Refresh});
    placeControl<ui::Button>(frm, "Button6", page, QRect(350, top + 12, 40, 30), QStringLiteral("<"));
    placeControl<ui::Button>(frm, "Button5", page, QRect(400, top + 12, 40, 30), QStringLiteral(">"));
    placeControl<ui::Image>(frm, "Image1", page, QRect(600, 48, 380, 480))->setStretch(true);
}

void buildTablePage(app::TFrmPrin& frm, ui::TabSheet* page)
{
    QStringList columns;
    for (const RegisterField& f : kFields) {
        columns << QString::fromUtf8(f.field);
        if (QLatin1String(f.field) == QLatin1String("FichierPhoto"))
            columns << QStringLiteral("Empruntable");
    }
    auto* grid = placeControl<ui::DBGrid>(frm, "StringGrid2", page, QRect(8, 8, 984, 640));
    grid->setDataSource(&frm.db.DataSource2);
    grid->setColumns(columns);
    auto* lendable = placeControl<ui::DBCheckBox>(frm, "DBCheckBox6", page, QRect(8, 660, 200, 20), QStringLiteral("Empruntable"));
    lendable->setDataSource(&frm.db.DataSource2);
    lendable->setDataField(QStringLiteral("Empruntable"));
}

}  // namespace

EquipmentInventoryControls buildEquipmentInventoryControls(app::TFrmPrin& frm)
{
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel3"));
    auto* pages = placeControl<ui::PageControl>(frm, "PageControl2", screen, QRect(8, 24, 1008, 720));
    auto* table = placeControl<ui::TabSheet>(frm, "TabSheet3", pages, {}, QStringLiteral("Tableau"));
    auto* record = placeControl<ui::TabSheet>(frm, "TabSheet4", pages, {}, QStringLiteral("Enregistrement"));
    pages->setActivePage(record);
    buildTablePage(frm, table);
    buildRecordPage(frm, record);
    return EquipmentInventoryControls{
        .screen = *screen,
        .photoName = frm.get<ui::DBEdit>(QStringLiteral("DBEdit11")),
        .previous = frm.get<ui::Button>(QStringLiteral("Button6")),
        .next = frm.get<ui::Button>(QStringLiteral("Button5")),
        .photo = frm.get<ui::Image>(QStringLiteral("Image1")),
    };
}

}  // namespace catalogue
