#include "catalogue/StockTakeLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/StockTakePanel.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace catalogue {

using ui::placeControl;

namespace {

// The counters' captions have no designed names of their own.
struct CounterRow {
    const char* label;
    const char* edit;
    const char* caption;
    int width;
};

struct StepButton {
    const char* name;
    const char* caption;
    const char* hint;
};

// The steps in the order the librarian takes them; each hint says which step it is.
const StepButton kSteps[] = {
    {"SpeedButton52", "Nouvel inventaire", "1 début"},
    {"SpeedButton32", "Suspendre et continuer plus tard", "2 autant de fois qu'il le faut"},
    {"SpeedButton31", "Inventaire terminé", "3 Permet d'éditer la liste des livres manquants"},
    {"SpeedButton50", "Mettre à 0 les exemplaires absents", "4 met des 0 dans nombre d'exemplaires"},
    {"SpeedButton53", "Effacement définitif", "5 les lignes ayant 0 comme nbrexemplaire sont effacées"},
};

}  // namespace

StockTakeControls buildStockTakeControls(app::TFrmPrin& frm, ui::TabSheet& entryTab)
{
    auto* panel = placeControl<StockTakePanel>(frm, "Panel25", &entryTab, layout::kStockTakePanel);
    panel->setColor(ui::Color::System::InfoBackground);
    panel->hide();

    placeControl<ui::Label>(frm, "Label211", panel, QRect(8, 13, 170, 16), QStringLiteral("Inventaire partiel par genre "));
    // A plain box: choosing the genre of a stock-take never writes into the book shown.
    auto* genre = placeControl<ui::ComboBox>(frm, "DBComboBox1", panel, QRect(180, 10, 126, 22));

    const CounterRow counters[] = {
        {"StockTakeKindLabel", "Edit146", "Type d'inventaire", 126},
        {"StockTakeFoundLabel", "Edit147", "Nombre de livres inventoriés", 60},
        {"StockTakeMissingLabel", "Edit148", "Nombre de livres NON inventoriés", 60},
    };
    // The counters stay left of the save button's place, which the look-up clicks at when it
    // saves by itself: there the panel has nothing to click.
    int top = 40;
    for (const CounterRow& row : counters) {
        placeControl<ui::Label>(frm, row.label, panel, QRect(8, top + 3, 170, 16), QString::fromUtf8(row.caption));
        // Nothing counted yet reads as 0.
        placeControl<ui::Edit>(frm, row.edit, panel, QRect(180, top, row.width, 22),
                               QLatin1String(row.edit) == QLatin1String("Edit146") ? QString() : QStringLiteral("0"));
        top += 28;
    }
    auto* lent = placeControl<ui::CheckBox>(frm, "CheckBox41", panel, QRect(8, top + 4, 298, 20),
                                            QStringLiteral("Les livres en cours d'emprunt considérés comme existants ?"));
    lent->setChecked(true);
    // A point smaller, so that the whole question fits the panel's width.
    ui::Font small = lent->font();
    small.size = 7;
    lent->setFont(small);

    top += 38;
    std::vector<ui::SpeedButton*> steps;
    for (const StepButton& step : kSteps) {
        auto* button = placeControl<ui::SpeedButton>(frm, step.name, panel, QRect(8, top, 298, 28),
                                                     QString::fromUtf8(step.caption));
        button->setHint(QString::fromUtf8(step.hint));
        button->setShowHint(true);
        steps.push_back(button);
        top += 34;
    }
    auto counter = [&frm](const char* name) -> ui::Edit& { return frm.get<ui::Edit>(QString::fromLatin1(name)); };
    return StockTakeControls{
        .panel = *panel,
        .genre = *genre,
        .kind = counter("Edit146"),
        .foundCount = counter("Edit147"),
        .missingCount = counter("Edit148"),
        .lentCountAsThere = *lent,
        .start = *steps[0],
        .suspend = *steps[1],
        .finish = *steps[2],
        .zeroMissing = *steps[3],
        .erase = *steps[4],
    };
}

}  // namespace catalogue
