// A librarian walks through a catalogue of 50,000 copies on the Compléments tab: first, next,
// previous, last, a click on the strip and a direct access from the books grid each show the copy
// asked for with its cover. Paging back onto a broken cover names its file.
#include "DeliveredLanguage.h"
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Query.h"
#include "platform/files/WindowsPath.h"
#include "tools/bench/Catalogue.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The copies of the catalogue are numbered in their titles; one in five is a DVD (n = 4, 9, …),
// which the book screen does not show.

// A plain cover of one colour per copy, so that the strip's pictures can be told apart.
QColor coverColour(int copy) { return QColor::fromHsv((copy * 47) % 360, 220, 230); }

void writeCover(const ProgramFolder& program, int copy)
{
    QImage cover(95, 135, QImage::Format_RGB32);
    cover.fill(coverColour(copy));
    // Written as older versions named covers; every start names them after the code in lower case.
    cover.save(program.folder(QStringLiteral("livres/Jaquettes/") + bench::copyCode(copy) + QStringLiteral(".JPG")), "JPG");
}

QString expectCopy(int copy)
{
    return QStringLiteral("expect-text DBEdit1 %1\nexpect-text DBEdit39 %2.jpg\n").arg(bench::copyTitle(copy), bench::copyCode(copy));
}

// The colour in the middle of a strip slot of a picture of the main window; the strip lies on
// the book screen, whose panel is at (8, 54) of the window's client area.
QColor slotColour(const QImage& window, int slotLeft)
{
    return window.pixelColor(8 + 8 + slotLeft + 47, 50 + 54 + 475 + 67);
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

}  // namespace

TEST(RecordNavigationScenario, TheButtonsAndTheStripShowTheCopyAskedForAmong50000)
{
    ProgramFolder program;
    bench::addCatalogueCopies(program.folder(QStringLiteral("Test1.bib")));
    const int firstBooks[] = {1, 2, 3, 5, 6, 7};
    const int lastBooks[] = {49993, 49995, 49996, 49997, 49998, 50000};
    for (int copy : firstBooks)
        writeCover(program, copy);
    for (int copy : lastBooks)
        writeCover(program, copy);

    const QString screenshot = program.drive(QStringLiteral("navigation.png"));
    const DriverResult run = play(
        program, logInScript() + QStringLiteral("tab TabSheet2\n") + expectCopy(50000) +
                     QStringLiteral("click SpeedButton6\n") + expectCopy(1) +
                     QStringLiteral("click SpeedButton16\n") + expectCopy(2) +
                     QStringLiteral("click SpeedButton16\nclick SpeedButton16\n") + expectCopy(5) +
                     QStringLiteral("click SpeedButton15\n") + expectCopy(3) +
                     QStringLiteral("click Image21\n") + expectCopy(6) +
                     QStringLiteral("click SpeedButton5\n") + expectCopy(50000) +
                     QStringLiteral("click SpeedButton15\n") + expectCopy(49998) +
                     QStringLiteral("click SpeedButton16\n") + expectCopy(50000) +
                     // A copy reached on the books grid stays the one shown on the Compléments tab.
                     QStringLiteral("tab TabSheet1\nclick Edit67\nscan I7\ntab TabSheet2\n") + expectCopy(7) +
                     QStringLiteral("click SpeedButton5\n") +
                     QStringLiteral("screenshot %1\n").arg(screenshot),
        {QStringLiteral("--render")});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();

    // The last six books, the last one current: its cover at the right end of the strip.
    const QImage window(screenshot);
    ASSERT_FALSE(window.isNull());
    const int lefts[] = {12, 113, 215, 318, 419, 521};
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(near(slotColour(window, lefts[k]), coverColour(lastBooks[k])))
            << k << " " << slotColour(window, lefts[k]).name().toStdString();
}

TEST(RecordNavigationScenario, PagingBackOntoABrokenCoverNamesItsFileAndItsSlotTakesThePictureLoadedBeforeIt)
{
    // Twenty copies, four of them DVDs: the books are 1-3, 5-8, 10-13, 15-18 and 20.
    ProgramFolder program;
    bench::addCatalogueCopies(program.folder(QStringLiteral("Test1.bib")), 20);
    for (int copy : {8, 11, 12, 13, 15, 16, 17, 18, 20})
        writeCover(program, copy);
    const QString unreadable = bench::copyCode(10) + QStringLiteral(".jpg");
    program.write(QStringLiteral("livres/Jaquettes/") + unreadable, "pas une image");

    const QString screenshot = program.drive(QStringLiteral("page-back.png"));
    const DriverResult run = play(program, logInScript() + QStringLiteral("tab TabSheet2\n") + expectCopy(20) +
                                               QStringLiteral("answer OK\nclick SpeedButton14\n") + expectCopy(12) +
                                               QStringLiteral("screenshot %1\n").arg(screenshot),
                                  {QStringLiteral("--render")});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const QStringList dialogs = run.lines.filter(QStringLiteral("dialog:"));
    ASSERT_FALSE(dialogs.isEmpty());
    EXPECT_TRUE(dialogs.back().contains(deliveredFrench().message(160) + unreadable)) << run.joined().toStdString();
    EXPECT_FALSE(QFile::exists(program.folder(QStringLiteral("livres/Jaquettes/") + unreadable)));

    // Copy 10's slot (the second from the left), which showed copy 15 before, takes copy 11's cover,
    // loaded just before it.
    const QImage window(screenshot);
    ASSERT_FALSE(window.isNull());
    const std::pair<int, int> shownCopies[] = {{12, 8}, {113, 11}, {215, 11}, {318, 12}, {419, 13}, {521, 15}};
    for (const auto& [left, copy] : shownCopies)
        EXPECT_TRUE(near(slotColour(window, left), coverColour(copy))) << left << " " << copy;
}
