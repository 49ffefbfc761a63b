#include "platform/shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using shell::SingleInstance;
using Claim = shell::SingleInstance::Claim;

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString lockPath = dir.filePath("Qvl_eZantor.lock");
};

}  // namespace

TEST_F(SingleInstanceTest, SecondHolderIsRefusedUntilTheFirstLetsGo)
{
    auto first = std::make_unique<SingleInstance>(lockPath);
    ASSERT_EQ(first->acquire(), Claim::Held);
    EXPECT_EQ(first->acquire(), Claim::Held);
    SingleInstance second(lockPath);
    EXPECT_EQ(second.acquire(), Claim::HeldElsewhere);
    EXPECT_TRUE(second.errorString().isEmpty());
    first->release();
    EXPECT_EQ(second.acquire(), Claim::Held);
    second.release();
    first->acquire();
    first.reset();
    EXPECT_EQ(second.acquire(), Claim::Held);
}

// The lock file stays behind after a crash; the lock itself goes with the process.
TEST_F(SingleInstanceTest, LockOfAProcessThatDiedIsGranted)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance running(lockPath);
        const char held = running.acquire() == Claim::Held ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    SingleInstance second(lockPath);
    EXPECT_EQ(second.acquire(), Claim::HeldElsewhere);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(QFile::exists(lockPath));
    EXPECT_EQ(second.acquire(), Claim::Held);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(SingleInstanceTest, ProgramStartedByTheHolderDoesNotKeepTheLock)
{
    auto holder = std::make_unique<SingleInstance>(lockPath);
    ASSERT_EQ(holder->acquire(), Claim::Held);
    qint64 pid = 0;
    ASSERT_TRUE(QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("30")}, QString(), &pid));
    holder.reset();
    SingleInstance next(lockPath);
    EXPECT_EQ(next.acquire(), Claim::Held);
    ::kill(pid_t(pid), SIGKILL);
}

// In the shared temporary folder anyone may have put something under the lock file's name: that
// is a failure naming the file, never taken for another copy of the program.
TEST_F(SingleInstanceTest, ALockFileThatCannotServeIsAFailureNamingIt)
{
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
    };
    const Case cases[] = {
        {"missing/folder/Qvl_eZantor.lock", [](const QString&) {}},
        {"folder.lock", [](const QString& path) { QDir().mkdir(path); }},
        {"pipe.lock", [](const QString& path) { ::mkfifo(QFile::encodeName(path).constData(), 0600); }},
        {"link.lock", [this](const QString& path) { QFile::link(dir.filePath("elsewhere"), path); }},
        {"others.lock",
         [](const QString& path) {
             QFile(path).open(QIODevice::WriteOnly);
             // Given away where that is allowed (as root); someone else's otherwise.
             if (::chown(QFile::encodeName(path).constData(), 65534, 65534) != 0)
                 ::chmod(QFile::encodeName(path).constData(), 0);
         }},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(c.name);
        c.make(path);
        SingleInstance lock(path);
        EXPECT_EQ(lock.acquire(), Claim::Failed) << c.name;
        EXPECT_TRUE(lock.errorString().contains(path)) << lock.errorString().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("elsewhere")));
}

TEST(SingleInstanceLockPath, RuntimeFolderOrPerUserTemporaryFile)
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    EXPECT_EQ(SingleInstance::lockPathFor("Qvl_eZantor"), runtime.filePath("Qvl_eZantor.lock"));
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(SingleInstance::lockPathFor("Qvl_eZantor"),
              QDir::temp().filePath(QStringLiteral("Qvl_eZantor-%1.lock").arg(::getuid())));
    if (!saved.isNull())
        qputenv("XDG_RUNTIME_DIR", saved);
}
