#include "web/sharedbase/SharedBaseHost.h"

#include "app/FrmPrin.h"
#include "catalogue/BookCodes.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "platform/net/Error.h"
#include "web/sharedbase/SharedBookRecord.h"

namespace sharedbase {

bool SharedBaseHost::connect()
{
    const app::MakerHost& maker = m_frm.settings.maker;
    net::FtpClient& ftp = m_frm.IdFTP1;
    m_knownFolders.clear();
    try {
        ftp.disconnect();
        ftp.connect({maker.ftpHost, maker.ftpPort, maker.ftpUser, maker.ftpPassword, true});
        return true;
    } catch (const net::Error&) {
        ftp.disconnect();
        return false;
    }
}

void SharedBaseHost::disconnect()
{
    m_knownFolders.clear();
    m_frm.IdFTP1.disconnect();
}

bool SharedBaseHost::reachable()
{
    const bool reached = connect();
    disconnect();
    return reached;
}

bool SharedBaseHost::RemoteFileExists(const QString& remotePath)
{
    if (!m_frm.IdFTP1.isConnected() && !connect())
        return false;
    try {
        return m_frm.IdFTP1.size(remotePath) != -1;
    } catch (const net::Error&) {
        return false;
    }
}

void SharedBaseHost::ChangeOrMakeRemoteDir(const QString& folder)
{
    net::FtpClient& ftp = m_frm.IdFTP1;
    if (m_knownFolders.contains(folder))
        return;
    try {
        ftp.changeDir(folder);
        m_knownFolders.insert(folder);
        return;
    } catch (const net::Error&) {
    }
    // Each level in turn: an existing one is entered, a missing one made.
    for (int slash = int(folder.indexOf(u'/', 1)); slash > 0; slash = int(folder.indexOf(u'/', slash + 1))) {
        const QString prefix = folder.left(slash + 1);
        try {
            ftp.changeDir(prefix);
        } catch (const net::Error&) {
            ftp.makeDir(prefix);
            ftp.changeDir(prefix);
        }
    }
    m_knownFolders.insert(folder);
}

void SharedBaseHost::upload(const QString& localPath, const QString& remotePath)
{
    ChangeOrMakeRemoteDir(remotePath.left(remotePath.lastIndexOf(u'/') + 1));
    m_frm.IdFTP1.put(files::nativePath(localPath), remotePath);
}

void SharedBaseHost::download(const QString& remotePath, const QString& localPath, qint64 maxBytes)
{
    m_frm.IdFTP1.get(remotePath, files::nativePath(localPath), maxBytes);
}

void SharedBaseHost::UploadCoverToSharedBase(const QString& code)
{
    if (!m_frm.settings.ftpbool)
        return;
    QString name = code;
    if (name.contains(QLatin1String(".jpg")))
        name.chop(4);
    name += QStringLiteral(".jpg");
    const QString local = m_frm.AppDir + catalogue::kCoversFolder + name;
    if (!isSafeRemoteName(name) || !files::fileExists(local) || !connect())
        return;
    try {
        upload(local, QStringLiteral("/livres/alpha/") + name);
    } catch (const net::Error&) {
    }
    disconnect();
}

}  // namespace sharedbase
