#include "platform/shell/SingleInstance.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using shell::SingleInstance;

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
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(first->acquire());
    SingleInstance second(lockPath);
    EXPECT_FALSE(second.acquire());
    first->release();
    EXPECT_TRUE(second.acquire());
    second.release();
    first->acquire();
    first.reset();
    EXPECT_TRUE(second.acquire());
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
        const char held = running.acquire() ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');
    SingleInstance second(lockPath);
    EXPECT_FALSE(second.acquire());
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(QFile::exists(lockPath));
    EXPECT_TRUE(second.acquire());
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(SingleInstanceTest, ProgramStartedByTheHolderDoesNotKeepTheLock)
{
    auto holder = std::make_unique<SingleInstance>(lockPath);
    ASSERT_TRUE(holder->acquire());
    qint64 pid = 0;
    ASSERT_TRUE(QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("30")}, QString(), &pid));
    holder.reset();
    SingleInstance next(lockPath);
    EXPECT_TRUE(next.acquire());
    ::kill(pid_t(pid), SIGKILL);
}

TEST_F(SingleInstanceTest, LockFileThatCannotBeOpenedRefuses)
{
    SingleInstance nowhere(dir.filePath("missing/folder/Qvl_eZantor.lock"));
    EXPECT_FALSE(nowhere.acquire());
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
