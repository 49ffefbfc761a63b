#include "app/SchoolCoordinates.h"

#include "app/FrmPrin.h"
#include "app/SettingsFile.h"
#include "platform/files/FileError.h"
#include "platform/files/ShownPath.h"
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

SchoolCoordinates::SchoolCoordinates(TFrmPrin& frm, const SchoolCoordinatesControls& controls)
    : m_frm(frm), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("Coordonnes1Click"), [this] { Coordonnes1Click(); });
    m_controls.lookUp.onClick = [this] { Button67Click(); };
    m_controls.ok.onClick = [this] { Button69Click(); };
    m_controls.cancel.onClick = [this] { Button70Click(); };
}

void SchoolCoordinates::Coordonnes1Click()
{
    const SchoolCoordinatesControls& c = m_controls;
    m_frm.HideAllScreens();
    c.screen.setColor(ui::colors::green);
    c.screen.show();
    c.name.hide();
    c.town.hide();
    c.ok.hide();
    c.cancel.show();
    const Settings& s = m_frm.settings;
    if (s.NOM_Ecole.isEmpty())
        return;
    for (ui::Edit* field : {&c.id, &c.name, &c.town})
        field->show();
    c.id.setText(s.RNE);
    c.name.setText(s.NOM_Ecole);
    c.town.setText(s.VILLE_Ecole);
    c.mail.setText(s.MailEcole);
    c.academie.setText(s.Academie);
}

void SchoolCoordinates::Button67Click()
{
    TFrmPrin& f = m_frm;
    const SchoolCoordinatesControls& c = m_controls;
    ui::Button& ok = c.ok;
    ui::Button& cancel = c.cancel;
    ok.hide();
    cancel.hide();
    const QString id = normalised(c.id.text());
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
    c.name.show();
    c.town.show();
    c.name.setText(q.fieldByName(QStringLiteral("Nom")).asString());
    c.town.setText(q.fieldByName(QStringLiteral("Ville")).asString());
    c.mail.setText(mail);
    c.academie.setText(academieFromMail(mail));
    q.close();
    // A school the directory does not hold types its name and town itself.
    if (!found)
        f.application().showMessage(f.tables.message(70) + u'\r' + f.tables.message(71));
}

void SchoolCoordinates::Button69Click()
{
    TFrmPrin& f = m_frm;
    const SchoolCoordinatesControls& c = m_controls;
    ui::Edit& id = c.id;
    ui::Edit& name = c.name;
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
    s.VILLE_Ecole = normalised(c.town.text());
    s.MailEcole = text::Trim(c.mail.text());
    SettingsFile file;
    if (!file.writeCoordinates(s))
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible d'\u00e9crire le fichier %1").arg(files::shownPath(file.path())));
    c.screen.setColor(ui::colors::navy);
}

void SchoolCoordinates::Button70Click() { m_controls.screen.hide(); }

}  // namespace app
