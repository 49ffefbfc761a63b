#include "pupils/PupilsLayout.h"

#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace pupils {

namespace {

using ui::placeControl;

ui::Label* title(app::TFrmPrin& frm, const char* name, ui::WinControl* parent, const QString& caption)
{
    // Left of the screens' pages, which start at 340.
    auto* label = placeControl<ui::Label>(frm, name, parent, QRect(16, 8, 310, 30), caption);
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

PupilImportControls buildPupilImportControls(app::TFrmPrin& frm)
{
    auto& screen = frm.get<ui::Panel>(QStringLiteral("Panel1"));
    title(frm, "PupilImportTitle", &screen, QStringLiteral(" Importer les élèves "));
    auto* continuing = placeControl<ui::RadioButton>(frm, "RadioButton1", &screen, QRect(16, 50, 420, 20),
                                                     QStringLiteral("Les N° se suivent d'une année à l'autre "));
    continuing->setChecked(true);
    auto* restarting = placeControl<ui::RadioButton>(frm, "RadioButton2", &screen, QRect(16, 76, 420, 20),
                                                     QStringLiteral("Les N° redémarrent avec 1"));
    auto* updating = placeControl<ui::RadioButton>(
        frm, "RadioButton5", &screen, QRect(16, 102, 460, 20),
        QStringLiteral("Ajouter les nouveaux et modifier les classes des anciens élèves"));
    updating->setHint(QStringLiteral("Permet de ne refaire que les nouvelles cartes"));
    auto* import = placeControl<ui::Button>(frm, "Button14", &screen, QRect(500, 50, 300, 32),
                                            QStringLiteral("Importer les élèves (CSVExtraction.csv) "));
    auto* help = placeControl<ui::Button>(frm, "Button78", &screen, QRect(500, 90, 300, 32),
                                          QStringLiteral("Comment choisir l'importation ?"));
    auto* page = placeControl<ui::WebBrowser>(frm, "WebBrowser2", &screen, QRect(16, 136, 900, 552));
    return {.screen = screen,
            .continuing = *continuing,
            .restarting = *restarting,
            .updating = *updating,
            .import = *import,
            .help = *help,
            .page = *page};
}

BorrowerCardsControls buildBorrowerCardsControls(app::TFrmPrin& frm)
{
    auto& screen = frm.get<ui::Panel>(QStringLiteral("Panel17"));
    title(frm, "BorrowerCardsTitle", &screen, QStringLiteral(" Cartes emprunteur "));
    auto* allCards = placeControl<ui::Button>(frm, "Button65", &screen, QRect(16, 48, 300, 30),
                                              QStringLiteral("Afficher les cartes emprunteur"));
    allCards->setHint(QStringLiteral("Afficher les cartes de la classe sélectionnée"));
    auto* newCards = placeControl<ui::Button>(frm, "BitBtn9", &screen, QRect(16, 84, 300, 30),
                                              QStringLiteral("Afficher que les nouvelles cartes emprunteur"));
    newCards->setHint(QStringLiteral("Pour préparer uniquement les nouvelles cartes de l'année"));
    auto* className = labelled<ui::ComboBox>(frm, "Label_ComboBox8", "ComboBox8", &screen, 16, 124, 200,
                                             QStringLiteral("Classe"));
    className->setHint(QStringLiteral("Choisir la classe"));
    auto* schoolYear = labelled<ui::Edit>(frm, "Label_Edit96", "Edit96", &screen, 16, 168, 200,
                                          QStringLiteral("Année scolaire"), QStringLiteral("20../20.."));
    schoolYear->setHint(QStringLiteral("année scolaire obligatoire"));
    auto* borrowerNumber = labelled<ui::Edit>(frm, "Label_Edit129", "Edit129", &screen, 16, 212, 100,
                                              QStringLiteral("N° Emprunteur (pour faire une seule carte)"), {}, 300);
    auto* showClass = placeControl<ui::CheckBox>(frm, "CheckBox32", &screen, QRect(16, 258, 300, 20),
                                                 QStringLiteral("Afficher La classe sur la carte emprunteur "));
    showClass->setChecked(true);
    auto* bySurname = placeControl<ui::CheckBox>(frm, "CheckBox42", &screen, QRect(16, 282, 300, 20),
                                                 QStringLiteral("Ordre alpha nom de famille"));
    auto* noDigits = placeControl<ui::CheckBox>(frm, "CheckBox21", &screen, QRect(16, 306, 300, 20),
                                                QStringLiteral("Pas de chiffres sous les codes barres"));
    auto* height = labelled<ui::Edit>(frm, "Label_Edit109", "Edit109", &screen, 16, 334, 60,
                                      QStringLiteral("Hauteur image"), QStringLiteral("120"));
    auto* width = labelled<ui::Edit>(frm, "Label_Edit110", "Edit110", &screen, 140, 334, 60,
                                     QStringLiteral("Largeur image"), QStringLiteral("100"));
    auto* perPage = labelled<ui::Edit>(frm, "Label_Edit83", "Edit83", &screen, 16, 378, 60,
                                       QStringLiteral("Nombre  cartes par page"), QStringLiteral("6"), 200);
    perPage->setHint(QStringLiteral("Pour éviter les coupures en fin de page"));
    auto* preview = placeControl<ui::Image>(frm, "Image40", &screen, QRect(16, 430, 48, 48));
    preview->setHint(QStringLiteral("Aperçcu avant impression"));
    auto* print = placeControl<ui::Image>(frm, "Image60", &screen, QRect(76, 430, 48, 48));
    print->setHint(QStringLiteral("pour imprimer"));
    auto* wordProcessor = placeControl<ui::Image>(frm, "Image78", &screen, QRect(136, 430, 48, 48));
    wordProcessor->setHint(QStringLiteral("Pour faire des retouches dans Word"));
    auto* page = placeControl<ui::WebBrowser>(frm, "WebBrowser9", &screen, QRect(340, 16, 710, 716));
    return {.screen = screen,
            .allCards = *allCards,
            .newCards = *newCards,
            .className = *className,
            .schoolYear = *schoolYear,
            .borrowerNumber = *borrowerNumber,
            .showClass = *showClass,
            .bySurname = *bySurname,
            .noDigits = *noDigits,
            .pictureHeight = *height,
            .pictureWidth = *width,
            .cardsPerPage = *perPage,
            .preview = *preview,
            .print = *print,
            .wordProcessor = *wordProcessor,
            .page = *page};
}

LoanListsControls buildLoanListsControls(app::TFrmPrin& frm)
{
    auto& screen = frm.get<ui::Panel>(QStringLiteral("Panel18"));
    title(frm, "LoanListsTitle", &screen, QStringLiteral(" Listes "));
    auto* className = labelled<ui::ComboBox>(frm, "Label_ComboBox10", "ComboBox10", &screen, 16, 44, 200,
                                             QStringLiteral("Classes"));
    className->setHint(QStringLiteral("Sélectionnez une classe pour réduire le nombre de résultats"));
    auto* bookNumber =
        labelled<ui::Edit>(frm, "Label_Edit131", "Edit131", &screen, 16, 88, 140, QStringLiteral("N° livre"), {}, 140);
    auto* bookTitle = labelled<ui::Edit>(frm, "Label_Edit130", "Edit130", &screen, 170, 88, 140,
                                         QStringLiteral("Titre livre"), {}, 140);
    auto* borrowerNumber = labelled<ui::Edit>(frm, "Label_Edit117", "Edit117", &screen, 16, 132, 140,
                                              QStringLiteral("N° Emprunteur"));
    auto* booksOut = placeControl<ui::Button>(frm, "BitBtn5", &screen, QRect(16, 182, 300, 30),
                                              QStringLiteral("Liste des livres sortis texte"));
    auto* overdue = placeControl<ui::Button>(frm, "BitBtn7", &screen, QRect(16, 218, 300, 30),
                                             QStringLiteral("Liste des retours en retard texte (mails groupés)"));
    overdue->setHint(QStringLiteral("Cliquez ici pour mails groupés"));
    auto* withoutLoan = placeControl<ui::SpeedButton>(frm, "SpeedButton56", &screen, QRect(16, 254, 100, 30),
                                                      QStringLiteral("0 livre"));
    auto* booksOutPictures = placeControl<ui::Button>(frm, "Button76", &screen, QRect(16, 300, 300, 30),
                                                      QStringLiteral("Livres sortis + Images"));
    auto* updateWebPage = placeControl<ui::CheckBox>(frm, "CheckBox33", &screen, QRect(16, 334, 300, 20),
                                                     QStringLiteral("Mise à jour pages Web"));
    updateWebPage->setHint(QStringLiteral("Vous devez donner les coordonnées dans configuration"));
    auto* overduePictures = placeControl<ui::Button>(frm, "Button77", &screen, QRect(16, 364, 300, 30),
                                                     QStringLiteral("Livres en retard + Images (mails groupés)"));
    auto* sendReminders = placeControl<ui::Button>(frm, "Button29", &screen, QRect(16, 400, 300, 30),
                                                   QStringLiteral("Envoi des mails pour retard groupé"));
    placeControl<ui::Label>(frm, "LoanListsMailLabel", &screen, QRect(16, 440, 310, 16),
                            QStringLiteral("Paramètres pour votre compte email ci dessous"));
    placeControl<ui::Label>(frm, "LoanListsMailLabel2", &screen, QRect(16, 456, 310, 16),
                            QStringLiteral("(à fixer dans configuration)"));
    auto* mailAddress = labelled<ui::Edit>(frm, "Label_Edit21", "Edit21", &screen, 16, 480, 240,
                                           QStringLiteral("Adresse mail"));
    auto* mailPassword = labelled<ui::Edit>(frm, "Label_Edit22", "Edit22", &screen, 16, 524, 240,
                                            QStringLiteral("Mot de passe"));
    auto* smtp = labelled<ui::Edit>(frm, "Label_Edit150", "Edit150", &screen, 16, 568, 240, QStringLiteral("Smtp"));
    auto* print = placeControl<ui::Image>(frm, "Image101", &screen, QRect(16, 620, 48, 48));
    auto* page = placeControl<ui::WebBrowser>(frm, "WebBrowser11", &screen, QRect(340, 16, 790, 734));
    return {.screen = screen,
            .className = *className,
            .bookNumber = *bookNumber,
            .bookTitle = *bookTitle,
            .borrowerNumber = *borrowerNumber,
            .booksOut = *booksOut,
            .overdue = *overdue,
            .withoutLoan = *withoutLoan,
            .booksOutPictures = *booksOutPictures,
            .updateWebPage = *updateWebPage,
            .overduePictures = *overduePictures,
            .sendReminders = *sendReminders,
            .mailAddress = *mailAddress,
            .mailPassword = *mailPassword,
            .smtp = *smtp,
            .print = *print,
            .page = *page};
}

}  // namespace pupils
