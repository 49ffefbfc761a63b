#pragma once
// HTTP(S) GET on the one program thread (see Waiting). Any transport failure and any
// status outside 200-299 is an Error, a redirect that is not followed included.
//
// The server decides how much it sends (the program's addresses are plain http, so anyone on
// the way may answer): every call names the most it accepts, and a longer answer stops there
// and is an Error.
#include "platform/net/Waiting.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QIODevice;

namespace net {

class CurlSession;

struct HttpOptions {
    // Off by default: the version check must see the host's own answer.
    bool followRedirects = false;
};

class HttpClient {
public:
    explicit HttpClient(Waiting waiting);
    ~HttpClient();

    QByteArray get(const QString& url, qint64 maxBytes, const HttpOptions& options = {});
    // Stores the body in localPath (a native path), replacing it only once the whole
    // answer has arrived; on failure an existing file is left as it was.
    void download(const QString& url, const QString& localPath, qint64 maxBytes, const HttpOptions& options = {});

private:
    void fetch(const QString& url, QIODevice& sink, qint64 maxBytes, const HttpOptions& options);

    std::unique_ptr<CurlSession> session_;
};

}  // namespace net
