#include "platform/shell/RecordingShell.h"
#include "platform/shell/SystemShell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace shell;

namespace {

// Detached programs finish in their own time; wait (boundedly) for what they write.
QByteArray contentOnceWritten(const QString& path)
{
    for (int i = 0; i < 1000; ++i) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.readAll();
            if (content.endsWith('\n'))
                return content;
        }
        QThread::msleep(10);
    }
    return {};
}

}  // namespace

TEST(RecordingShell, WritesDownEachRequestAndCleansUpOnceAtTheEnd)
{
    RecordingShell shell;
    int cleanUps = 0;
    shell.setCleanUp([&] { ++cleanUps; });
    EXPECT_TRUE(shell.open("http://127.0.0.1:8080/download.php?lng=fr"));
    EXPECT_TRUE(shell.open("/home/ecole/Qvlzantor/Historique_emprunt/12"));
    EXPECT_TRUE(shell.start("7za", {"a", "-tZIP", "/s/Test1_08-12-2025_.ZIP", "/s/Test1_08-12-2025_.bib"}));
    EXPECT_TRUE(shell.start("Preview", {}));
    EXPECT_FALSE(shell.processEnded());
    shell.endProcess();
    EXPECT_TRUE(shell.processEnded());
    EXPECT_EQ(cleanUps, 1);
    shell.endProcess();
    EXPECT_EQ(cleanUps, 1);
    EXPECT_EQ(shell.records(), QStringList({
                                   "open: http://127.0.0.1:8080/download.php?lng=fr",
                                   "open: /home/ecole/Qvlzantor/Historique_emprunt/12",
                                   "start: 7za a -tZIP /s/Test1_08-12-2025_.ZIP /s/Test1_08-12-2025_.bib",
                                   "start: Preview",
                                   "exit",
                                   "exit",
                               }));
}

TEST(RecordingShell, StandsForADesktopThatOpensNothing)
{
    RecordingShell shell;
    QStringList told;
    shell.setOpenFailure([&](const QString& target) { told << target; });
    EXPECT_TRUE(shell.open("/home/ecole/Qvlzantor/Journal.csv"));
    shell.failOpens();
    EXPECT_FALSE(shell.open("/home/ecole/Qvlzantor/Listes/Livres.csv"));
    EXPECT_EQ(told, QStringList{"/home/ecole/Qvlzantor/Listes/Livres.csv"});
    EXPECT_EQ(shell.records(), QStringList({"open: /home/ecole/Qvlzantor/Journal.csv",
                                            "open: /home/ecole/Qvlzantor/Listes/Livres.csv"}));
}

TEST(SystemShell, StartsProgramsDetachedWithTheirArguments)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("out.txt");
    SystemShell shell;
    ASSERT_TRUE(shell.start("sh", {"-c", "printf '%s\\n' \"$1\" > \"$2\"", "sh", "a b \"c\"", out}));
    EXPECT_EQ(contentOnceWritten(out), QByteArray("a b \"c\"\n"));
    EXPECT_FALSE(shell.start("qvl-no-such-program", {}));
}

TEST(SystemShell, OpensTargetsThroughTheDesktopOpener)
{
    QTemporaryDir dir;
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", QByteArray(QVL_FIXTURES_DIR "/shell:") + savedPath);
    SystemShell shell;
    const QStringList targets = {"http://127.0.0.1:8080/download.php?lng=fr",
                                 dir.filePath("Livres Sortis (liste).html")};
    QFile page(targets[1]);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    for (int i = 0; i < targets.size(); ++i) {
        const QString log = dir.filePath(QStringLiteral("open%1.log").arg(i));
        qputenv("QVL_OPEN_LOG", QFile::encodeName(log));
        ASSERT_TRUE(shell.open(targets[i]));
        EXPECT_EQ(contentOnceWritten(log), targets[i].toUtf8() + '\n');
    }
    qputenv("PATH", savedPath);
}

// Whatever the desktop cannot open is told, by the target, and only that.
TEST(SystemShell, TellsWhatTheDesktopCannotOpen)
{
    QTemporaryDir dir;
    const QString guide = dir.filePath("Import_BCDi3_QvlZantor.pdf");
    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("QVL_OPEN_LOG", QFile::encodeName(dir.filePath("open.log")));
    struct Case {
        const char* what;
        QByteArray path;
        QString target;
        bool opened;
    };
    const Case cases[] = {
        {"no opener on the PATH", QFile::encodeName(dir.path()), guide, false},
        {"a file that is not there", QByteArray(QVL_FIXTURES_DIR "/shell:") + savedPath, dir.filePath("absent.pdf"), false},
        {"a folder", QByteArray(QVL_FIXTURES_DIR "/shell:") + savedPath, dir.path(), true},
        {"a web address", QByteArray(QVL_FIXTURES_DIR "/shell:") + savedPath, "http://127.0.0.1:8080/", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        qputenv("PATH", c.path);
        SystemShell shell;
        QStringList told;
        shell.setOpenFailure([&](const QString& target) { told << target; });
        EXPECT_EQ(shell.open(c.target), c.opened);
        EXPECT_EQ(told, c.opened ? QStringList() : QStringList{c.target});
    }
    qputenv("PATH", savedPath);
}

// Ending the process is tried in a child process, which must end with code 0 after its
// clean-up and never reach the code after the call.
TEST(SystemShell, EndProcessCleansUpThenEndsTheProcess)
{
    QTemporaryDir dir;
    const QByteArray marker = QFile::encodeName(dir.filePath("cleaned"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SystemShell shell;
        shell.setCleanUp([&] { ::close(::open(marker.constData(), O_CREAT | O_WRONLY, 0600)); });
        shell.endProcess();
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(QFile::exists(QFile::decodeName(marker)));
}
