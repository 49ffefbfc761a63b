#include "pupils/PupilsLayout.h"

#include "app/FrmPrin.h"
#include "catalogue/ControlPlacement.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace pupils {

namespace {

using catalogue::placeControl;

ui::Label* title(app::TFrmPrin& frm, const char* name, ui::WinControl* parent, const QString& caption)
{
    auto* label = placeControl<ui::Label>(frm, name, parent, QRect(16, 8, 400, 30), caption);
    label->setFont(ui::Font{QStringLiteral("MS Sans Serif"), 18, ui::colors::navy, true});
    return label;
}

// A field with its label above it.
template <class T>
T* labelled(app::TFrmPrin& frm, const char* label, const char* field, ui::WinControl* parent, int left, int top,
            int width, const QString& caption, const QString& text = {}, int labelWidth = 0)
{
    placeControl<ui::Label>(frm, label, parent, QRect(left, top, labelWidth > 0 ? labelWidth : width + 60, 16), caption);
    return placeControl<T>(frm, field, parent, QRect(left, top + 18, width, 22), text);
}

}  // namespace

void buildPupilImportControls(app::TFrmPrin& frm)
{
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel1"));
    title(frm, "PupilImportTitle", screen, QStringLiteral(" Importer les élèves "));
    auto* continuing = placeControl<ui::RadioButton>(frm, "RadioButton1", screen, QRect(16, 50, 420, 20),
                                                     QStringLiteral("Les N° se suivent d'une année à l'autre "));
    continuing->setChecked(true);
    placeControl<ui::RadioButton>(frm, "RadioButton2", screen, QRect(16, 76, 420, 20),
                                  QStringLiteral("Les N° redémarrent avec 1"));
    placeControl<ui::RadioButton>(frm, "RadioButton5", screen, QRect(16, 102, 460, 20),
                                  QStringLiteral("Ajouter les nouveaux et modifier les classes des anciens élèves"))
        ->setHint(QStringLiteral("Permet de ne refaire que les nouvelles cartes"));
    placeControl<ui::Button>(frm, "Button14", screen, QRect(500, 50, 300, 32),
                             QStringLiteral("Importer les élèves (CSVExtraction.csv) "));
    placeControl<ui::Button>(frm, "Button78", screen, QRect(500, 90, 300, 32),
                             QStringLiteral("Comment choisir l'importation ?"));
    placeControl<ui::WebBrowser>(frm, "WebBrowser2", screen, QRect(16, 136, 900, 552));
}

void buildBorrowerCardsControls(app::TFrmPrin& frm)
{
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel17"));
    title(frm, "BorrowerCardsTitle", screen, QStringLiteral(" Cartes emprunteur "));
    placeControl<ui::Button>(frm, "Button65", screen, QRect(16, 48, 300, 30), QStringLiteral("Afficher les cartes emprunteur"))
        ->setHint(QStringLiteral("Afficher les cartes de la classe sélectionnée"));
    placeControl<ui::Button>(frm, "BitBtn9", screen, QRect(16, 84, 300, 30),
                             QStringLiteral("Afficher que les nouvelles cartes emprunteur"))
        ->setHint(QStringLiteral("Pour préparer uniquement les nouvelles cartes de l'année"));
    labelled<ui::ComboBox>(frm, "Label_ComboBox8", "ComboBox8", screen, 16, 124, 200, QStringLiteral("Classe"))
        ->setHint(QStringLiteral("Choisir la classe"));
    labelled<ui::Edit>(frm, "Label_Edit96", "Edit96", screen, 16, 168, 200, QStringLiteral("Année scolaire"),
                       QStringLiteral("20../20.."))
        ->setHint(QStringLiteral("année scolaire obligatoire"));
    labelled<ui::Edit>(frm, "Label_Edit129", "Edit129", screen, 16, 212, 100,
                       QStringLiteral("N° Emprunteur (pour faire une seule carte)"), {}, 300);
    placeControl<ui::CheckBox>(frm, "CheckBox32", screen, QRect(16, 258, 300, 20),
                               QStringLiteral("Afficher La classe sur la carte emprunteur "))
        ->setChecked(true);
    placeControl<ui::CheckBox>(frm, "CheckBox42", screen, QRect(16, 282, 300, 20), QStringLiteral("Ordre alpha nom de famille"));
    placeControl<ui::CheckBox>(frm, "CheckBox21", screen, QRect(16, 306, 300, 20),
                               QStringLiteral("Pas de chiffres sous les codes barres"));
    labelled<ui::Edit>(frm, "Label_Edit109", "Edit109", screen, 16, 334, 60, QStringLiteral("Hauteur image"), QStringLiteral("120"));
    labelled<ui::Edit>(frm, "Label_Edit110", "Edit110", screen, 140, 334, 60, QStringLiteral("Largeur image"), QStringLiteral("100"));
    labelled<ui::Edit>(frm, "Label_Edit83", "Edit83", screen, 16, 378, 60, QStringLiteral("Nombre  cartes par page"),
                       QStringLiteral("6"), 200)
        ->setHint(QStringLiteral("Pour éviter les coupures en fin de page"));
    placeControl<ui::Image>(frm, "Image40", screen, QRect(16, 430, 48, 48))->setHint(QStringLiteral("Aperçcu avant impression"));
    placeControl<ui::Image>(frm, "Image60", screen, QRect(76, 430, 48, 48))->setHint(QStringLiteral("pour imprimer"));
    placeControl<ui::Image>(frm, "Image78", screen, QRect(136, 430, 48, 48))
        ->setHint(QStringLiteral("Pour faire des retouches dans Word"));
    placeControl<ui::WebBrowser>(frm, "WebBrowser9", screen, QRect(340, 16, 710, 716));
}

void buildLoanListsControls(app::TFrmPrin& frm)
{
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel18"));
    title(frm, "LoanListsTitle", screen, QStringLiteral(" Listes "));
    labelled<ui::ComboBox>(frm, "Label_ComboBox10", "ComboBox10", screen, 16, 44, 200, QStringLiteral("Classes"))
        ->setHint(QStringLiteral("Sélectionnez une classe pour réduire le nombre de résultats"));
    labelled<ui::Edit>(frm, "Label_Edit131", "Edit131", screen, 16, 88, 140, QStringLiteral("N° livre"));
    labelled<ui::Edit>(frm, "Label_Edit130", "Edit130", screen, 170, 88, 140, QStringLiteral("Titre livre"));
    labelled<ui::Edit>(frm, "Label_Edit117", "Edit117", screen, 16, 132, 140, QStringLiteral("N° Emprunteur"));
    placeControl<ui::Button>(frm, "BitBtn5", screen, QRect(16, 182, 300, 30), QStringLiteral("Liste des livres sortis texte"));
    placeControl<ui::Button>(frm, "BitBtn7", screen, QRect(16, 218, 300, 30),
                             QStringLiteral("Liste des retours en retard texte (mails groupés)"))
        ->setHint(QStringLiteral("Cliquez ici pour mails groupés"));
    placeControl<ui::SpeedButton>(frm, "SpeedButton56", screen, QRect(16, 254, 100, 30), QStringLiteral("0 livre"));
    placeControl<ui::Button>(frm, "Button76", screen, QRect(16, 300, 300, 30), QStringLiteral("Livres sortis + Images"));
    placeControl<ui::CheckBox>(frm, "CheckBox33", screen, QRect(16, 334, 300, 20), QStringLiteral("Mise à jour pages Web"))
        ->setHint(QStringLiteral("Vous devez donner les coordonnées dans configuration"));
    placeControl<ui::Button>(frm, "Button77", screen, QRect(16, 364, 300, 30),
                             QStringLiteral("Livres en retard + Images (mails groupés)"));
    placeControl<ui::Button>(frm, "Button29", screen, QRect(16, 400, 300, 30),
                             QStringLiteral("Envoi des mails pour retard groupé"));
    placeControl<ui::Label>(frm, "LoanListsMailLabel", screen, QRect(16, 440, 310, 16),
                            QStringLiteral("Paramètres pour votre compte email ci dessous"));
    placeControl<ui::Label>(frm, "LoanListsMailLabel2", screen, QRect(16, 456, 310, 16),
                            QStringLiteral("(à fixer dans configuration)"));
    labelled<ui::Edit>(frm, "Label_Edit21", "Edit21", screen, 16, 480, 240, QStringLiteral("Adresse mail"));
    labelled<ui::Edit>(frm, "Label_Edit22", "Edit22", screen, 16, 524, 240, QStringLiteral("Mot de passe"));
    labelled<ui::Edit>(frm, "Label_Edit150", "Edit150", screen, 16, 568, 240, QStringLiteral("Smtp"));
    placeControl<ui::Image>(frm, "Image101", screen, QRect(16, 620, 48, 48));
    placeControl<ui::WebBrowser>(frm, "WebBrowser11", screen, QRect(340, 16, 790, 734));
}

}  // namespace pupils
