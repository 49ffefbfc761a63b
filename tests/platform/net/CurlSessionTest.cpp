// What fails inside libcurl's callbacks is reported once libcurl has returned: the exception
// itself, or an error for replies past their limit. The session stays usable.
#include "platform/net/CurlSession.h"

#include "NetTestSupport.h"
#include "TestServers.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <new>

using namespace net;

namespace {

// A device that cannot take or give a single byte without throwing.
class ThrowingDevice : public QIODevice {
public:
    ThrowingDevice() { open(QIODevice::ReadWrite | QIODevice::Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { throw std::bad_alloc(); }
    qint64 writeData(const char*, qint64) override { throw std::bad_alloc(); }
};

class CurlSessionTest : public ::testing::Test {
protected:
    QByteArray url(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(web.port()).arg(path).toUtf8();
    }
    // A plain request that must work after a failed one.
    void expectAWorkingRequest()
    {
        QByteArray body;
        QBuffer sink(&body);
        sink.open(QIODevice::WriteOnly);
        session.prepare(QStringLiteral("GET"), url("/sized/100/p"), "http");
        session.receiveInto(sink, 100);
        session.run();
        EXPECT_EQ(body.size(), 100);
    }

    QTemporaryDir site;
    ScriptServer web{QStringLiteral("http_server.py"), {site.path()}};
    CurlSession session{Waiting{}};
};

}  // namespace

TEST_F(CurlSessionTest, AnExceptionOfTheReceiverStopsTheTransferAndIsThrownAfterIt)
{
    ThrowingDevice sink;
    for (const char* path : {"/sized/100000/p", "/stream/endless/p"}) {
        session.prepare(QStringLiteral("GET"), url(path), "http");
        session.receiveInto(sink, qint64(1) << 40);
        EXPECT_THROW(session.run(), std::bad_alloc) << path;
    }
    expectAWorkingRequest();
}

TEST_F(CurlSessionTest, AnExceptionOfTheSenderStopsTheUploadAndIsThrownAfterIt)
{
    QTemporaryDir home;
    ScriptServer ftp{QStringLiteral("ftp_server.py"), {home.path(), "ecole", "abcde123"}};
    ThrowingDevice source;
    CURL* easy = session.prepare(QStringLiteral("PUT"),
                                 QStringLiteral("ftp://127.0.0.1:%1/%2Fa.txt").arg(ftp.port()).toUtf8(), "ftp");
    curl_easy_setopt(easy, CURLOPT_USERNAME, "ecole");
    curl_easy_setopt(easy, CURLOPT_PASSWORD, "abcde123");
    session.sendFrom(source, 1000);
    EXPECT_THROW(session.run(), std::bad_alloc);
    expectAWorkingRequest();
}

TEST_F(CurlSessionTest, RepliesWithoutEndStopAtTheirLimit)
{
    QByteArrayList lines;
    QByteArray body;
    QBuffer sink(&body);
    sink.open(QIODevice::WriteOnly);
    session.prepare(QStringLiteral("GET"), url("/headers/endless/p"), "http");
    session.collectReplies(lines);
    session.receiveInto(sink, 100);
    const QString message = errorOf([&] { session.run(); });
    EXPECT_TRUE(message.contains("replies pass")) << message.toStdString();
    EXPECT_GT(lines.size(), 50);
    EXPECT_LE(lines.join().size(), CurlSession::kReplyLimit);
    expectAWorkingRequest();
}

// Cookies kept in a share last from one request of the session to the next, and nothing of
// them is lost on the way (the sanitizer build checks that).
TEST_F(CurlSessionTest, CookiesOfAShareLastFromOneRequestToTheNext)
{
    CURLSH* share = curl_share_init();
    curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    QByteArray body;
    for (const char* path : {"/cookie/set", "/cookie/echo", "/cookie/echo"}) {
        body.clear();
        QBuffer sink(&body);
        sink.open(QIODevice::WriteOnly);
        CURL* easy = session.prepare(QStringLiteral("GET"), url(path), "http");
        curl_easy_setopt(easy, CURLOPT_SHARE, share);
        curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");
        session.receiveInto(sink, 1000);
        session.run();
    }
    EXPECT_EQ(body, QByteArray("lecteur=1"));
    curl_easy_setopt(session.prepare(QStringLiteral("GET"), url("/"), "http"), CURLOPT_SHARE, nullptr);
    EXPECT_EQ(curl_share_cleanup(share), CURLSHE_OK);
}
