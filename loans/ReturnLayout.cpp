#include "loans/ReturnLayout.h"

#include "app/FrmPrin.h"
#include "loans/VoiceCommentIcons.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace loans {

namespace {

using ui::placeControl;

// Rows 1 to 14 of the candidates panel, strip slots 1 to 4, photo slots 1 to 5.
constexpr std::array<const char*, 14> kListRows = {"Label198", "Label199", "Label200", "Label201", "Label202",
                                                   "Label203", "Label204", "Label205", "Label206", "Label217",
                                                   "Label218", "Label219", "Label220", "Label221"};
constexpr std::array<const char*, 4> kStripSlots = {"Image89", "Image92", "Image110", "Image42"};
constexpr std::array<const char*, 5> kPhotoSlots = {"Image35", "Image36", "Image38", "Image39", "Image41"};

template <class T, size_t N>
std::array<T*, N> returnControlBank(app::TFrmPrin& frm, const std::array<const char*, N>& names)
{
    std::array<T*, N> controls;
    for (size_t i = 0; i < N; ++i)
        controls[i] = &frm.get<T>(QString::fromLatin1(names[i]));
    return controls;
}

constexpr int kLabelLeft = 20;
constexpr int kFieldLeft = 120;
constexpr int kFieldWidth = 200;
constexpr int kRowHeight = 28;

ui::Edit* fieldRow(app::TFrmPrin& frm, ui::Panel* screen, const char* label, const char* edit, int top,
                   const char* caption, int width = kFieldWidth)
{
    placeControl<ui::Label>(frm, label, screen, QRect(kLabelLeft, top + 4, kFieldLeft - kLabelLeft - 4, 16),
                            QString::fromUtf8(caption));
    return placeControl<ui::Edit>(frm, edit, screen, QRect(kFieldLeft, top, width, 24));
}

void buildReturnFields(app::TFrmPrin& frm, ui::Panel* screen)
{
    int top = 110;
    fieldRow(frm, screen, "ReturnCodeLabel", "Edit48", top, "N° ISBN  ");
    ui::Font issueFont;
    issueFont.bold = true;
    issueFont.color = ui::colors::teal;
    auto* issue = placeControl<ui::Edit>(frm, "Edit101", screen, QRect(kFieldLeft + kFieldWidth + 6, top, 90, 24));
    issue->setFont(issueFont);
    issue->hide();
    fieldRow(frm, screen, "Label209", "Edit134", top += kRowHeight, "N° Inventaire", 120);
    auto* borrower = fieldRow(frm, screen, "Label91", "Edit49", top += kRowHeight, "N° Empr.", 120);
    borrower->setHint(QStringLiteral("Entrez  Le N° emprunteur seul pour connaître sa situation"));
    borrower->setShowHint(true);
    fieldRow(frm, screen, "Label92", "Edit50", top += kRowHeight, "Nom     ");
    fieldRow(frm, screen, "Label93", "Edit51", top += kRowHeight, "Prénom");
    fieldRow(frm, screen, "Label94", "Edit52", top += kRowHeight, "Classe  ");
    fieldRow(frm, screen, "Label95", "Edit53", top += kRowHeight, "Titre     ", 320);
    fieldRow(frm, screen, "Label212", "Edit135", top += kRowHeight, "Auteur   ", 320);
    fieldRow(frm, screen, "Label214", "Edit137", top += kRowHeight, "Genre  ");
    fieldRow(frm, screen, "Label216", "Edit140", top += kRowHeight, "Lieu Rangement");
    fieldRow(frm, screen, "Label207", "Edit132", top += kRowHeight, "Date retour", 120);
    placeControl<ui::Edit>(frm, "Edit54", screen, QRect(kLabelLeft, 700, 60, 24));
}

// "Chercher" covers the offsets the screen points at for it: (50,570), (70,550), (70,570) and
// (110,580); "Rangement" covers (70,670).
void buildReturnButtons(app::TFrmPrin& frm, ui::Panel* screen)
{
    placeControl<ui::Button>(frm, "Button46", screen, QRect(20, 440, 160, 60), QStringLiteral("Chercher"));
    placeControl<ui::Button>(frm, "Button49", screen, QRect(200, 440, 120, 60), QStringLiteral("Annuler"));
    auto* store = placeControl<ui::Button>(frm, "Button48", screen, QRect(20, 540, 160, 80), QStringLiteral("Rangement"));
    store->setDefault(true);
    store->hide();
    placeControl<ui::Button>(frm, "Button24", screen, QRect(200, 540, 120, 30), QStringLiteral("Image Amazon"));
    placeControl<ui::CheckBox>(frm, "CheckBox39", screen, QRect(20, 640, 300, 20),
                               QStringLiteral("Traitement par lots validation auto"));
}

void buildReturnPictures(app::TFrmPrin& frm, ui::Panel* screen)
{
    placeControl<ui::Image>(frm, "Image45", screen, returnLayout::kCover)->setStretch(true);
    placeControl<ui::Image>(frm, "Image46", screen, QRect(334, 166, 110, 140))->setStretch(true);
    placeControl<ui::Image>(frm, "Image47", screen, returnLayout::kShelfPicture)->setStretch(true);
    int left = 460;
    for (const char* slot : kStripSlots) {
        auto* image = placeControl<ui::Image>(frm, slot, screen, QRect(left, 10, 80, 100));
        image->setStretch(true);
        image->setShowHint(true);
        left += 90;
    }
    int top = 145;
    for (const char* slot : kPhotoSlots) {
        auto* image = placeControl<ui::Image>(frm, slot, screen, QRect(880, top, 100, 100));
        image->setStretch(true);
        image->setShowHint(true);
        top += 108;
    }
}

// Over the cover: the heading and 14 rows, navy and bold, one under the other.
void buildCandidatesPanel(app::TFrmPrin& frm, ui::Panel* screen)
{
    auto* panel = placeControl<ui::Panel>(frm, "Panel23", screen, QRect(462, 145, 404, 387));
    panel->setColor(ui::colors::white);
    ui::Font rowFont;
    rowFont.bold = true;
    rowFont.color = ui::colors::navy;
    auto* heading = placeControl<ui::Label>(frm, "Label197", panel, QRect(8, 6, 388, 18));
    heading->setFont(rowFont);
    int top = 30;
    for (const char* row : kListRows) {
        auto* label = placeControl<ui::Label>(frm, row, panel, QRect(8, top, 388, 18), QStringLiteral("-"));
        label->setFont(rowFont);
        top += 25;
    }
    panel->hide();
}

// Record: plain icon, its highlighted copy over it, the indicator, the stop icon; then play.
void buildVoiceIcons(app::TFrmPrin& frm, ui::Panel* screen)
{
    struct Icon {
        const char* name;
        int left;
        VoiceIcon kind;
        const char* hint;
    };
    const Icon icons[] = {
        {"Image51", 20, VoiceIcon::Record, "Enregistrer un commentaire"},
        {"Image67", 20, VoiceIcon::RecordHighlighted, "Enregistrer un commentaire"},
        {"Image68", 64, VoiceIcon::Busy, ""},
        {"Image53", 108, VoiceIcon::Stop, "Stopper l'enregistrement"},
        {"Image52", 170, VoiceIcon::Play, "Ecouter le commentaire"},
        {"Image69", 170, VoiceIcon::PlayHighlighted, "Ecouter le commentaire"},
        {"Image70", 214, VoiceIcon::Busy, ""},
        {"Image54", 258, VoiceIcon::Stop, "Arrêter l'écoute"},
    };
    for (const Icon& icon : icons) {
        auto* image = placeControl<ui::Image>(frm, icon.name, screen, QRect(icon.left, 30, 40, 40));
        image->setPicture(voiceIconPicture(icon.kind));
        image->setHint(QString::fromUtf8(icon.hint));
        image->setShowHint(*icon.hint != 0);
    }
    for (const char* hidden : {"Image67", "Image68", "Image69", "Image70"})
        frm.get<ui::Control>(QString::fromLatin1(hidden)).hide();
}

}  // namespace

ReturnControls buildReturnScreen(app::TFrmPrin& frm)
{
    auto& screen = frm.get<ui::Panel>(QStringLiteral("Panel15"));
    buildReturnFields(frm, &screen);
    buildReturnButtons(frm, &screen);
    buildReturnPictures(frm, &screen);
    buildCandidatesPanel(frm, &screen);
    buildVoiceIcons(frm, &screen);
    const auto label = [&frm](const char* name) -> ui::Label& { return frm.get<ui::Label>(QString::fromLatin1(name)); };
    const auto edit = [&frm](const char* name) -> ui::Edit& { return frm.get<ui::Edit>(QString::fromLatin1(name)); };
    const auto button = [&frm](const char* name) -> ui::Button& { return frm.get<ui::Button>(QString::fromLatin1(name)); };
    const auto image = [&frm](const char* name) -> ui::Image& { return frm.get<ui::Image>(QString::fromLatin1(name)); };
    return ReturnControls{
        .screen = screen,
        .code = edit("Edit48"),
        .issue = edit("Edit101"),
        .copyNumber = edit("Edit134"),
        .borrowerLabel = label("Label91"),
        .borrower = edit("Edit49"),
        .surnameLabel = label("Label92"),
        .surname = edit("Edit50"),
        .firstNameLabel = label("Label93"),
        .firstName = edit("Edit51"),
        .classLabel = label("Label94"),
        .className = edit("Edit52"),
        .titleLabel = label("Label95"),
        .title = edit("Edit53"),
        .authorLabel = label("Label212"),
        .author = edit("Edit135"),
        .genreLabel = label("Label214"),
        .genre = edit("Edit137"),
        .place = edit("Edit140"),
        .dueDateLabel = label("Label207"),
        .dueDate = edit("Edit132"),
        .holders = edit("Edit54"),
        .search = button("Button46"),
        .cancel = button("Button49"),
        .store = button("Button48"),
        .coverSearch = button("Button24"),
        .autoReturn = frm.get<ui::CheckBox>(QStringLiteral("CheckBox39")),
        .cover = image("Image45"),
        .photo = image("Image46"),
        .shelfPicture = image("Image47"),
        .stripCovers = returnControlBank<ui::Image>(frm, kStripSlots),
        .photoSlots = returnControlBank<ui::Image>(frm, kPhotoSlots),
        .listPanel = frm.get<ui::Panel>(QStringLiteral("Panel23")),
        .listHeading = label("Label197"),
        .listRows = returnControlBank<ui::Label>(frm, kListRows),
        .record = image("Image51"),
        .recordLit = image("Image67"),
        .recording = image("Image68"),
        .stopRecording = image("Image53"),
        .play = image("Image52"),
        .playLit = image("Image69"),
        .playing = image("Image70"),
        .stopPlaying = image("Image54"),
    };
}

}  // namespace loans
