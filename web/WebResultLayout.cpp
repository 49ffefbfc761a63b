#include "web/WebResultLayout.h"

#include "app/FrmPrin.h"
#include "platform/files/WindowsPath.h"
#include "platform/picture/PictureFile.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ControlPlacement.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/WebBrowser.h"

namespace web {

WebResultControls buildWebResultPanel(app::TFrmPrin& frm)
{
    auto& panel = frm.get<ui::Panel>(QStringLiteral("Panel21"));
    auto* back =
        ui::placeControl<ui::SpeedButton>(frm, "SpeedButton27", &panel, QRect(4, 3, 44, 30), QStringLiteral("<"));
    auto* forward =
        ui::placeControl<ui::SpeedButton>(frm, "SpeedButton28", &panel, QRect(51, 3, 44, 30), QStringLiteral(">"));
    auto* address = ui::placeControl<ui::Edit>(frm, "Edit99", &panel, QRect(105, 9, 533, 22));
    auto* go =
        ui::placeControl<ui::SpeedButton>(frm, "SpeedButton29", &panel, QRect(644, 7, 60, 26), QStringLiteral("Aller"));
    auto* close = ui::placeControl<ui::SpeedButton>(frm, "SpeedButton30", &panel, QRect(850, 12, 80, 26),
                                                    QStringLiteral("Fermer"));
    close->setHint(QStringLiteral("BallonHint1"));
    const std::pair<const char*, const char*> words[] = {
        {"Edit155", "Titre"}, {"Edit154", "Auteur"}, {"Edit153", "Editeur"}, {"Edit152", "Fichier image"}};
    std::array<ui::Edit*, 4> wordEdits{};
    int top = 34;
    for (int i = 0; i < int(std::size(words)); ++i) {
        const auto& [edit, caption] = words[i];
        const QByteArray label = QByteArray("Label") + edit;
        ui::placeControl<ui::Label>(frm, label.constData(), &panel, QRect(170, top + 3, 90, 16),
                                    QString::fromUtf8(caption));
        wordEdits[i] = ui::placeControl<ui::Edit>(frm, edit, &panel, QRect(266, top, 360, 22));
        top += 26;
    }
    // The page lies beside the buttons that take it into the book.
    auto* oldView = ui::placeControl<ui::WebBrowser>(frm, "WebBrowser6", &panel, QRect(-5, 145, 215, 362));
    oldView->hide();
    auto* view = ui::placeControl<ui::WebBrowser>(frm, "EdgeBrowser3", &panel, QRect(200, 142, 1056, 619));
    auto* read =
        ui::placeControl<ui::BitBtn>(frm, "BitBtn2", &panel, QRect(20, 151, 180, 30), QStringLiteral("Lire la page"));
    read->hide();
    auto* school = ui::placeControl<ui::BitBtn>(frm, "BitBtn3", &panel, QRect(9, 198, 180, 22),
                                                QStringLiteral("Ecole des loisirs"));
    school->setHint(QStringLiteral("Cette fonction est particulièrement utile aux livres 'Ecole des loisirs'"));
    school->hide();
    auto* take = ui::placeControl<ui::SpeedButton>(frm, "SpeedButton3", &panel, QRect(12, 222, 180, 26),
                                                   QStringLiteral("Prendre la page"));
    take->hide();
    auto* pageText = ui::placeControl<ui::Memo>(frm, "Memo9", &panel, QRect(1022, 155, 200, 100));
    pageText->hide();
    auto* warning = ui::placeControl<ui::Panel>(frm, "Panel22", &panel, QRect(142, 214, 423, 271));
    ui::placeControl<ui::Image>(frm, "Image104", warning, QRect(8, 8, 407, 180))
        ->setPicture(picture::loadPictureFile(
            files::nativePath(files::appDir() + QStringLiteral("Reserve\\Avertissement_connexion.png"))));
    auto* checked = ui::placeControl<ui::CheckBox>(frm, "CheckBox17", warning, QRect(16, 200, 260, 20),
                                                   QStringLiteral("Ne plus afficher cet avertissement"));
    auto* ok =
        ui::placeControl<ui::SpeedButton>(frm, "SpeedButton1", warning, QRect(300, 228, 100, 30), QStringLiteral("OK"));
    warning->hide();
    return {panel,         *back,         *forward,      *address, *go,   *close, *wordEdits[0],
            *wordEdits[1], *wordEdits[2], *wordEdits[3], *oldView, *view, *read,  *school,
            *take,         *pageText,     *warning,      *checked, *ok};
}

}  // namespace web
