#include "app/ShutDown.h"

#include "app/BackupCsvExport.h"
#include "app/DailyCopy.h"
#include "app/FrmPrin.h"
#include "app/SettingsFile.h"
#include "app/SharedBaseContribution.h"
#include "platform/db/BulkScope.h"
#include "platform/files/ShownPath.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "platform/text/DateText.h"
#include "platform/ui/Application.h"

#include <vector>

namespace app {

ShutDown::ShutDown(TFrmPrin& frm, RenumberCopies renumberCopies)
    : m_frm(frm), m_renumberCopies(std::move(renumberCopies))
{
    frm.onCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    frm.handlers.bind(QStringLiteral("Quitter1Click"), [this] { Quitter1Click(); });
    frm.handlers.bind(QStringLiteral("ToolButton9Click"), [this] { ToolButton9Click(); });
}

int ShutDown::purgeUntitledBooks(db::Query& ars)
{
    ars.close();
    ars.setSql(QStringLiteral("Select * From table1 "));
    ars.open();
    db::Field titre = ars.fieldByName(QStringLiteral("Titre"));
    std::vector<qint64> untitled;
    for (ars.first(); !ars.eof(); ars.next())
        if (titre.asString().isEmpty())
            untitled.push_back(ars.currentKey());
    db::BulkScope bulk(ars.connection());
    for (qint64 key : untitled)
        if (ars.goToKey(key))
            ars.remove();
    return int(untitled.size());
}

void ShutDown::FormCloseQuery(bool& canClose)
{
    canClose = true;
    ui::Application& application = m_frm.application();
    application.guard([this] { purgeUntitledBooks(m_frm.db.ars); });
    if (copyToday()) {
        const QString archive = dailyArchivePath(m_frm.BackupDateText);
        if (!zipFile(archive, dailyCopyPath(m_frm.BackupDateText)))
            tell(QStringLiteral("L'archive de la sauvegarde du jour n'a pas pu être faite : ") + files::shownPath(archive));
    }
    application.showMessage(QStringLiteral("Patientez pendant la sauvegarde avant fermeture"));
    m_frm.KillProcessByName(TFrmPrin::programExeName());
}

void ShutDown::Quitter1Click()
{
    copyToday();
    writeBackupCsv(m_frm.db.ars, m_frm.AppDir + QStringLiteral("Sauvegarde.csv"));
    ContributeToSharedBase(m_frm);
    if (m_renumberCopies)
        m_renumberCopies(m_frm.db.ars);
    m_frm.db.ars.close();
    m_frm.db.ars.clearSql();
    m_frm.application().showMessage(m_frm.tables.message(55) + files::shownPath(m_frm.AppDir + QStringLiteral("Sauvegarde.csv")) +
                                    QStringLiteral(" \r\n") +
                                    m_frm.tables.message(56));
    m_frm.close();
}

void ShutDown::ToolButton9Click()
{
    CloudBackup();
    SettingsFile().writeQuitValues(m_frm.settings);
    copyToday();
    ContributeToSharedBaseWithImageBank(m_frm);
    m_frm.KillProcessByName(TFrmPrin::programExeName());
}

void ShutDown::CloudBackup()
{
    ui::Application& application = m_frm.application();
    if (application.messageBox(QStringLiteral("OK ou Annuler"),
                               QStringLiteral("Sauvegarde dans les nuages de votre base de données"),
                               ui::MessageButtons::OkCancel, ui::MessageIcon::Warning) != ui::ModalResult::Ok) {
        application.showMessage(QStringLiteral("annulé"));
        return;
    }
    const QString copy = dailyFolder() + QStringLiteral("Test1.bib");
    const QString archive = dailyFolder() + QStringLiteral("Test1.zip");
    if (!copyOpenDatabase(m_frm.db.ADOConnection1, copy) || !zipFile(archive, copy)) {
        tell(QStringLiteral("La sauvegarde dans les nuages n'a pas pu être préparée : ") + files::shownPath(archive));
        return;
    }
    // The cloud copy is announced only once it is there; without sharing it is never made.
    if (!m_frm.settings.ftpbool) {
        tell(QStringLiteral("La sauvegarde dans les nuages est désactivée (partage FTP non activé). "
                            "La sauvegarde locale est faite : ") +
             files::shownPath(archive));
        return;
    }
    net::FtpClient& ftp = m_frm.IdFTP1;
    const MakerHost& maker = m_frm.settings.maker;
    try {
        ftp.disconnect();
        ftp.connect({maker.ftpHost, maker.ftpPort, maker.ftpUser, maker.ftpPassword, true});
        m_frm.settings.RNE = SettingsFile().readRne(m_frm.settings.RNE);
        ftp.put(files::nativePath(archive), QStringLiteral("../Coffre_fort/Test1") + m_frm.settings.RNE +
                                                QStringLiteral(".zip"));
        ftp.disconnect();
    } catch (const std::exception& error) {
        ftp.disconnect();
        tell(QStringLiteral("La sauvegarde dans les nuages a échoué : ") + QString::fromStdString(error.what()));
        return;
    }
    const QString today = text::shortDateText(application.clock().currentDateTime().date());
    tell(QStringLiteral("OK pour la sauvegarde nuage de : Test1_") + m_frm.settings.RNE + u'_' + today +
         QStringLiteral("_.zip"));
}

bool ShutDown::copyToday()
{
    const QString copy = dailyCopyPath(m_frm.BackupDateText);
    if (copyOpenDatabase(m_frm.db.ADOConnection1, copy))
        return true;
    tell(QStringLiteral("La copie du jour de la base n'a pas pu être faite : ") + files::shownPath(copy));
    return false;
}

void ShutDown::tell(const QString& text) { m_frm.application().showMessage(text); }

}  // namespace app
