#include "app/SchoolCoordinates.h"

#include "app/ConfigurationPlacement.h"
#include "app/SettingsFile.h"
#include "platform/files/FileError.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"

namespace app {

namespace {

constexpr int kShortestId = 8;

// Ids and names are stored in capitals (letters a to z only) without surrounding blanks.
QString normalised(const QString& typed) { return text::Trim(text::UpperCase(typed)); }

}  // namespace

SchoolCoordinates::SchoolCoordinates(TFrmPrin& frm) : m_frm(frm)
{
    auto* screen = &frm.get<ui::Panel>(QStringLiteral("Identification"));
    placeSetupLabel(frm, "Label122", screen, QRect(24, 32, 110, 18), QStringLiteral("N\u00b0 RNE"));
    placeSetupControl<ui::Edit>(frm, "Edit70", screen, QRect(140, 30, 180, 22));
    placeSetupControl<ui::Button>(frm, "Button67", screen, QRect(336, 26, 110, 30), QStringLiteral("Chercher"))
        ->setHint(QStringLiteral("Recherche les coordonn\u00e9es de votre \u00e9tablissement"));
    placeSetupLabel(frm, "Label123", screen, QRect(24, 82, 110, 18), QStringLiteral("Ecole"));
    placeSetupControl<ui::Edit>(frm, "Edit72", screen, QRect(140, 80, 306, 22));
    placeSetupLabel(frm, "Label126", screen, QRect(24, 122, 110, 18), QStringLiteral("Ville"));
    placeSetupControl<ui::Edit>(frm, "Edit73", screen, QRect(140, 120, 306, 22));
    placeSetupLabel(frm, "Mail", screen, QRect(24, 162, 110, 18), QStringLiteral("Mail"));
    placeSetupControl<ui::Edit>(frm, "Edit74", screen, QRect(140, 160, 306, 22));
    placeSetupLabel(frm, "Label129", screen, QRect(24, 202, 110, 18), QStringLiteral("Acad\u00e9mie"));
    placeSetupControl<ui::Edit>(frm, "Edit75", screen, QRect(140, 200, 80, 22));
    placeSetupControl<ui::Button>(frm, "Button69", screen, QRect(140, 300, 120, 34), QStringLiteral("OK"))
        ->setHint(QStringLiteral("Valide les coordonn\u00e9es"));
    placeSetupControl<ui::Button>(frm, "Button70", screen, QRect(280, 300, 120, 34), QStringLiteral("Annuler"));

    frm.handlers.bind(QStringLiteral("Coordonnes1Click"), [this] { Coordonnes1Click(); });
    frm.get<ui::Control>(QStringLiteral("Button67")).onClick = [this] { Button67Click(); };
    frm.get<ui::Control>(QStringLiteral("Button69")).onClick = [this] { Button69Click(); };
    frm.get<ui::Control>(QStringLiteral("Button70")).onClick = [this] { Button70Click(); };
}

void SchoolCoordinates::Coordonnes1Click()
{
    TFrmPrin& f = m_frm;
    f.HideAllScreens();
    auto& screen = f.get<ui::Control>(QStringLiteral("Identification"));
    screen.setColor(ui::colors::green);
    screen.show();
    f.get<ui::Control>(QStringLiteral("Edit72")).hide();
    f.get<ui::Control>(QStringLiteral("Edit73")).hide();
    f.get<ui::Control>(QStringLiteral("Button69")).hide();
    f.get<ui::Control>(QStringLiteral("Button70")).show();
    const Settings& s = f.settings;
    if (s.NOM_Ecole.isEmpty())
        return;
    for (const char* name : {"Edit70", "Edit72", "Edit73"})
        f.get<ui::Control>(QString::fromLatin1(name)).show();
    f.get<ui::CustomEdit>(QStringLiteral("Edit70")).setText(s.RNE);
    f.get<ui::CustomEdit>(QStringLiteral("Edit72")).setText(s.NOM_Ecole);
    f.get<ui::CustomEdit>(QStringLiteral("Edit73")).setText(s.VILLE_Ecole);
    f.get<ui::CustomEdit>(QStringLiteral("Edit74")).setText(s.MailEcole);
    f.get<ui::CustomEdit>(QStringLiteral("Edit75")).setText(s.Academie);
}

void SchoolCoordinates::Button67Click()
{
    TFrmPrin& f = m_frm;
    auto& ok = f.get<ui::Control>(QStringLiteral("Button69"));
    auto& cancel = f.get<ui::Control>(QStringLiteral("Button70"));
    ok.hide();
    cancel.hide();
    const QString id = normalised(f.get<ui::CustomEdit>(QStringLiteral("Edit70")).text());
    if (id.isEmpty())
        return;
    // Whatever the look-up gives, the screen can be validated or left afterwards.
    struct ButtonsBack {
        ui::Control& ok;
        ui::Control& cancel;
        ~ButtonsBack()
        {
            ok.show();
            cancel.show();
        }
    } buttonsBack{ok, cancel};

    db::Query& q = f.db.ars;
    q.close();
    q.setSql(QStringLiteral("SELECT * FROM identification WHERE NUMERO = ?"), {id});
    q.open();
    q.first();
    const bool found = !q.eof();
    const QString mail = q.fieldByName(QStringLiteral("F5")).asString();
    f.get<ui::Control>(QStringLiteral("Edit72")).show();
    f.get<ui::Control>(QStringLiteral("Edit73")).show();
    f.get<ui::CustomEdit>(QStringLiteral("Edit72")).setText(q.fieldByName(QStringLiteral("Nom")).asString());
    f.get<ui::CustomEdit>(QStringLiteral("Edit73")).setText(q.fieldByName(QStringLiteral("Ville")).asString());
    f.get<ui::CustomEdit>(QStringLiteral("Edit74")).setText(mail);
    f.get<ui::CustomEdit>(QStringLiteral("Edit75")).setText(academieFromMail(mail));
    q.close();
    // A school the directory does not hold types its name and town itself.
    if (!found)
        f.application().showMessage(f.tables.message(70) + u'\r' + f.tables.message(71));
}

void SchoolCoordinates::Button69Click()
{
    TFrmPrin& f = m_frm;
    auto& id = f.get<ui::CustomEdit>(QStringLiteral("Edit70"));
    auto& name = f.get<ui::CustomEdit>(QStringLiteral("Edit72"));
    if (id.text().isEmpty()) {
        id.setFocus();
        return;
    }
    if (id.text().size() < kShortestId) {
        f.ShowMessageEntry(76);
        id.setFocus();
        return;
    }
    if (name.text().isEmpty()) {
        name.setFocus();
        return;
    }
    Settings& s = f.settings;
    s.RNE = normalised(id.text());
    s.NOM_Ecole = normalised(name.text());
    s.VILLE_Ecole = normalised(f.get<ui::CustomEdit>(QStringLiteral("Edit73")).text());
    s.MailEcole = text::Trim(f.get<ui::CustomEdit>(QStringLiteral("Edit74")).text());
    SettingsFile file;
    if (!file.writeCoordinates(s))
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible d'\u00e9crire le fichier %1").arg(file.path()));
    f.get<ui::Control>(QStringLiteral("Identification")).setColor(ui::colors::navy);
}

void SchoolCoordinates::Button70Click() { m_frm.get<ui::Control>(QStringLiteral("Identification")).hide(); }

}  // namespace app
