#include "catalogue/SearchScreenLayout.h"

#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace catalogue {

using ui::placeControl;

namespace {

constexpr int kRowHeight = 44;
constexpr int kTermLeft = 240;
constexpr int kTermWidth = 140;
constexpr int kAndWidth = 20;
constexpr int kButtonLeft = 715;

struct SearchRow {
    const char* label;
    const char* caption;
    std::vector<const char*> terms;
    const char* button;
    bool speedButton;
};

}  // namespace

SearchScreenControls buildSearchScreenControls(app::TFrmPrin& frm)
{
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Recherche"));
    const SearchRow rows[] = {
        {"Label97", " Recherche sur le titre  ", {"Edit55", "Edit118"}, "Button50", false},
        {"Label98", " Recherche sur les descripteurs ", {"Edit56", "Edit113", "Edit114"}, "Button51", false},
        {"Label99", " Recherche sur le résumé ", {"Edit57"}, "Button52", false},
        {"Label109", " Recherche Auteurs ", {"Edit85"}, "Button75", false},
        {"Label163", " Recherche Thèmes ", {"Edit103"}, "SpeedButton7", true},
        {"Label164", " Recherche Genre ", {"Edit104"}, "SpeedButton8", true},
    };
    int top = 24;
    int andLabel = 0;
    for (const SearchRow& row : rows) {
        placeControl<ui::Label>(frm, row.label, screen, QRect(16, top + 3, 215, 18), QString::fromUtf8(row.caption));
        if (row.terms.size() == 1) {
            // A single term gets the whole width of the row's terms.
            placeControl<ui::Edit>(frm, row.terms[0], screen,
                                   QRect(kTermLeft, top, 3 * kTermWidth + 2 * kAndWidth, 24));
        } else {
            int left = kTermLeft;
            for (size_t k = 0; k < row.terms.size(); ++k) {
                if (k > 0) {
                    const QByteArray name = "SearchAndLabel" + QByteArray::number(++andLabel);
                    placeControl<ui::Label>(frm, name.constData(), screen, QRect(left + 6, top + 3, kAndWidth - 8, 18),
                                            QStringLiteral("&&"));
                    left += kAndWidth;
                }
                placeControl<ui::Edit>(frm, row.terms[k], screen, QRect(left, top, kTermWidth, 24));
                left += kTermWidth;
            }
        }
        const QRect buttonPlace(kButtonLeft, top - 2, 100, 28);
        if (row.speedButton)
            placeControl<ui::SpeedButton>(frm, row.button, screen, buttonPlace, QStringLiteral("Chercher"));
        else
            placeControl<ui::Button>(frm, row.button, screen, buttonPlace, QStringLiteral("Chercher"));
        top += kRowHeight;
    }

    // The page settings, on the right of the rows.
    const int left = 850;
    placeControl<ui::Label>(frm, "SearchCoverWidthLabel", screen, QRect(left, 26, 70, 18), QStringLiteral("Largeur"));
    placeControl<ui::Edit>(frm, "Edit107", screen, QRect(left + 75, 24, 50, 24), QStringLiteral("80"));
    placeControl<ui::Label>(frm, "SearchCoverHeightLabel", screen, QRect(left, 58, 70, 18), QStringLiteral("Hauteur"));
    placeControl<ui::Edit>(frm, "Edit108", screen, QRect(left + 75, 56, 50, 24), QStringLiteral("120"));
    placeControl<ui::Label>(frm, "SearchAnswersPerPageLabel", screen, QRect(left, 90, 215, 18),
                            QStringLiteral("Nombre de  réponses par page"));
    placeControl<ui::Edit>(frm, "Edit86", screen, QRect(left, 112, 50, 24), QStringLiteral("4"));
    const std::pair<const char*, const char*> options[] = {
        {"CheckBox6", "Résumé ? "},
        {"CheckBox28", "Descripteurs"},
        {"CheckBox9", "Lieu de Rangement"},
        {"CheckBox10", "1 exemplaire par livre"},
    };
    int optionTop = 152;
    for (const auto& [name, caption] : options) {
        auto* box = placeControl<ui::CheckBox>(frm, name, screen, QRect(left, optionTop, 200, 20),
                                               QString::fromUtf8(caption));
        box->setChecked(true);
        optionTop += 26;
    }
    // The page of the last search, below the rows.
    placeControl<ui::WebBrowser>(frm, "WebBrowser7", screen, QRect(16, top + 8, 1040, 740 - top - 8));
    // Right of the cover sizes, clear of the page below the options.
    auto* print = placeControl<ui::Image>(frm, "Image100", screen, QRect(left + 150, 24, 48, 48));
    print->setHint(QStringLiteral("Imprimer"));
    print->setShowHint(true);

    auto edit = [&frm](const char* name) -> ui::Edit& { return frm.get<ui::Edit>(QString::fromLatin1(name)); };
    auto terms = [&rows, &edit](int row) {
        std::vector<ui::Edit*> edits;
        for (const char* name : rows[row].terms)
            edits.push_back(&edit(name));
        return edits;
    };
    auto button = [&frm](const char* name) -> ui::Button& { return frm.get<ui::Button>(QString::fromLatin1(name)); };
    auto speedButton = [&frm](const char* name) -> ui::SpeedButton& {
        return frm.get<ui::SpeedButton>(QString::fromLatin1(name));
    };
    auto box = [&frm](const char* name) -> ui::CheckBox& { return frm.get<ui::CheckBox>(QString::fromLatin1(name)); };
    return SearchScreenControls{
        .screen = *screen,
        .titleTerms = terms(0),
        .titleSearch = button("Button50"),
        .descriptorTerms = terms(1),
        .descriptorSearch = button("Button51"),
        .summaryTerms = terms(2),
        .summarySearch = button("Button52"),
        .authorTerms = terms(3),
        .authorSearch = button("Button75"),
        .themeTerms = terms(4),
        .themeSearch = speedButton("SpeedButton7"),
        .genreTerms = terms(5),
        .genreSearch = speedButton("SpeedButton8"),
        .coverWidth = edit("Edit107"),
        .coverHeight = edit("Edit108"),
        .answersPerPage = edit("Edit86"),
        .showSummary = box("CheckBox6"),
        .showDescriptors = box("CheckBox28"),
        .showPlace = box("CheckBox9"),
        .oneCopyPerBook = box("CheckBox10"),
        .page = frm.get<ui::WebBrowser>(QStringLiteral("WebBrowser7")),
        .print = *print,
    };
}

}  // namespace catalogue
