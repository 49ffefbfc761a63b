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
    EXPECT_EQ(client.get(url("/file/version.html")), QByteArray("<p>version 5.05</p>\r\n"));
    writeFile(site.filePath("empty.html"), "");
    EXPECT_EQ(client.get(url("/empty.html")), QByteArray());
}

TEST_F(HttpClientTest, DownloadStoresBinaryContentReplacingTheFile)
{
    writeFile(site.filePath("cover.jpg"), binaryPicture());
    const QString target = local.filePath("cover.jpg");
    writeFile(target, "old");
    client.download(url("/cover.jpg"), target);
    EXPECT_EQ(readFile(target), binaryPicture());
}

TEST_F(HttpClientTest, StatusOutsideSuccessIsAnErrorAndLeavesTheFileAlone)
{
    EXPECT_TRUE(errorOf([&] { client.get(url("/missing.html")); }).contains("404"));
    const QString target = local.filePath("cover.jpg");
    writeFile(target, "old");
    EXPECT_TRUE(errorOf([&] { client.download(url("/missing.jpg"), target); }).contains("404"));
    EXPECT_EQ(readFile(target), QByteArray("old"));
    EXPECT_TRUE(errorOf([&] { client.download(url("/x.jpg"), local.filePath("no/such/folder/x.jpg")); })
                    .contains("cannot write"));
}

TEST_F(HttpClientTest, RedirectIsFollowedOnlyWhenAsked)
{
    writeFile(site.filePath("page.html"), "target");
    const QString message = errorOf([&] { client.get(url("/redirect/page.html")); });
    EXPECT_TRUE(message.contains("302")) << message.toStdString();
    EXPECT_TRUE(message.contains("redirect not followed")) << message.toStdString();
    HttpOptions follow;
    follow.followRedirects = true;
    EXPECT_EQ(client.get(url("/redirect/page.html"), follow), QByteArray("target"));
}

TEST_F(HttpClientTest, AddressesOtherThanWebOnesAreRefused)
{
    for (const QString& address : {QString(), QStringLiteral("ftp://127.0.0.1/x"),
                                   QStringLiteral("file:///etc/passwd"), QStringLiteral("http://")}) {
        EXPECT_TRUE(errorOf([&] { client.get(address); }).contains("not an http or https address"))
            << address.toStdString();
    }
}

TEST(HttpClientFailure, RefusedConnectionIsAnError)
{
    DeadPort refusing(DeadPort::Refusing);
    HttpClient client{Waiting{}};
    const QString message =
        errorOf([&] { client.get(QStringLiteral("http://127.0.0.1:%1/x").arg(refusing.port())); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("GET http://127.0.0.1:%1/x: ").arg(refusing.port())))
        << message.toStdString();
}

TEST(HttpClientFailure, SilentServerIsGivenUpAfterTheLimitWhileMessagesFlow)
{
    DeadPort silent(DeadPort::Silent);
    SteppedClock clock;
    HttpClient client(clock.waiting(std::chrono::milliseconds(1000)));
    const QString message =
        errorOf([&] { client.get(QStringLiteral("http://127.0.0.1:%1/").arg(silent.port())); });
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
            nested = errorOf([&] { client.get(address + "again"); });
    };
    EXPECT_TRUE(errorOf([&] { client.get(address); }).contains("no answer"));
    EXPECT_TRUE(nested.contains("another request is running")) << nested.toStdString();
}
