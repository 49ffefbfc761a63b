#include "BookSites.h"

#include "platform/browser/TestRouting.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>
#include <webp/encode.h>

namespace {

const QStringList kHttpsHosts = {
    QStringLiteral("www.amazon.fr"), QStringLiteral("m.media-amazon.com"),
    QStringLiteral("images-eu.ssl-images-amazon.com"), QStringLiteral("images-na.ssl-images-amazon.com"),
    QStringLiteral("products-images.di-static.com"), QStringLiteral("www.chasse-aux-livres.fr"),
    QStringLiteral("images.chasse-aux-livres.fr"), QStringLiteral("fr.shopping.rakuten.com"),
    QStringLiteral("pmcdn.priceminister.com"),
};

QByteArray readFixture(const QString& name)
{
    QFile file(QStringLiteral(QVL_FIXTURES_DIR "/web/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

}  // namespace

BookSites::BookSites() : m_environmentBefore(qgetenv("QVL_TEST_CONNECT_TO"))
{
    const QString log = m_root.filePath(QStringLiteral("requests.log"));
    m_http = std::make_unique<ScriptServer>(QStringLiteral("../web/web_server.py"), QStringList{m_root.path(), log});
    m_https = std::make_unique<ScriptServer>(QStringLiteral("../web/web_server.py"),
                                             QStringList{m_root.path(), log, QStringLiteral("--tls"),
                                                         m_certificates.path()} + kHttpsHosts);
    route({});
}

void BookSites::route(const QByteArrayList& first)
{
    const browser::TestRouting routing{
        first + QByteArrayList{QStringLiteral(":80:127.0.0.1:%1").arg(m_http->port()).toLatin1(),
                               QStringLiteral(":443:127.0.0.1:%1").arg(m_https->port()).toLatin1()},
        m_certificates.filePath(QStringLiteral("ca.pem"))};
    browser::setTestRouting(routing);
    qputenv("QVL_TEST_CONNECT_TO", routing.connectTo.join(','));
    qputenv("QVL_TEST_CA_FILE", routing.caFile.toLocal8Bit());
    // The web views' engine, in the programs started from here, maps hosts by their port.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            QStringLiteral("\"--host-resolver-rules=MAP *:443 127.0.0.1:%1, MAP * 127.0.0.1:%2\"")
                .arg(m_https->port())
                .arg(m_http->port())
                .toLatin1());
}

void BookSites::routeHost(const QString& host, int port)
{
    route({QStringLiteral("%1:80:127.0.0.1:%2").arg(host).arg(port).toLatin1()});
}

BookSites::~BookSites()
{
    qputenv("QVL_TEST_CONNECT_TO", m_environmentBefore);
    qunsetenv("QVL_TEST_CA_FILE");
    qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    browser::clearTestRouting();
}

void BookSites::serve(const QString& path, const QByteArray& bytes)
{
    const QString native = m_root.filePath(path);
    QDir().mkpath(QFileInfo(native).path());
    QFile file(native);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void BookSites::serveFixture(const QString& path, const QString& fixture)
{
    serve(path, readFixture(fixture));
}

void BookSites::serveFound(const char* site)
{
    const QString s = QString::fromLatin1(site);
    if (s == u"dialogues") {
        serveFixture(QStringLiteral("livre/") + kCode, QStringLiteral("dialogues/found.html"));
        serve(QStringLiteral("cover/") + kCode + QStringLiteral(".webp"), cover("WEBP"));
    } else if (s == u"bookfinder") {
        serveFixture(QStringLiteral("search/index.html"), QStringLiteral("bookfinder/found.html"));
        serve(QStringLiteral("isbn/") + kCode + QStringLiteral(".jpg"), cover("JPEG"));
    } else if (s == u"decitre") {
        serveFixture(QStringLiteral("livres/") + kCode + QStringLiteral(".html"), QStringLiteral("decitre/found.html"));
        serve(QStringLiteral("image/") + kCode + QStringLiteral("-475x500-1.jpg"), cover("PNG"));
    } else if (s == u"chasse") {
        serveFixture(QStringLiteral("search"), QStringLiteral("chasse/search.html"));
        serve(QStringLiteral("covers/") + kIsbn10 + QStringLiteral(".jpg"), cover("JPEG"));
    } else {
        serveFixture(QStringLiteral("dp/") + kIsbn10, QStringLiteral("amazon/found.html"));
        serve(QStringLiteral("images/I/51AbCdEf.jpg"), cover("JPEG"));
    }
}

void BookSites::serveNotFound(const char* site)
{
    const QString s = QString::fromLatin1(site);
    if (s == u"dialogues")
        serveFixture(QStringLiteral("livre/") + kCode, QStringLiteral("dialogues/notfound.html"));
    else if (s == u"bookfinder")
        serveFixture(QStringLiteral("search/index.html"), QStringLiteral("bookfinder/notfound.html"));
    else if (s == u"amazon")
        serveFixture(QStringLiteral("dp/") + kIsbn10, QStringLiteral("amazon/notfound.html"));
    // Decitre answers with its own 404 page.
}

QStringList BookSites::requests() const
{
    QFile file(m_root.filePath(QStringLiteral("requests.log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QStringList BookSites::hostsAsked() const
{
    QStringList hosts;
    for (const QString& request : requests()) {
        const QString host = request.section(u' ', 0, 0).section(u':', 0, 0);
        if (hosts.isEmpty() || hosts.last() != host)
            hosts << host;
    }
    return hosts;
}

QByteArray BookSites::cover(const char* format)
{
    // Stripes of many colours keep the compressed picture above the size of a "no picture" mark.
    QImage image(120, 180, QImage::Format_RGBA8888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor((x * 37 + y * 11) % 256, (x * 5 + y * 29) % 256, (x * y) % 256));
    if (QByteArray(format) == "WEBP") {
        uint8_t* out = nullptr;
        const size_t size = WebPEncodeRGBA(image.constBits(), image.width(), image.height(), int(image.bytesPerLine()),
                                           90, &out);
        QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
        WebPFree(out);
        return bytes;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
