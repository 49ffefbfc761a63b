#include "platform/net/HttpClient.h"

#include "platform/net/CurlSession.h"
#include "platform/net/Error.h"
#include "platform/net/ErrorTexts.h"

#include <QBuffer>
#include <QSaveFile>
#include <QUrl>

namespace net {

namespace {

constexpr const char* kWebProtocols = "http,https";

QUrl webAddress(const QString& url)
{
    const QUrl parsed(url, QUrl::TolerantMode);
    const QString scheme = parsed.scheme().toLower();
    if (!parsed.isValid() || parsed.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        throw Error(errorTexts().notWebAddress.arg(parsed.toDisplayString(QUrl::RemovePassword)));
    return parsed;
}

}  // namespace

HttpClient::HttpClient(Waiting waiting) : session_(std::make_unique<CurlSession>(std::move(waiting))) {}

HttpClient::~HttpClient() = default;

QByteArray HttpClient::get(const QString& url, qint64 maxBytes, const HttpOptions& options)
{
    QByteArray body;
    QBuffer sink(&body);
    sink.open(QIODevice::WriteOnly);
    fetch(url, sink, maxBytes, options);
    return body;
}

void HttpClient::download(const QString& url, const QString& localPath, qint64 maxBytes, const HttpOptions& options)
{
    QSaveFile file(localPath);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(errorTexts().cannotWrite.arg(localPath, file.errorString()));
    fetch(url, file, maxBytes, options);
    if (!file.commit())
        throw Error(errorTexts().cannotWrite.arg(localPath, file.errorString()));
}

void HttpClient::fetch(const QString& url, QIODevice& sink, qint64 maxBytes, const HttpOptions& options)
{
    const QUrl address = webAddress(url);
    const QString what = QStringLiteral("GET %1").arg(address.toDisplayString(QUrl::RemovePassword));
    CURL* easy = session_->prepare(what, address.toEncoded(), kWebProtocols);
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, options.followRedirects ? 1L : 0L);
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, kWebProtocols);
    session_->receiveInto(sink, maxBytes);
    session_->run();

    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) {
        const QString redirect = status >= 300 && status <= 399 && !options.followRedirects
                                     ? errorTexts().redirectNotFollowed
                                     : QString();
        throw Error(errorTexts().badStatus.arg(what, QString::number(status), redirect));
    }
}

}  // namespace net
