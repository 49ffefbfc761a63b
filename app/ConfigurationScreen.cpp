#include "app/ConfigurationScreen.h"

#include "app/FrmPrin.h"
#include "app/SettingsFile.h"
#include "platform/files/FileError.h"
#include "platform/files/ShownPath.h"
#include "platform/files/WindowsPath.h"
#include "platform/shell/Shell.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Panel.h"

#include <QFile>
#include <QFileInfo>

namespace app {

ConfigurationScreen::ConfigurationScreen(TFrmPrin& frm, const ConfigurationControls& controls)
    : m_frm(frm), m_controls(controls)
{
    frm.handlers.bind(QStringLiteral("Paramtrerlelogiciel1Click"), [this] { Paramtrerlelogiciel1Click(); });
    m_controls.ok.onClick = [this] { Button63Click(); };
    m_controls.cancel.onClick = [this] { Button62Click(); };
    m_controls.listFiles.onChange = [this] { ComboBox17Change(); };
}

void ConfigurationScreen::Paramtrerlelogiciel1Click()
{
    const ConfigurationControls& c = m_controls;
    m_frm.HideAllScreens();
    c.screen.setBounds(QRect(102, 35, 861, 753));
    c.screen.show();
    const Settings& s = m_frm.settings;
    c.administratorPassword.setText(s.MDP_Administrateur);
    c.administratorConfirmation.setText(s.MDP_Administrateur);
    c.teacherPassword.setText(s.MDP_Enseignant);
    c.teacherConfirmation.setText(s.MDP_Enseignant);
    c.labelColumns.setText(QString::number(s.NbreColCB));
    c.columnSpacing.setText(QString::number(s.EspaceInterCol));
    c.lineSpacing.setText(QString::number(s.EspaceInterLigne));
    c.barcodeColour.setText(QStringLiteral("clGreen"));
    c.browserAccess.setChecked(s.AccesIE);
}

void ConfigurationScreen::Button63Click()
{
    TFrmPrin& f = m_frm;
    const ConfigurationControls& c = m_controls;

    // The flags take effect at once, whatever the passwords say.
    Settings& s = f.settings;
    s.Amazonbool = c.amazon.checked();
    s.ChasseLivrebool = c.chasseLivre.checked();
    s.bookfinderbool = c.bookFinder.checked();
    s.Qvlbool = c.sharedBase.checked();
    s.dialoguebool = c.dialogues.checked();
    s.decitrebool = c.decitre.checked();
    s.AccesIE = c.browserAccess.checked();
    s.AnimationOn = c.animation.checked();
    s.ftpbool = c.shareScannedPictures.checked();
    s.ftpboolOffAtStartup = false;
    s.ValideBool = c.automaticValidation.checked();

    if (c.administratorPassword.text() != c.administratorConfirmation.text()) {
        f.ShowMessageEntry(65);
        c.administratorPassword.setText(QString());
        c.administratorConfirmation.setText(QString());
        return;
    }
    if (c.administratorPassword.text().isEmpty()) {
        f.ShowMessageEntry(66);
        return;
    }
    if (c.teacherPassword.text() != c.teacherConfirmation.text()) {
        f.ShowMessageEntry(65);
        c.teacherPassword.setText(QString());
        c.teacherConfirmation.setText(QString());
        return;
    }
    if (c.teacherPassword.text().isEmpty())
        return;

    // Passwords, loan period and the school's accounts are stored as typed; in memory they change
    // at the next start.
    Settings stored = s;
    stored.MDP_Administrateur = c.administratorPassword.text();
    stored.MDP_Enseignant = c.teacherPassword.text();
    stored.PretDefautTexte = c.loanPeriod.text();
    stored.LienPageFTP1 = c.ftpPage.text();
    stored.HoteFTP = c.ftpHost.text();
    stored.IdentifiantFTP = c.ftpUser.text();
    stored.MDPFTP = c.ftpPassword.text();
    stored.MailQVLgmailcom = c.mailAddress.text();
    stored.MDPQVL = c.mailPassword.text();
    stored.SMTPQVL = c.smtp.text();
    SettingsFile file;
    if (!file.writeConfiguration(stored))
        throw files::FileError(QStringLiteral("Erreur d'E/S : impossible d'\u00e9crire le fichier %1").arg(files::shownPath(file.path())));
    c.screen.hide();
}

void ConfigurationScreen::Button62Click() { m_controls.screen.hide(); }

void ConfigurationScreen::ComboBox17Change()
{
    const QString item = m_controls.listFiles.text();
    if (item.isEmpty())
        return;
    const QString native = files::nativePath(m_frm.AppDir + item);
    // A list the installation does not deliver starts as a new empty file, as a text editor
    // offers; the desktop opens no file that is not there.
    if (!QFileInfo::exists(native))
        QFile(native).open(QIODevice::WriteOnly);
    m_frm.services().shell.open(native);
}

}  // namespace app
