#include "platform/net/Error.h"
#include "platform/net/HttpClient.h"

#include "TestServers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace net;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every byte value, and long enough to arrive in several pieces.
QByteArray binaryPicture()
{
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i)
        bytes += char((i * 7) & 0xff);
    return bytes;
}

// Runs `body`, which must throw Error, and returns the error's text.
template <typename Body>
QString errorOf(Body body)
{
    try {
        body();
    } catch (const Error& e) {
        return e.message();
    }
    ADD_FAILURE() << "no error";
    return {};
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

// The clock moves only when messages are processed, so the count of calls before the
// limit is known whatever the machine's speed.
TEST(HttpClientFailure, SilentServerIsGivenUpAfterTheLimitWhileMessagesFlow)
{
    DeadPort silent(DeadPort::Silent);
    qint64 clock = 0;
    int messageRounds = 0;
    Waiting waiting;
    waiting.limit = std::chrono::milliseconds(1000);
    waiting.clockMs = [&] { return clock; };
    waiting.processMessages = [&] {
        ++messageRounds;
        clock += 100;
    };
    HttpClient client(waiting);
    const QString message =
        errorOf([&] { client.get(QStringLiteral("http://127.0.0.1:%1/").arg(silent.port())); });
    EXPECT_TRUE(message.contains("no answer within 1 s")) << message.toStdString();
    EXPECT_EQ(messageRounds, 10);
}

TEST(HttpClientFailure, RequestStartedInsideAWaitOfTheSameClientIsRefused)
{
    DeadPort silent(DeadPort::Silent);
    qint64 clock = 0;
    QString nested;
    HttpClient* client = nullptr;
    Waiting waiting;
    waiting.limit = std::chrono::milliseconds(300);
    waiting.clockMs = [&] { return clock; };
    waiting.processMessages = [&] {
        clock += 100;
        if (nested.isEmpty())
            nested = errorOf([&] { client->get(QStringLiteral("http://127.0.0.1:%1/again").arg(silent.port())); });
    };
    HttpClient owner(waiting);
    client = &owner;
    EXPECT_TRUE(errorOf([&] { owner.get(QStringLiteral("http://127.0.0.1:%1/").arg(silent.port())); })
                    .contains("no answer"));
    EXPECT_TRUE(nested.contains("another request is running")) << nested.toStdString();
}
