// The program itself: one instance per user, its start state drawn in a window, and its web
// views drawn with their pages.
#include "DriverRun.h"
#include "QtPrinters.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

TEST(ProgramWindow, ASecondInstanceEndsAtOnceSilently)
{
    ProgramFolder program;
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    const QString exe = program.folder("Qvl_eZantor");

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(exe, {});
    ASSERT_TRUE(first.waitForStarted());
    // The first holds its lock once it has passed the instance test.
    const QString lock = runtime.filePath("Qvl_eZantor.lock");
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(lock) && waited.elapsed() < 20000)
        QThread::msleep(20);
    ASSERT_TRUE(QFileInfo::exists(lock));

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(exe, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(second.readAllStandardError().isEmpty());
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
    // Once the first is gone, a new start runs.
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(exe, {});
    EXPECT_FALSE(third.waitForFinished(1500));
    third.kill();
    third.waitForFinished();
}

TEST(ProgramWindow, StartStateIsDrawn)
{
    ProgramFolder program;
    const QString picture = program.drive("start.png");
    const DriverResult run = play(program, "answer Cancel\nscreenshot " + picture + "\n", {"--render"});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const QImage image(picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(1378, 1080));
    // The window's own dark blue shows beside the home panel.
    EXPECT_EQ(image.pixelColor(1200, 900), QColor(0, 0, 45));
}

TEST(ProgramWindow, AScreenshotShowsThePageOfAWebView)
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        GTEST_SKIP() << "Xvfb is not installed";
    ProgramFolder program;
    const QString picture = program.drive("catalogue.png");
    const DriverResult run = play(program, logInScript() + "menu Livres > Catalogue Html Livre\n"
                                                           "click Button12\n"
                                                           "wait-page WebBrowser4\n"
                                                           "screenshot " + picture + "\n",
                                  {"--render"});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const QImage image(picture);
    ASSERT_FALSE(image.isNull());
    // The page's heading and table rule, dark on the web view's white.
    int dark = 0;
    for (int y = 194; y < 895; ++y)
        for (int x = 348; x < 1127; ++x)
            dark += image.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(dark, 200);
}
