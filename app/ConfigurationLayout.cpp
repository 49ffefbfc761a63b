#include "app/ConfigurationLayout.h"

#include "app/ConfigurationPlacement.h"
#include "app/FrmPrin.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"

namespace app {

namespace {

const QStringList kListFiles = {QStringLiteral("GENRE.TXT"),          QStringLiteral("GENRE_AUTRE_SUPPORT.TXT"),
                                QStringLiteral("TYPE.TXT"),           QStringLiteral("TYPE_AUTRE_SUPPORT.TXT"),
                                QStringLiteral("le_saviez_vous.txt"), QStringLiteral("Dewey_glossaire.csv"),
                                QStringLiteral("Editeurs_mini3.csv"), QStringLiteral("Journal.csv")};

QStringList loanPeriods()
{
    QStringList items = {QString(),           QStringLiteral("7 jours"), QStringLiteral("14 jours"),
                         QStringLiteral("01 mois"), QStringLiteral("02 mois"), QStringLiteral("03 mois"),
                         QStringLiteral("06 mois"), QStringLiteral("09 mois"), QStringLiteral("12 mois")};
    for (int i = 0; i < 7; ++i)
        items << QString();
    return items;
}

// A field with its label at its left.
ui::Edit* labelledEdit(TFrmPrin& frm, const char* label, const char* edit, ui::WinControl* screen, QPoint at,
                       int labelWidth, int editWidth, const QString& caption)
{
    placeSetupLabel(frm, label, screen, QRect(at.x(), at.y() + 3, labelWidth, 18), caption);
    return ui::placeControl<ui::Edit>(frm, edit, screen, QRect(at.x() + labelWidth + 6, at.y(), editWidth, 22));
}

// A field with its label above it.
ui::Edit* captionedEdit(TFrmPrin& frm, const char* label, const char* edit, ui::WinControl* screen, QPoint at,
                        int width, const QString& caption)
{
    placeSetupLabel(frm, label, screen, QRect(at.x(), at.y(), width, 18), caption);
    return ui::placeControl<ui::Edit>(frm, edit, screen, QRect(at.x(), at.y() + 20, width, 22));
}

ui::CheckBox* checkBox(TFrmPrin& frm, const char* name, ui::WinControl* screen, QPoint at, const QString& caption,
                       bool checked = false)
{
    auto* box = ui::placeControl<ui::CheckBox>(frm, name, screen, QRect(at, QSize(200, 20)), caption);
    box->setChecked(checked);
    return box;
}

}  // namespace

ConfigurationControls buildConfigurationControls(TFrmPrin& frm)
{
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Panel16"));

    placeSetupLabel(frm, "Label121", screen, QRect(16, 16, 400, 18), QStringLiteral("Changez le  mot de passe administrateur"));
    labelledEdit(frm, "Label118", "Edit65", screen, QPoint(16, 40), 170, 200, QStringLiteral("Nouveau mot de passe"));
    labelledEdit(frm, "Label119", "Edit66", screen, QPoint(16, 68), 170, 200, QStringLiteral("Confirmation"));
    placeSetupLabel(frm, "Label117", screen, QRect(16, 106, 400, 18), QStringLiteral("Changez le  mot de passe enseignant"));
    labelledEdit(frm, "Label124", "Edit68", screen, QPoint(16, 130), 170, 200, QStringLiteral("Nouveau mot de passe"));
    labelledEdit(frm, "Label125", "Edit69", screen, QPoint(16, 158), 170, 200, QStringLiteral("Confirmation"));

    checkBox(frm, "CheckBox7", screen, QPoint(16, 200), QStringLiteral("Effet animation  "), true)
        ->setHint(QStringLiteral("Quand l'ordinateur est lent d\u00e9cocher"));
    checkBox(frm, "CheckBox8", screen, QPoint(16, 224), QStringLiteral("Langue Auto"));
    checkBox(frm, "CheckBox36", screen, QPoint(16, 248), QStringLiteral("Validation automatique"));
    checkBox(frm, "CheckBox30", screen, QPoint(16, 272), QStringLiteral("Acc\u00e8s Internet par IE"));
    checkBox(frm, "CheckBox31", screen, QPoint(16, 296), QStringLiteral("Partager les images scann\u00e9es"), true)
        ->setWidth(260);
    labelledEdit(frm, "Label131", "Edit102", screen, QPoint(16, 328), 170, 80, QStringLiteral("Temps de latence"))
        ->setText(QStringLiteral("1000"));

    placeSetupLabel(frm, "Label139", screen, QRect(16, 366, 400, 18), QStringLiteral("Editer les fichiers texte de configuration"));
    ui::placeControl<ui::ComboBox>(frm, "ComboBox17", screen, QRect(16, 388, 300, 22))->setItems(kListFiles);
    placeSetupLabel(frm, "Label130", screen, QRect(16, 424, 300, 18), QStringLiteral(" Dur\u00e9e du pr\u00eat par d\u00e9faut "));
    auto* period = ui::placeControl<ui::ComboBox>(frm, "ComboBox9", screen, QRect(16, 446, 150, 22));
    period->setItems(loanPeriods());
    period->setText(QStringLiteral("7 jours"));

    labelledEdit(frm, "Label140", "Edit79", screen, QPoint(460, 16), 200, 60, QStringLiteral(" Nombre colonnes "));
    labelledEdit(frm, "Label143", "Edit80", screen, QPoint(460, 44), 200, 60, QStringLiteral("Espaces entre colonnes "));
    labelledEdit(frm, "Label141", "Edit81", screen, QPoint(460, 72), 200, 60, QStringLiteral(" Espace entre lignes"));
    labelledEdit(frm, "Label142", "Edit82", screen, QPoint(460, 100), 200, 120, QStringLiteral(" Couleur code barres "));

    checkBox(frm, "CheckBox18", screen, QPoint(460, 146), QStringLiteral("Amazon"));
    checkBox(frm, "CheckBox38", screen, QPoint(460, 170), QStringLiteral("QvlBase"));
    checkBox(frm, "CheckBox19", screen, QPoint(460, 194), QStringLiteral("ChasseLivre"), true);
    checkBox(frm, "CheckBox37", screen, QPoint(660, 146), QStringLiteral("Librairie Dialogues"));
    checkBox(frm, "CheckBox15", screen, QPoint(660, 170), QStringLiteral("Decitre"));
    checkBox(frm, "CheckBox20", screen, QPoint(660, 194), QStringLiteral("BookFinder"));

    captionedEdit(frm, "Label132", "Edit119", screen, QPoint(16, 496), 820,
                  QStringLiteral("Adresse de la page \u00e0 mettre \u00e0 jour  (Ex : la page des livres sortis : /Livres_Sortis.html)"));
    captionedEdit(frm, "Label133", "Edit122", screen, QPoint(16, 548), 260, QStringLiteral("H\u00f4te"));
    captionedEdit(frm, "Label134", "Edit120", screen, QPoint(296, 548), 260, QStringLiteral("Identifiant client ftp "));
    captionedEdit(frm, "Label151", "Edit121", screen, QPoint(576, 548), 260, QStringLiteral("Mot de passe  client ftp "));
    captionedEdit(frm, "Label161", "Edit23", screen, QPoint(16, 600), 260, QStringLiteral("Adresse mail (envoi mails group\u00e9s)"));
    captionedEdit(frm, "Label162", "Edit149", screen, QPoint(296, 600), 260,
                  QStringLiteral("Mot de passe mail (envoi mails group\u00e9s)"));
    captionedEdit(frm, "LabelSmtp", "Edit151", screen, QPoint(576, 600), 260, QStringLiteral("SMTP (mails group\u00e9s)"));

    ui::placeControl<ui::Button>(frm, "Button63", screen, QRect(576, 690, 120, 34), QStringLiteral("OK"));
    ui::placeControl<ui::Button>(frm, "Button62", screen, QRect(716, 690, 120, 34), QStringLiteral("Annuler"));

    auto edit = [&frm](const char* name) -> ui::Edit& { return frm.get<ui::Edit>(QString::fromLatin1(name)); };
    auto box = [&frm](const char* name) -> ui::CheckBox& { return frm.get<ui::CheckBox>(QString::fromLatin1(name)); };
    auto button = [&frm](const char* name) -> ui::Button& { return frm.get<ui::Button>(QString::fromLatin1(name)); };
    return ConfigurationControls{
        .screen = *screen,
        .administratorPassword = edit("Edit65"),
        .administratorConfirmation = edit("Edit66"),
        .teacherPassword = edit("Edit68"),
        .teacherConfirmation = edit("Edit69"),
        .animation = box("CheckBox7"),
        .automaticValidation = box("CheckBox36"),
        .browserAccess = box("CheckBox30"),
        .shareScannedPictures = box("CheckBox31"),
        .listFiles = frm.get<ui::ComboBox>(QStringLiteral("ComboBox17")),
        .loanPeriod = *period,
        .labelColumns = edit("Edit79"),
        .columnSpacing = edit("Edit80"),
        .lineSpacing = edit("Edit81"),
        .barcodeColour = edit("Edit82"),
        .amazon = box("CheckBox18"),
        .sharedBase = box("CheckBox38"),
        .chasseLivre = box("CheckBox19"),
        .dialogues = box("CheckBox37"),
        .decitre = box("CheckBox15"),
        .bookFinder = box("CheckBox20"),
        .ftpPage = edit("Edit119"),
        .ftpHost = edit("Edit122"),
        .ftpUser = edit("Edit120"),
        .ftpPassword = edit("Edit121"),
        .mailAddress = edit("Edit23"),
        .mailPassword = edit("Edit149"),
        .smtp = edit("Edit151"),
        .ok = button("Button63"),
        .cancel = button("Button62"),
    };
}

}  // namespace app
