#include "platform/net/FtpClient.h"

#include "platform/net/CurlSession.h"
#include "platform/net/Error.h"
#include "platform/net/ErrorTexts.h"

#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QUrl>
#include <algorithm>

namespace net {

namespace {

constexpr const char* kFtpProtocol = "ftp";

// Folds ".", ".." and repeated separators: the result starts with "/" and has no
// trailing "/" (the root is "/").
QString normalised(const QString& path)
{
    QStringList kept;
    for (const QString& part : path.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u".")
            continue;
        if (part == u"..") {
            if (!kept.isEmpty())
                kept.removeLast();
            continue;
        }
        kept << part;
    }
    return u'/' + kept.join(u'/');
}

// A line break inside a name would end the command and start another one on the server.
bool hasControlCharacter(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

// Every request names its file by the full path and never moves the server's folder.
CURL* prepareRequest(CurlSession& session, const FtpAccount& account, const QString& what, const QByteArray& url)
{
    CURL* easy = session.prepare(what, url, kFtpProtocol);
    curl_easy_setopt(easy, CURLOPT_USERNAME, account.user.toUtf8().constData());
    curl_easy_setopt(easy, CURLOPT_PASSWORD, account.password.toUtf8().constData());
    curl_easy_setopt(easy, CURLOPT_FTPPORT, account.passive ? nullptr : "-");
    curl_easy_setopt(easy, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    return easy;
}

}  // namespace

FtpClient::FtpClient(Waiting waiting) : session_(std::make_unique<CurlSession>(std::move(waiting))) {}

FtpClient::~FtpClient() = default;

bool FtpClient::isConnected() const
{
    return connected_;
}

QString FtpClient::currentDir() const
{
    return currentDir_;
}

void FtpClient::connect(const FtpAccount& account)
{
    disconnect();
    if (account.host.isEmpty())
        throw Error(errorTexts().noFtpHost);
    const QString what = QStringLiteral("FTP connect to %1 port %2").arg(account.host).arg(account.port);
    QUrl server;
    server.setScheme(QStringLiteral("ftp"));
    server.setHost(account.host, QUrl::StrictMode);
    server.setPort(account.port);
    if (!server.isValid() || account.port < 1 || account.port > 65535)
        throw Error(errorTexts().invalidHostAndPort.arg(what));
    account_ = account;
    server_ = server.toString(QUrl::FullyEncoded);

    CURL* easy = prepareRequest(*session_, account_, what, server_.toUtf8() + '/');
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    try {
        run(what);
    } catch (const Error&) {
        session_->closeConnections();
        throw;
    }
    const char* home = nullptr;
    curl_easy_getinfo(easy, CURLINFO_FTP_ENTRY_PATH, &home);
    currentDir_ = normalised(home ? QString::fromUtf8(home) : QString());
    connected_ = true;
}

void FtpClient::disconnect()
{
    if (!connected_)
        return;
    connected_ = false;
    session_->closeConnections();
}

void FtpClient::changeDir(const QString& path)
{
    const QString target = absolute(path);
    sendCommands({"CWD " + target.toUtf8()}, QStringLiteral("FTP change folder to %1").arg(target));
    currentDir_ = target;
}

void FtpClient::makeDir(const QString& path)
{
    const QString target = absolute(path);
    sendCommands({"MKD " + target.toUtf8()}, QStringLiteral("FTP make folder %1").arg(target));
}

qint64 FtpClient::size(const QString& path)
{
    const QString target = absolute(path);
    // Servers refuse SIZE in text mode; "*" lets the request succeed when SIZE is refused.
    const QByteArrayList replies =
        sendCommands({"TYPE I", "*SIZE " + target.toUtf8()}, QStringLiteral("FTP size of %1").arg(target));
    for (auto line = replies.crbegin(); line != replies.crend(); ++line) {
        if (line->startsWith("213 ")) {
            bool ok = false;
            const qint64 size = line->mid(4).trimmed().toLongLong(&ok);
            return ok ? size : -1;
        }
    }
    return -1;
}

void FtpClient::put(const QString& localPath, const QString& remotePath)
{
    const QString target = absolute(remotePath);
    const QString what = QStringLiteral("FTP put %1 to %2").arg(localPath, target);
    requireConnection(what);
    QFile source(localPath);
    if (!source.open(QIODevice::ReadOnly))
        throw Error(errorTexts().failed.arg(what, source.errorString()));
    prepareRequest(*session_, account_, what, urlOf(target));
    session_->sendFrom(source, source.size());
    run(what);
}

void FtpClient::get(const QString& remotePath, const QString& localPath, qint64 maxBytes)
{
    const QString target = absolute(remotePath);
    const QString what = QStringLiteral("FTP get %1 to %2").arg(target, localPath);
    requireConnection(what);
    QSaveFile file(localPath);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(errorTexts().failed.arg(what, file.errorString()));
    prepareRequest(*session_, account_, what, urlOf(target));
    session_->receiveInto(file, maxBytes);
    run(what);
    if (!file.commit())
        throw Error(errorTexts().failed.arg(what, file.errorString()));
}

void FtpClient::requireConnection(const QString& what) const
{
    if (!connected_)
        throw Error(errorTexts().notConnected.arg(what));
}

QString FtpClient::absolute(const QString& path) const
{
    if (hasControlCharacter(path))
        throw Error(errorTexts().controlCharacterInName.arg(path.simplified()));
    return normalised(path.startsWith(u'/') ? path : currentDir_ + u'/' + path);
}

QByteArray FtpClient::urlOf(const QString& absolutePath) const
{
    QByteArray url = server_.toUtf8() + "/%2F";
    const QStringList parts = absolutePath.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i)
        url += (i ? "/" : "") + QUrl::toPercentEncoding(parts[i]);
    return url;
}

QByteArrayList FtpClient::sendCommands(const QByteArrayList& commands, const QString& what)
{
    requireConnection(what);
    CURL* easy = prepareRequest(*session_, account_, what, server_.toUtf8() + '/');
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    curl_slist* list = nullptr;
    for (const QByteArray& command : commands)
        list = curl_slist_append(list, command.constData());
    const auto freeList = qScopeGuard([list] { curl_slist_free_all(list); });
    curl_easy_setopt(easy, CURLOPT_QUOTE, list);
    return run(what);
}

QByteArrayList FtpClient::run(const QString& what)
{
    QByteArrayList replies;
    session_->collectReplies(replies);
    try {
        session_->run();
    } catch (const Error&) {
        // The server's own refusal ("550 No such file or directory.") says more than the library.
        const auto refusal = std::find_if(replies.crbegin(), replies.crend(), [](const QByteArray& reply) {
            return reply.startsWith('4') || reply.startsWith('5');
        });
        if (refusal == replies.crend())
            throw;
        throw Error(errorTexts().failed.arg(what, QString::fromUtf8(*refusal)));
    }
    return replies;
}

}  // namespace net
