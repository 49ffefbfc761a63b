#pragma once
// The web requests of the page view and of picture downloads: a GET that follows redirects,
// keeps the cookies every page of the run shares, and is bounded in time and size. It waits on
// the program thread like every network request (net::Waiting).
#include "platform/net/CurlSession.h"

#include <QByteArray>
#include <QString>
#include <chrono>

class QIODevice;

namespace browser {

struct WebLimits {
    std::chrono::milliseconds connect = std::chrono::seconds(15);
    std::chrono::milliseconds total = std::chrono::seconds(30);
    qint64 maxBytes = 4 * 1024 * 1024;
};

struct WebResponse {
    long status = 0;
    // The Content-Type header as sent, empty when none came.
    QByteArray contentType;
    // The address after redirects.
    QString finalUrl;
};

// The program's name in the agent every request gives ("Mozilla/5.0 (compatible; NAME)"); without
// one the agent names none.
void setAgentName(const QString& name);

class WebTransfer {
public:
    explicit WebTransfer(net::Waiting waiting);

    // Any status counts as an answer; throws net::Error when no whole answer came (no
    // connection, a time limit, the size limit, not an http or https address).
    WebResponse get(const QString& url, QIODevice& sink, const WebLimits& limits);
    // Stores the body at nativePath only when the status is a success and the whole body came;
    // otherwise throws net::Error and leaves an existing file as it was.
    void download(const QString& url, const QString& nativePath, const WebLimits& limits);

private:
    net::CurlSession session_;
};

}  // namespace browser
