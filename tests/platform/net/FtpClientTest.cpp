#include "platform/net/Error.h"
#include "platform/net/FtpClient.h"

#include "NetTestSupport.h"
#include "TestServers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace net;

namespace {

const QString kUser = QStringLiteral("ecole");
const QString kPassword = QStringLiteral("abcde123");

class FtpClientTest : public ::testing::Test {
protected:
    FtpAccount account(bool passive = true) const
    {
        return FtpAccount{QStringLiteral("127.0.0.1"), server.port(), kUser, kPassword, passive};
    }
    // A local file to send.
    QString localFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = local.filePath(name);
        writeFile(path, bytes);
        return path;
    }

    QTemporaryDir home;
    QTemporaryDir local;
    ScriptServer server{QStringLiteral("ftp_server.py"), {home.path(), kUser, kPassword}};
    FtpClient ftp{Waiting{}};
};

}  // namespace

TEST_F(FtpClientTest, ConnectStartsInTheHomeFolderUntilDisconnected)
{
    EXPECT_FALSE(ftp.isConnected());
    ftp.connect(account());
    EXPECT_TRUE(ftp.isConnected());
    EXPECT_EQ(ftp.currentDir(), "/");
    ftp.disconnect();
    EXPECT_FALSE(ftp.isConnected());
    ftp.disconnect();
    ftp.connect(account());
    ftp.connect(account());
    EXPECT_TRUE(ftp.isConnected());
}

TEST_F(FtpClientTest, RefusedLoginAndMissingHostLeaveTheClientDisconnected)
{
    FtpAccount wrong = account();
    wrong.password = QStringLiteral("wrong");
    const QString message = errorOf([&] { ftp.connect(wrong); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("FTP connect to 127.0.0.1 port %1: ").arg(server.port())))
        << message.toStdString();
    EXPECT_FALSE(message.contains("wrong"));
    EXPECT_FALSE(ftp.isConnected());

    FtpAccount unset;
    EXPECT_EQ(errorOf([&] { ftp.connect(unset); }), "FTP connect: no host given");
    FtpAccount badPort = account();
    badPort.port = 0;
    EXPECT_TRUE(errorOf([&] { ftp.connect(badPort); }).contains("not a valid host and port"));
    EXPECT_FALSE(ftp.isConnected());
    EXPECT_TRUE(errorOf([&] { ftp.put(localFile("a.txt", "a"), "a.txt"); }).contains("not connected"));
    EXPECT_TRUE(errorOf([&] { ftp.size("a.txt"); }).contains("not connected"));
}

TEST_F(FtpClientTest, PutReplacesTheRemoteFileAndGetFetchesIt)
{
    ftp.connect(account());
    ftp.put(localFile("first.bin", QByteArray(5000, 'x')), "Test1.zip");
    QByteArray second;
    for (int i = 0; i < 70000; ++i)
        second += char(i & 0xff);
    ftp.put(localFile("second.bin", second), "Test1.zip");
    EXPECT_EQ(readFile(home.filePath("Test1.zip")), second);
    EXPECT_EQ(ftp.size("Test1.zip"), 70000);

    const QString fetched = local.filePath("fetched.zip");
    writeFile(fetched, "old");
    ftp.get("Test1.zip", fetched, 70000);
    EXPECT_EQ(readFile(fetched), second);
}

TEST_F(FtpClientTest, MissingRemoteFileHasNoSizeAndCannotBeFetched)
{
    ftp.connect(account());
    EXPECT_EQ(ftp.size("nothing.txt"), -1);
    EXPECT_EQ(ftp.size("/no/such/folder/nothing.txt"), -1);
    const QString target = local.filePath("kept.txt");
    writeFile(target, "kept");
    EXPECT_FALSE(errorOf([&] { ftp.get("nothing.txt", target, 1000); }).isEmpty());
    EXPECT_EQ(readFile(target), QByteArray("kept"));
    EXPECT_TRUE(ftp.isConnected());
    EXPECT_EQ(ftp.size("nothing.txt"), -1);
}

TEST_F(FtpClientTest, AFileLargerThanItsLimitIsNotFetched)
{
    ftp.connect(account());
    ftp.put(localFile("big.bin", QByteArray(70001, 'x')), "Test1.zip");
    const QString target = local.filePath("fetched.zip");
    writeFile(target, "old");
    EXPECT_TRUE(errorOf([&] { ftp.get("Test1.zip", target, 70000); }).contains("larger than the 70000 bytes"));
    EXPECT_EQ(readFile(target), QByteArray("old"));
    EXPECT_TRUE(ftp.isConnected());
    ftp.get("Test1.zip", target, 70001);
    EXPECT_EQ(readFile(target).size(), 70001);
}

TEST_F(FtpClientTest, FoldersAreMadeAndEnteredRelativeOrAbsolute)
{
    ftp.connect(account());
    ftp.makeDir("/livres/");
    ftp.changeDir("livres");
    EXPECT_EQ(ftp.currentDir(), "/livres");
    ftp.makeDir("9782070");
    ftp.changeDir("9782070/");
    EXPECT_EQ(ftp.currentDir(), "/livres/9782070");
    ftp.put(localFile("record.txt", "a;b;c\r\n"), "9782070612758.txt");
    EXPECT_EQ(readFile(home.filePath("livres/9782070/9782070612758.txt")), QByteArray("a;b;c\r\n"));
    EXPECT_EQ(ftp.size("/livres/9782070/9782070612758.txt"), 7);

    EXPECT_FALSE(errorOf([&] { ftp.changeDir("/livres/alpha/"); }).isEmpty());
    EXPECT_EQ(ftp.currentDir(), "/livres/9782070");
    EXPECT_FALSE(errorOf([&] { ftp.makeDir("/livres"); }).isEmpty());
    ftp.changeDir("..");
    EXPECT_EQ(ftp.currentDir(), "/livres");
}

// "../" from the home folder names the home folder itself.
TEST_F(FtpClientTest, PathsAboveTheRootStayAtTheRoot)
{
    ftp.connect(account());
    ftp.makeDir("../Coffre_fort");
    ftp.put(localFile("Test1.zip", "zip"), "../Coffre_fort/Test10750001A.zip");
    EXPECT_EQ(readFile(home.filePath("Coffre_fort/Test10750001A.zip")), QByteArray("zip"));
    ftp.changeDir("../../livres/../Coffre_fort/./");
    EXPECT_EQ(ftp.currentDir(), "/Coffre_fort");
}

TEST_F(FtpClientTest, NamesWithSpacesAndAccentsArriveUnchanged)
{
    ftp.connect(account());
    ftp.makeDir(QStringLiteral("Dossier été"));
    ftp.put(localFile("a.txt", "café"), QStringLiteral("Dossier été/L'été #1 50%.txt"));
    EXPECT_EQ(readFile(home.filePath(QStringLiteral("Dossier été/L'été #1 50%.txt"))), QByteArray("café"));
    EXPECT_EQ(ftp.size(QStringLiteral("/Dossier été/L'été #1 50%.txt")), QByteArray("café").size());
}

TEST_F(FtpClientTest, ControlCharactersInNamesAreRefused)
{
    ftp.connect(account());
    for (const QString& name : {QStringLiteral("a\r\nDELE b"), QStringLiteral("a\nb"), QStringLiteral("a\x7f")}) {
        EXPECT_TRUE(errorOf([&] { ftp.makeDir(name); }).contains("control character"));
        EXPECT_TRUE(errorOf([&] { ftp.put(localFile("x", "x"), name); }).contains("control character"));
    }
    EXPECT_TRUE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(FtpClientTest, ActiveModeTransfersToo)
{
    ftp.connect(account(false));
    ftp.put(localFile("a.txt", "active"), "a.txt");
    ftp.get("a.txt", local.filePath("b.txt"), 1000);
    EXPECT_EQ(readFile(local.filePath("b.txt")), QByteArray("active"));
}

TEST_F(FtpClientTest, MissingLocalFileIsAnError)
{
    ftp.connect(account());
    EXPECT_FALSE(errorOf([&] { ftp.put(local.filePath("none.zip"), "none.zip"); }).isEmpty());
    EXPECT_FALSE(QFile::exists(home.filePath("none.zip")));
}

TEST(FtpClientFailure, RefusedConnectionIsAnError)
{
    DeadPort refusing(DeadPort::Refusing);
    FtpClient ftp{Waiting{}};
    EXPECT_FALSE(errorOf([&] { ftp.connect({QStringLiteral("127.0.0.1"), refusing.port(), "u", "p", true}); })
                     .isEmpty());
    EXPECT_FALSE(ftp.isConnected());
}

TEST(FtpClientFailure, SilentServerIsGivenUpAfterTheLimitWhileMessagesFlow)
{
    DeadPort silent(DeadPort::Silent);
    SteppedClock clock;
    FtpClient ftp(clock.waiting(std::chrono::milliseconds(500)));
    EXPECT_TRUE(errorOf([&] { ftp.connect({QStringLiteral("127.0.0.1"), silent.port(), "u", "p", true}); })
                    .contains("no answer within 0.5 s"));
    EXPECT_EQ(clock.rounds, 5);
    EXPECT_FALSE(ftp.isConnected());
}
