#include "loans/LoanLayout.h"

#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace loans {

namespace {

using ui::placeControl;

struct Field {
    const char* label;
    const char* caption;
    const char* edit;
    QRect place;
};

void buildLoanFields(app::TFrmPrin& frm, ui::Panel* screen)
{
    const Field fields[] = {
        {"Label81", "N° ISBN", "Edit39", QRect(212, 56, 233, 28)},
        {"Label208", "N° Inventaire", "Edit133", QRect(212, 85, 233, 28)},
        {"Label82", "Titre", "Edit40", QRect(107, 114, 338, 30)},
        {"Label213", "Auteur", "Edit136", QRect(107, 147, 338, 30)},
        {"Label128", "Genre", "Edit138", QRect(107, 182, 338, 30)},
        {"Label215", "Lieu Rangement", "Edit139", QRect(179, 216, 266, 30)},
        {"Label83", "N° Emprunteur", "Edit41", QRect(212, 260, 129, 28)},
        {"Label85", "Nom", "Edit43", QRect(108, 295, 338, 28)},
        {"Label84", "Prénom", "Edit42", QRect(108, 325, 338, 28)},
        {"Label87", "Classe", "Edit44", QRect(108, 354, 338, 28)},
    };
    ui::Font big;
    big.size = 12;
    for (const Field& f : fields) {
        // Labels of the wide fields sit at the panel's edge; the others stand clear of the
        // forgotten-number button below the borrower field.
        const int labelLeft = f.place.left() > 150 ? 40 : 10;
        placeControl<ui::Label>(frm, f.label, screen, QRect(labelLeft, f.place.top() + 2, f.place.left() - labelLeft - 4, 14),
                                QString::fromUtf8(f.caption));
        placeControl<ui::Edit>(frm, f.edit, screen, f.place)->setFont(big);
    }
    const QString codeHint = QStringLiteral("Vous pouvez aussi entrer le N° du livre");
    for (const char* name : {"Edit39", "Edit133"}) {
        auto& code = frm.get<ui::Edit>(QString::fromLatin1(name));
        code.setHint(codeHint);
        code.setShowHint(true);
    }
    auto& borrower = frm.get<ui::Edit>(QStringLiteral("Edit41"));
    borrower.setHint(QStringLiteral("Juste le N° emprunteur pour connaitre les livres en cours"));
    borrower.setShowHint(true);
    placeControl<ui::Edit>(frm, "Edit100", screen, QRect(451, 71, 54, 28))->hide();
    placeControl<ui::Edit>(frm, "Edit156", screen, QRect(344, 260, 100, 21));

    placeControl<ui::Label>(frm, "Label86", screen, QRect(460, 12, 130, 16), QStringLiteral("Nbre livres empruntés"));
    placeControl<ui::Edit>(frm, "Edit111", screen, QRect(594, 8, 40, 24));
    placeControl<ui::Label>(frm, "Label173", screen, QRect(460, 39, 130, 16), QStringLiteral("Nbre livres en retard"));
    placeControl<ui::Edit>(frm, "Edit112", screen, QRect(594, 35, 40, 24));

    placeControl<ui::Label>(frm, "Label88", screen, QRect(10, 536, 106, 16), QStringLiteral("Date de retour"));
    placeControl<ui::Edit>(frm, "Edit46", screen, QRect(120, 532, 143, 22));
    ui::Font ean;
    ean.name = QStringLiteral("Code EAN13");
    ean.size = 20;
    placeControl<ui::Edit>(frm, "Edit45", screen, QRect(501, 709, 300, 60))->setFont(ean);
    ui::Font code39;
    code39.name = QStringLiteral("C39HrP48DhTt");
    code39.size = 24;
    placeControl<ui::Edit>(frm, "Edit47", screen, QRect(180, 744, 220, 50))->setFont(code39);
}

void buildLoanButtons(app::TFrmPrin& frm, ui::Panel* screen)
{
    placeControl<ui::Button>(frm, "Button41", screen, QRect(10, 383, 167, 120), QStringLiteral("Rechercher"));
    placeControl<ui::Button>(frm, "Button40", screen, QRect(287, 380, 160, 122), QStringLiteral("Emprunter"))->hide();
    placeControl<ui::Button>(frm, "Button39", screen, QRect(198, 403, 81, 41), QStringLiteral("Annuler"));
    placeControl<ui::Button>(frm, "Button42", screen, QRect(13, 276, 145, 18), QStringLiteral("j'ai oublié mon N°"));
    placeControl<ui::Button>(frm, "Button43", screen, QRect(33, 402, 140, 60), QStringLiteral("Cherche N°"))->hide();
    placeControl<ui::Button>(frm, "Button44", screen, QRect(199, 454, 81, 41), QStringLiteral("Annuler"))->hide();
    placeControl<ui::Button>(frm, "Button45", screen, QRect(13, 509, 100, 22), QStringLiteral("Durée du prêt"));
    auto* period = placeControl<ui::ComboBox>(frm, "ComboBox7", screen, QRect(120, 509, 143, 22));
    period->setItems({"7 jours", "14 jours", "01 mois", "02 mois", "03 mois", "06 mois", "09 mois", "12 mois"});
    period->setText(QStringLiteral("7 jours"));
    period->setHint(QStringLiteral("Durée par défaut modifiable dans Outils>configuration"));
    period->setShowHint(true);
    auto* batch = placeControl<ui::CheckBox>(frm, "CheckBox16", screen, QRect(10, 563, 160, 20),
                                             QStringLiteral("Emprunts par lot"));
    batch->setHint(QStringLiteral("Si vous avez une caisse complète à enregistrer"));
    batch->setShowHint(true);
    placeControl<ui::Button>(frm, "SpeedButton42", screen, QRect(515, 74, 180, 28),
                             QStringLiteral("Historique des emprunts"));
    placeControl<ui::Button>(frm, "SpeedButton54", screen, QRect(287, 519, 160, 28),
                             QStringLiteral("Emprunt Urgence suivant"))->hide();
    placeControl<ui::Button>(frm, "SpeedButton57", screen, QRect(771, 15, 80, 28), QStringLiteral("0 livre"));
    placeControl<ui::Button>(frm, "Button11", screen, QRect(753, 775, 110, 28), QStringLiteral("Image Amazon"));
}

void buildLoanPictures(app::TFrmPrin& frm, ui::Panel* screen)
{
    placeControl<ui::Image>(frm, "Image31", screen, QRect(500, 253, 355, 444))->setStretch(true);
    placeControl<ui::Image>(frm, "Image32", screen, QRect(180, 575, 220, 165))->setStretch(true);
    placeControl<ui::Image>(frm, "Image33", screen, QRect(6, 667, 75, 60))->hide();
    placeControl<ui::Image>(frm, "Image34", screen, QRect(85, 667, 75, 60))->hide();
    int left = 468;
    for (const char* slot : {"Image105", "Image106", "Image107", "Image108"}) {
        auto* image = placeControl<ui::Image>(frm, slot, screen, QRect(left, 109, 100, 126));
        image->setStretch(true);
        image->setShowHint(true);
        left += 109;
    }
    placeControl<ui::Image>(frm, "Image109", screen, QRect(715, 254, 60, 60))->hide();
    // Voice-comment playing: "Ecouter le commentaire" and its highlighted copy, the playing mark,
    // "Arrêter l'écoute", and the comment of the book just searched.
    placeControl<ui::Image>(frm, "Image55", screen, QRect(8, 587, 75, 75))->setHint(QStringLiteral("Ecouter le commentaire"));
    placeControl<ui::Image>(frm, "Image65", screen, QRect(12, 586, 75, 75))->hide();
    placeControl<ui::Image>(frm, "Image66", screen, QRect(7, 586, 75, 75))->hide();
    placeControl<ui::Image>(frm, "Image56", screen, QRect(101, 587, 75, 75))->setHint(QStringLiteral("Arrêter l'écoute"));
    placeControl<ui::Image>(frm, "Image44", screen, QRect(14, 592, 75, 75))->hide();
}

}  // namespace

LoanControls buildLoanScreen(app::TFrmPrin& frm)
{
    auto& screen = frm.get<ui::Panel>(QStringLiteral("Panel14"));
    buildLoanFields(frm, &screen);
    buildLoanButtons(frm, &screen);
    buildLoanPictures(frm, &screen);
    const auto label = [&frm](const char* name) -> ui::Label& { return frm.get<ui::Label>(QString::fromLatin1(name)); };
    const auto edit = [&frm](const char* name) -> ui::Edit& { return frm.get<ui::Edit>(QString::fromLatin1(name)); };
    const auto button = [&frm](const char* name) -> ui::Button& { return frm.get<ui::Button>(QString::fromLatin1(name)); };
    const auto image = [&frm](const char* name) -> ui::Image& { return frm.get<ui::Image>(QString::fromLatin1(name)); };
    return LoanControls{
        .screen = screen,
        .codeLabel = label("Label81"),
        .code = edit("Edit39"),
        .copyNumber = edit("Edit133"),
        .issue = edit("Edit100"),
        .titleLabel = label("Label82"),
        .title = edit("Edit40"),
        .author = edit("Edit136"),
        .genre = edit("Edit138"),
        .place = edit("Edit139"),
        .borrowerLabel = label("Label83"),
        .borrower = edit("Edit41"),
        .batchBorrower = edit("Edit156"),
        .surname = edit("Edit43"),
        .firstName = edit("Edit42"),
        .classLabel = label("Label87"),
        .className = edit("Edit44"),
        .loanCount = edit("Edit111"),
        .overdueCount = edit("Edit112"),
        .returnDate = edit("Edit46"),
        .bookBarcode = edit("Edit45"),
        .cardBarcode = edit("Edit47"),
        .search = button("Button41"),
        .lend = button("Button40"),
        .cancel = button("Button39"),
        .forgotNumber = button("Button42"),
        .findNumber = button("Button43"),
        .cancelFind = button("Button44"),
        .applyPeriod = button("Button45"),
        .period = frm.get<ui::ComboBox>(QStringLiteral("ComboBox7")),
        .batch = frm.get<ui::CheckBox>(QStringLiteral("CheckBox16")),
        .history = button("SpeedButton42"),
        .nextEmergency = button("SpeedButton54"),
        .pupilsWithoutLoan = button("SpeedButton57"),
        .coverSearch = button("Button11"),
        .cover = image("Image31"),
        .photo = image("Image32"),
        .noPhoto = {&image("Image33"), &image("Image34")},
        .stripCovers = {&image("Image105"), &image("Image106"), &image("Image107"), &image("Image108")},
        .notLendable = image("Image109"),
        .playComment = image("Image55"),
        .playCommentLit = image("Image65"),
        .playing = image("Image66"),
        .stopPlaying = image("Image56"),
        .bookComment = image("Image44"),
    };
}

}  // namespace loans
