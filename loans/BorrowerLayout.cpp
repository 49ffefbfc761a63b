#include "loans/BorrowerLayout.h"

#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/DBControls.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

#include <functional>
#include <iterator>
#include <span>
#include <vector>

namespace loans {

namespace {

using ui::placeControl;
using NavButton = ui::DBNavigator::Button;

struct BorrowerField {
    const char* label;
    const char* control;
    const char* caption;
    const char* field = "";  // the column of a data-aware field
};

// Each field with its caption at its left, one row every 28 pixels from `top`.
template <class T>
void placeRows(app::TFrmPrin& frm, ui::WinControl* parent, std::span<const BorrowerField> fields, int left, int top,
               int width, const std::function<void(T*, const BorrowerField&)>& each = {})
{
    for (const BorrowerField& f : fields) {
        placeControl<ui::Label>(frm, f.label, parent, QRect(left, top + 3, 88, 16), QString::fromUtf8(f.caption));
        T* control = placeControl<T>(frm, f.control, parent, QRect(left + 92, top, width, 22));
        if (each)
            each(control, f);
        top += 28;
    }
}

// The photo services' icons, drawn here: no picture files come with them. A camera, or a webcam
// on its stand.
ui::PicturePtr photoServicePicture(bool webcam)
{
    constexpr int kSize = 48;
    constexpr quint32 kBody = 0xFF404850;
    constexpr quint32 kLens = 0xFF7FB2E5;
    std::vector<quint32> pixels(size_t(kSize * kSize), 0x00000000);
    auto inDisc = [](int x, int y, int cx, int cy, int r) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            quint32 colour = 0;
            if (webcam) {
                if (inDisc(x, y, 24, 20, 16))
                    colour = inDisc(x, y, 24, 20, 7) ? kLens : kBody;
                else if ((x >= 22 && x < 26 && y > 36 && y < 42) || (x >= 12 && x < 36 && y >= 42 && y < 46))
                    colour = kBody;
            } else {
                if (inDisc(x, y, 24, 26, 9))
                    colour = kLens;
                else if ((x >= 4 && x < 44 && y >= 14 && y < 40) || (x >= 16 && x < 28 && y >= 9 && y < 14))
                    colour = kBody;
            }
            pixels[size_t(y * kSize + x)] = colour;
        }
    }
    return std::make_shared<ui::Picture>(kSize, kSize, std::move(pixels));
}

void buildEntryFields(app::TFrmPrin& frm, ui::Panel* screen)
{
    const BorrowerField fields[] = {
        {"LabelEdit9", "Edit9", "NOM"},      {"LabelEdit11", "Edit11", "Prénom"}, {"LabelEdit13", "Edit13", "Classe"},
        {"LabelEdit105", "Edit105", "Ecole"}, {"LabelEdit106", "Edit106", "Mail"},
    };
    placeRows<ui::Edit>(frm, screen, fields, 16, 56, 230);
    const int top = 56 + 28 * int(std::size(fields));
    auto* optional = placeControl<ui::GroupBox>(frm, "GroupBox2", screen, QRect(16, top + 6, 330, 172),
                                                QStringLiteral("Optionnel"));
    const BorrowerField optionalFields[] = {
        {"LabelEdit141", "Edit141", "Adresse"}, {"LabelEdit142", "Edit142", "Ville"},
        {"LabelEdit143", "Edit143", "Pays"},    {"LabelEdit144", "Edit144", "Année"},
        {"LabelEdit145", "Edit145", "Cotisation"},
    };
    placeRows<ui::Edit>(frm, optional, optionalFields, 8, 24, 218);
    frm.get<ui::Edit>(QStringLiteral("Edit145")).setText(QStringLiteral("0"));
    placeControl<ui::Button>(frm, "Button4", screen, QRect(108, top + 190, 140, 32), QStringLiteral("Ajouter"));
}

void buildCurrentBorrower(app::TFrmPrin& frm, ui::Panel* screen)
{
    const BorrowerField fields[] = {
        {"LabelDBEdit25", "DBEdit25", "N° Emprunteur", "NumEmprunteur"},
        {"LabelDBEdit22", "DBEdit22", "Nom", "EmpNom"},
        {"LabelDBEdit23", "DBEdit23", "Prénom", "EmpPrenom"},
        {"LabelDBEdit24", "DBEdit24", "Classe", "Classe"},
        {"LabelDBEdit40", "DBEdit40", "Ecole", "Etablissement"},
        {"LabelDBEdit41", "DBEdit41", "Mail", "Mail"},
    };
    placeRows<ui::DBEdit>(frm, screen, fields, 372, 56, 240, [&frm](ui::DBEdit* edit, const BorrowerField& f) {
        edit->setDataSource(&frm.db.DataSource3);
        edit->setDataField(QString::fromLatin1(f.field));
    });
    const int top = 56 + 28 * int(std::size(fields));
    auto* prior = placeControl<ui::Button>(frm, "Button15", screen, QRect(464, top + 8, 44, 30), QStringLiteral("<"));
    prior->setHint(QStringLiteral("Affiche l'emprunteur précédent"));
    prior->setShowHint(true);
    auto* next = placeControl<ui::Button>(frm, "Button16", screen, QRect(514, top + 8, 44, 30), QStringLiteral(">"));
    next->setHint(QStringLiteral("Affiche l'emprunteur suivant"));
    next->setShowHint(true);
    auto* navigator = placeControl<ui::DBNavigator>(frm, "DBNavigator3", screen, QRect(372, top + 48, 332, 30));
    navigator->setDataSource(&frm.db.DataSource3);
    navigator->setVisibleButtons({NavButton::First, NavButton::Last, NavButton::Insert, NavButton::Delete,
                                  NavButton::Edit, NavButton::Post, NavButton::Cancel, NavButton::Refresh});
}

void buildPhoto(app::TFrmPrin& frm, ui::Panel* screen)
{
    placeControl<ui::Image>(frm, "Image11", screen, QRect(740, 56, 300, 230))->setStretch(true);
    const std::pair<const char*, const char*> icons[] = {{"Image10", "Prendre une photo"},
                                                         {"Image9", "Choisir la webcam"}};
    int left = 740;
    for (const auto& [name, caption] : icons) {
        auto* icon = placeControl<ui::Image>(frm, name, screen, QRect(left + 46, 296, 48, 48));
        icon->setPicture(photoServicePicture(QLatin1String(name) == QLatin1String("Image9")));
        icon->setHint(QString::fromUtf8(caption));
        icon->setShowHint(true);
        const QByteArray label = QByteArray("Label") + name;
        placeControl<ui::Label>(frm, label.constData(), screen, QRect(left + 20, 346, 120, 16), QString::fromUtf8(caption));
        left += 160;
    }
    placeControl<ui::Button>(frm, "Button80", screen, QRect(740, 370, 300, 28),
                             QStringLiteral("Ou choisir une image déjà enregistrée"));
    placeControl<ui::Button>(frm, "Button79", screen, QRect(740, 404, 300, 28),
                             QStringLiteral("Lancer un choix automatique d'image"));
}

}  // namespace

BorrowerControls buildBorrowerScreen(app::TFrmPrin& frm)
{
    auto& screen = frm.get<ui::Panel>(QStringLiteral("Panel2"));
    auto* title = placeControl<ui::Label>(frm, "LabelPanel2", &screen, QRect(16, 10, 400, 30),
                                          QStringLiteral(" Menu emprunteurs "));
    title->setFont(ui::Font{QStringLiteral("MS Sans Serif"), 18, ui::colors::navy, true});
    buildEntryFields(frm, &screen);
    buildCurrentBorrower(frm, &screen);
    buildPhoto(frm, &screen);
    auto* grid = placeControl<ui::DBGrid>(frm, "DBGrid3", &screen, QRect(16, 448, 1040, 290));
    grid->setDataSource(&frm.db.DataSource3);
    auto* progress = placeControl<ui::Gauge>(frm, "Gauge4", &screen, QRect(16, 746, 1040, 20));
    progress->hide();
    const auto edit = [&frm](const char* name) -> ui::Edit& { return frm.get<ui::Edit>(QString::fromLatin1(name)); };
    const auto dbEdit = [&frm](const char* name) -> ui::DBEdit& { return frm.get<ui::DBEdit>(QString::fromLatin1(name)); };
    const auto button = [&frm](const char* name) -> ui::Button& { return frm.get<ui::Button>(QString::fromLatin1(name)); };
    const auto image = [&frm](const char* name) -> ui::Image& { return frm.get<ui::Image>(QString::fromLatin1(name)); };
    return BorrowerControls{
        .screen = screen,
        .surname = edit("Edit9"),
        .firstName = edit("Edit11"),
        .className = edit("Edit13"),
        .school = edit("Edit105"),
        .mail = edit("Edit106"),
        .address = edit("Edit141"),
        .town = edit("Edit142"),
        .country = edit("Edit143"),
        .year = edit("Edit144"),
        .fee = edit("Edit145"),
        .add = button("Button4"),
        .currentNumber = dbEdit("DBEdit25"),
        .currentSurname = dbEdit("DBEdit22"),
        .currentFirstName = dbEdit("DBEdit23"),
        .previous = button("Button15"),
        .next = button("Button16"),
        .navigator = frm.get<ui::DBNavigator>(QStringLiteral("DBNavigator3")),
        .photo = image("Image11"),
        .takePhoto = image("Image10"),
        .chooseWebcam = image("Image9"),
        .choosePicture = button("Button80"),
        .pickPicture = button("Button79"),
        .grid = *grid,
        .progress = *progress,
    };
}

}  // namespace loans
