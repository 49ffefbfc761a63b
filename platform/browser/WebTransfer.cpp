#include "platform/browser/WebTransfer.h"

#include "platform/browser/TestRouting.h"
#include "platform/net/Error.h"
#include "platform/net/ErrorTexts.h"

#include <QSaveFile>
#include <QUrl>

namespace browser {

namespace {

constexpr const char* kWebProtocols = "http,https";
constexpr long kMaxRedirects = 10;

QByteArray& userAgent()
{
    static QByteArray agent = "Mozilla/5.0 (compatible)";
    return agent;
}

// Every request of the run shares one cookie store, as the pages of one browser do.
CURLSH* sharedCookies()
{
    static CURLSH* share = [] {
        CURLSH* s = curl_share_init();
        curl_share_setopt(s, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        return s;
    }();
    return share;
}

QUrl webAddress(const QString& url)
{
    const QUrl parsed(url, QUrl::TolerantMode);
    const QString scheme = parsed.scheme().toLower();
    if (!parsed.isValid() || parsed.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        throw net::Error(net::errorTexts().notWebAddress.arg(url));
    return parsed;
}

}  // namespace

WebTransfer::WebTransfer(net::Waiting waiting) : session_(std::move(waiting)) {}

void setAgentName(const QString& name)
{
    userAgent() = "Mozilla/5.0 (compatible; " + name.toUtf8() + ')';
}

WebResponse WebTransfer::get(const QString& url, QIODevice& sink, const WebLimits& limits)
{
    const QUrl address = webAddress(url);
    const QString what = QStringLiteral("GET %1").arg(address.toDisplayString(QUrl::RemovePassword));
    CURL* easy = session_.prepare(what, address.toEncoded(), kWebProtocols);
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, kWebProtocols);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, userAgent().constData());
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(easy, CURLOPT_SHARE, sharedCookies());
    curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(limits.connect.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(limits.total.count()));
    applyTestRouting(easy);
    session_.receiveInto(sink, limits.maxBytes);
    session_.run();

    WebResponse response;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &response.status);
    const char* type = nullptr;
    if (curl_easy_getinfo(easy, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type)
        response.contentType = type;
    const char* finalUrl = nullptr;
    if (curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &finalUrl) == CURLE_OK && finalUrl)
        response.finalUrl = QString::fromUtf8(finalUrl);
    return response;
}

void WebTransfer::download(const QString& url, const QString& nativePath, const WebLimits& limits)
{
    QSaveFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly))
        throw net::Error(net::errorTexts().cannotWrite.arg(nativePath, file.errorString()));
    const WebResponse response = get(url, file, limits);
    if (response.status < 200 || response.status > 299)
        throw net::Error(
            net::errorTexts().badStatus.arg(QStringLiteral("GET ") + url, QString::number(response.status), QString()));
    if (!file.commit())
        throw net::Error(net::errorTexts().cannotWrite.arg(nativePath, file.errorString()));
}

}  // namespace browser
