#pragma once
// FTP client on the one program thread (see Waiting), used the way the program's screens
// use theirs: connect with an account, move between remote folders, make folders, ask
// sizes, send and fetch files, disconnect. The login is kept between operations.
//
// Remote paths are "/"-separated, absolute or relative to the current folder, which starts
// at the account's home folder; ".." above the root stays at the root, as on the servers.
// The client works them out itself and names every file by its full path, so the server's
// own idea of the current folder never matters.
#include "platform/net/Waiting.h"

#include <QByteArrayList>
#include <QString>
#include <memory>

namespace net {

class CurlSession;

struct FtpAccount {
    QString host;  // empty: the client cannot connect
    int port = 21;
    QString user;
    QString password;
    bool passive = true;
};

class FtpClient {
public:
    explicit FtpClient(Waiting waiting);
    ~FtpClient();

    // Logs in, closing an open connection first. Throws Error (no host, unknown host,
    // refused, login denied, no answer) and then stays disconnected.
    void connect(const FtpAccount& account);
    bool isConnected() const;
    // Ends the session with the server; nothing happens when not connected.
    void disconnect();

    QString currentDir() const;
    // Throws Error when the folder cannot be entered; the current folder is then unchanged.
    void changeDir(const QString& path);
    void makeDir(const QString& path);
    // The size the server reports, -1 when it reports none (missing file, refused).
    qint64 size(const QString& path);
    // Replaces the remote file.
    void put(const QString& localPath, const QString& remotePath);
    // Replaces the local file (a native path) once the whole file has arrived; a file larger
    // than maxBytes is not fetched (an Error).
    void get(const QString& remotePath, const QString& localPath, qint64 maxBytes);

private:
    void requireConnection(const QString& what) const;
    QString absolute(const QString& path) const;
    QByteArray urlOf(const QString& absolutePath) const;
    QByteArrayList sendCommands(const QByteArrayList& commands, const QString& what);
    // Runs the prepared request and returns the server's replies.
    QByteArrayList run(const QString& what);

    std::unique_ptr<CurlSession> session_;
    FtpAccount account_;
    QString server_;  // "ftp://host:port"
    QString currentDir_;
    bool connected_ = false;
};

}  // namespace net
