#include "platform/net/Error.h"
#include "platform/net/HttpClient.h"

#include "NetTestSupport.h"
#include "TestServers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace net;

namespace {

// Enough for every page of these tests.
constexpr qint64 kAnyPage = 1 << 20;

// Every byte value, and long enough to arrive in several pieces.
QByteArray binaryPicture()
{
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += char((i * 7) & 0xff);
    return bytes;
}

class HttpClientTest : public ::testing::Test {
protected:
    QString url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(server.port()).arg(path); }

    QTemporaryDir site;
    QTemporaryDir local;
    ScriptServer server{QStringLiteral("http_server.py"), {site.path()}};
    HttpClient client{Waiting{}};
};

}  // namespace

TEST_F(HttpClientTest, GetReturnsThePageAsSent)
{
    QDir(site.path()).mkpath("file");
    writeFile(site.filePath("file/version.html"), "<p>version 5.05</p>\r\n");
    EXPECT_EQ(client.get(url("/file/version.html"), kAnyPage), QByteArray("<p>version 5.05</p>\r\n"));
    writeFile(site.filePath("empty.html"), "");
    EXPECT_EQ(client.get(url("/empty.html"), kAnyPage), QByteArray());
}

TEST_F(HttpClientTest, DownloadStoresBinaryContentReplacingTheFile)
{
    writeFile(site.filePath("cover.jpg"), binaryPicture());
    const QString target = local.filePath("cover.jpg");
    writeFile(target, "old");
    client.download(url("/cover.jpg"), target, kAnyPage);
    EXPECT_EQ(readFile(target), binaryPicture());
}

TEST_F(HttpClientTest, StatusOutsideSuccessIsAnErrorAndLeavesTheFileAlone)
{
    EXPECT_TRUE(errorOf([&] { client.get(url("/missing.html"), kAnyPage); }).contains("404"));
    // An address holding what looks like a placeholder is shown as given.
    const QString message = errorOf([&] { client.get(url("/a%2B.html"), kAnyPage); });
    EXPECT_TRUE(message.endsWith("/a%2B.html: the server answered with status 404")) << message.toStdString();
    const QString target = local.filePath("cover.jpg");
    writeFile(target, "old");
    EXPECT_TRUE(errorOf([&] { client.download(url("/missing.jpg"), target, kAnyPage); }).contains("404"));
    EXPECT_EQ(readFile(target), QByteArray("old"));
    EXPECT_TRUE(errorOf([&] { client.download(url("/x.jpg"), local.filePath("no/such/folder/x.jpg"), kAnyPage); })
                    .contains("cannot write"));
}

TEST_F(HttpClientTest, RedirectIsFollowedOnlyWhenAsked)
{
    writeFile(site.filePath("page.html"), "target");
    const QString message = errorOf([&] { client.get(url("/redirect/page.html"), kAnyPage); });
    EXPECT_TRUE(message.contains("302")) << message.toStdString();
    EXPECT_TRUE(message.contains("redirect not followed")) << message.toStdString();
    HttpOptions follow;
    follow.followRedirects = true;
    EXPECT_EQ(client.get(url("/redirect/page.html"), kAnyPage, follow), QByteArray("target"));
}

TEST_F(HttpClientTest, AddressesOtherThanWebOnesAreRefused)
{
    for (const QString& address : {QString(), QStringLiteral("ftp://127.0.0.1/x"),
                                   QStringLiteral("file:///etc/passwd"), QStringLiteral("http://")}) {
        EXPECT_TRUE(errorOf([&] { client.get(address, kAnyPage); }).contains("not an http or https address"))
            << address.toStdString();
    }
}

// The server decides how much it sends: an answer up to the caller's limit arrives whole; one
// byte more stops the transfer and fails, whether its size was announced or not, and so does a
// body without end.
TEST_F(HttpClientTest, AnAnswerPastItsLimitStopsAndFails)
{
    constexpr qint64 limit = 64 * 1024;
    for (const char* kind : {"sized", "stream"}) {
        const QByteArray page = client.get(url(QStringLiteral("/%1/%2/p").arg(kind).arg(limit)), limit);
        EXPECT_EQ(page.size(), limit) << kind;
        EXPECT_TRUE(page.startsWith("<p>version 9") && page.endsWith("9</p>\r\n")) << kind;
        for (const qint64 size : {limit + 1, qint64(1) << 30}) {
            const QString message =
                errorOf([&] { client.get(url(QStringLiteral("/%1/%2/p").arg(kind).arg(size)), limit); });
            EXPECT_TRUE(message.contains("larger than the 65536 bytes expected at most")) << message.toStdString();
        }
    }
    EXPECT_TRUE(errorOf([&] { client.get(url("/stream/endless/p"), limit); }).contains("larger than"));
    EXPECT_EQ(client.get(url("/sized/20/p"), limit).size(), 20);
}

TEST_F(HttpClientTest, ADownloadPastItsLimitLeavesTheFileAsItWas)
{
    const QString target = local.filePath("cover.jpg");
    writeFile(target, "old");
    for (const char* path : {"/sized/300000/x.jpg", "/stream/300000/x.jpg", "/stream/endless/x.jpg"}) {
        const QString message = errorOf([&] { client.download(url(path), target, 200000); });
        EXPECT_TRUE(message.contains("larger than the 200000 bytes")) << path << ": " << message.toStdString();
        EXPECT_EQ(readFile(target), QByteArray("old")) << path;
    }
    EXPECT_EQ(QDir(local.path()).entryList(QDir::Files), QStringList{"cover.jpg"});
    client.download(url("/stream/200000/x.jpg"), target, 200000);
    EXPECT_EQ(readFile(target).size(), 200000);
}

TEST(HttpClientFailure, RefusedConnectionIsAnError)
{
    DeadPort refusing(DeadPort::Refusing);
    HttpClient client{Waiting{}};
    const QString message =
        errorOf([&] { client.get(QStringLiteral("http://127.0.0.1:%1/x").arg(refusing.port()), kAnyPage); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("GET http://127.0.0.1:%1/x: ").arg(refusing.port())))
        << message.toStdString();
}

TEST(HttpClientFailure, SilentServerIsGivenUpAfterTheLimitWhileMessagesFlow)
{
    DeadPort silent(DeadPort::Silent);
    SteppedClock clock;
    HttpClient client(clock.waiting(std::chrono::milliseconds(1000)));
    const QString message =
        errorOf([&] { client.get(QStringLiteral("http://127.0.0.1:%1/").arg(silent.port()), kAnyPage); });
    EXPECT_TRUE(message.contains("no answer within 1 s")) << message.toStdString();
    EXPECT_EQ(clock.rounds, 10);
}

TEST(HttpClientFailure, RequestStartedInsideAWaitOfTheSameClientIsRefused)
{
    DeadPort silent(DeadPort::Silent);
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(silent.port());
    SteppedClock clock;
    HttpClient client(clock.waiting(std::chrono::milliseconds(300)));
    QString nested;
    clock.onRound = [&] {
        if (nested.isEmpty())
            nested = errorOf([&] { client.get(address + "again", kAnyPage); });
    };
    EXPECT_TRUE(errorOf([&] { client.get(address, kAnyPage); }).contains("no answer"));
    EXPECT_TRUE(nested.contains("another request is running")) << nested.toStdString();
}
