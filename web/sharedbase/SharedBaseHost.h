#pragma once
// The exchange with the maker's FTP host, whose account is the installation's [Hebergeur]
// settings: what the shared base's writers and readers do on the window's FTP client. Every
// operation sets the account again before it connects, since other commands use the same client
// with other accounts. Remote paths name the account's tree from its root.
#include <QSet>
#include <QString>

namespace app {
class TFrmPrin;
}

namespace sharedbase {

class SharedBaseHost {
public:
    explicit SharedBaseHost(app::TFrmPrin& frm) : m_frm(frm) {}

    // Closes an open connection and logs in; false (and disconnected) when the host cannot be
    // reached or refuses the account, an empty host included.
    bool connect();
    void disconnect();
    // Connects and disconnects again: whether the shared base can be used.
    bool reachable();

    // Whether the server reports a size for the file; connects first when needed. A host that
    // cannot be reached has no file.
    bool RemoteFileExists(const QString& remotePath);
    // Every folder of `folder` (ending with "/") exists afterwards; throws net::Error when one can
    // be neither entered nor made. A folder seen on this connection is not asked again.
    void ChangeOrMakeRemoteDir(const QString& folder);
    // Sends a local file (Windows path) to `remotePath`, making its folders; throws net::Error.
    void upload(const QString& localPath, const QString& remotePath);
    // Fetches a remote file of at most `maxBytes` into a local one; throws net::Error.
    void download(const QString& remotePath, const QString& localPath, qint64 maxBytes);

    // The cover `code` (with or without ".jpg") of the covers folder, sent to the title folder
    // of the base; only with the FTP exchange on, silently nothing when it cannot be done.
    void UploadCoverToSharedBase(const QString& code);

private:
    app::TFrmPrin& m_frm;
    QSet<QString> m_knownFolders;
};

}  // namespace sharedbase
