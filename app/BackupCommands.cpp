#include "app/BackupCommands.h"

#include "app/DailyCopy.h"
#include "app/FrmPrin.h"
#include "platform/files/ShownPath.h"
#include "platform/ui/Application.h"
#include "platform/ui/DialogService.h"

namespace app {

BackupCommands::BackupCommands(TFrmPrin& frm) : m_frm(frm), m_form3(frm)
{
    frm.handlers.bind(QStringLiteral("Restaurerinfos1Click"), [this] { Restaurerinfos1Click(); });
    frm.handlers.bind(QStringLiteral("Restauration1Click"), [this] { Restauration1Click(); });
    frm.handlers.bind(QStringLiteral("Sauvegarde1Click"), [this] { Sauvegarde1Click(); });
}

void BackupCommands::Restaurerinfos1Click() { m_form3.showModal(); }

void BackupCommands::Restauration1Click()
{
    m_frm.ShowMessageEntry(145);
    const std::optional<QString> folder = chooseFolder(148);
    if (!folder)
        return;
    closeTables();
    if (m_frm.CopyFolder(*folder + QStringLiteral("\\livres"), m_frm.AppDir))
        m_frm.ShowMessageEntry(146);
    else
        m_frm.ShowMessageEntry(147);
}

void BackupCommands::Sauvegarde1Click()
{
    ui::Application& application = m_frm.application();
    if (application.messageBox(m_frm.tables.message(155), m_frm.tables.message(156), ui::MessageButtons::OkCancel,
                               ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        m_frm.ShowMessageEntry(157);
        return;
    }
    const std::optional<QString> folder = chooseFolder(154);
    if (!folder)
        return;
    closeTables();
    QString target = *folder + QStringLiteral("\\test1.bib");
    while (target.contains(QStringLiteral("\\\\")))
        target.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    if (!copyOpenDatabase(m_frm.db.ADOConnection1, target)) {
        application.showMessage(QStringLiteral("La copie de la base n'a pas pu être faite : ") + files::shownPath(target));
        return;
    }
    application.showMessage(files::shownPath(m_frm.AppDir + QStringLiteral("Test1.bib")));
    application.showMessage(files::shownPath(target));
}

std::optional<QString> BackupCommands::chooseFolder(int titleEntry)
{
    return m_frm.application().dialogs().browseFolder({m_frm.tables.message(titleEntry), QString()});
}

void BackupCommands::closeTables()
{
    m_frm.db.ADOTable1.close();
    m_frm.db.ars.close();
    m_frm.db.ars.clearSql();
}

}  // namespace app
