#include "platform/browser/PageView.h"

#include "platform/browser/PageCharset.h"
#include "platform/browser/Texts.h"
#include "platform/net/Error.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QUrl>

namespace browser {

namespace {

enum class Kind { Html, PlainText, Other };

Kind kindOfType(const QByteArray& contentType)
{
    const QByteArray type = contentType.split(';').first().trimmed().toLower();
    // A server that names no type sends a page: the sites the readers know always do.
    if (type.isEmpty() || type == "text/html" || type == "application/xhtml+xml")
        return Kind::Html;
    // The old browser showed an XML answer as its text, which the readers search.
    if (type == "text/plain" || type == "text/xml" || type == "application/xml")
        return Kind::PlainText;
    return Kind::Other;
}

Kind kindOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"htm" || suffix == u"html" || suffix == u"xhtml")
        return Kind::Html;
    if (suffix == u"txt" || suffix == u"csv" || suffix == u"xml")
        return Kind::PlainText;
    return Kind::Other;
}

PageDocument documentOf(Kind kind, const QByteArray& body, const QByteArray& contentType)
{
    switch (kind) {
    case Kind::Html:
        return PageDocument::fromHtml(decodePage(body, contentType));
    case Kind::PlainText:
        return PageDocument::fromPlainText(decodePage(body, contentType));
    case Kind::Other:
        break;
    }
    return {};
}

}  // namespace

PageView::PageView(net::Waiting waiting, WebLimits limits) : transfer_(std::move(waiting)), limits_(limits) {}

void PageView::navigate(const QString& url)
{
    if (busy_)
        throw net::Error(texts().stillLoading.arg(url));
    busy_ = true;
    const auto done = qScopeGuard([this] { busy_ = false; });
    page_ = {};
    address_ = url;
    page_ = load(url);
}

PageDocument PageView::load(const QString& url)
{
    if (url.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return loadFile(url);
    QByteArray body;
    QBuffer sink(&body);
    sink.open(QIODevice::WriteOnly);
    try {
        const WebResponse response = transfer_.get(url, sink, limits_);
        address_ = response.finalUrl;
        return documentOf(kindOfType(response.contentType), body, response.contentType);
    } catch (const net::Error&) {
        return PageDocument::cancelledNavigation();
    }
}

PageDocument PageView::loadFile(const QString& url)
{
    const QString path = QUrl(url, QUrl::TolerantMode).toLocalFile();
    QFile file(path);
    if (QFileInfo(path).size() > limits_.maxBytes || !file.open(QIODevice::ReadOnly))
        return PageDocument::cancelledNavigation();
    return documentOf(kindOfFile(path), file.readAll(), {});
}

}  // namespace browser
