#include "DriverRun.h"
#include "tests/preview/PreviewFixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

namespace preview {
namespace {

// The label sheet the library program leaves in its folder, played through by the driver.
TEST(PreviewDrive, TheDriverPagesThroughTheLabelFileAndPrintsItToPdf)
{
    ProgramFolder program;
    program.write(QStringLiteral("Etiquettes.RTF"), richtext::writeRtf(richtext::testing::lines(200)));
    const DriverResult run = play(program,
                                  QStringLiteral("show TBtnPreviousPage\n"
                                                 "click TBtnNextPage\n"
                                                 "click TBtnNextPage\n"
                                                 "show TBtnNextPage\n"
                                                 "menu Zoom > 50%\n"
                                                 "answer OK\n"
                                                 "click TBtnPrint\n"
                                                 "quit\n"),
                                  {QStringLiteral("--preview")});
    EXPECT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.lines.value(0).contains(QStringLiteral("TBtnPreviousPage visible disabled")));
    EXPECT_TRUE(run.has(QStringLiteral("show: TBtnNextPage visible disabled at 52,0 26x24 text \"\"")))
        << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("dialog: Print |  | OK,Annuler")));
    EXPECT_EQ(pdfPages(program.folder(QStringLiteral("Preview.pdf"))), 3);
}

// The pictures of each sheet of a PDF file, at the screen's resolution.
QList<QImage> sheetPictures(const ProgramFolder& program, const QString& pdf, const QString& prefix)
{
    QProcess raster;
    raster.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
                 {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"), pdf, program.drive(prefix)});
    raster.waitForFinished(60000);
    QList<QImage> pictures;
    for (const QString& sheet : QDir(program.drive(QString())).entryList({prefix + QStringLiteral("*.png")}))
        pictures << QImage(program.drive(sheet)).convertToFormat(QImage::Format_RGB32);
    return pictures;
}

TEST(PreviewDrive, TheMarginGuidesShowOnTheScreenAndNeverOnThePaper)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) or Xvfb is not installed";
    ProgramFolder program;
    program.write(QStringLiteral("Etiquettes.RTF"), richtext::writeRtf(richtext::testing::lines(200)));
    const QString pdf = program.folder(QStringLiteral("Preview.pdf"));
    // The same page and print with the guides shown, as the window opens, and switched off.
    QImage screen[2];
    QList<QImage> paper[2];
    for (const bool shown : {true, false}) {
        const QString picture = program.drive(shown ? QStringLiteral("shown.png") : QStringLiteral("hidden.png"));
        const DriverResult run =
            play(program,
                 (shown ? QString() : QStringLiteral("click TBtnShowMargins\n")) +
                     QStringLiteral("screenshot %1\nanswer OK\nclick TBtnPrint\nquit\n").arg(picture),
                 {QStringLiteral("--render"), QStringLiteral("--preview")});
        ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
        screen[shown] = QImage(picture).convertToFormat(QImage::Format_RGB32);
        paper[shown] = sheetPictures(program, pdf, shown ? QStringLiteral("shown-") : QStringLiteral("hidden-"));
        ASSERT_TRUE(QFile::remove(pdf));
    }
    // On the screen's white page the silver guides come and go, smoothed into lighter greys where
    // the page is scaled (the button's look changes too).
    ASSERT_EQ(screen[true].size(), screen[false].size());
    const auto silver = [](QRgb c) {
        return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) && qRed(c) >= 0xC0 && qRed(c) < 0xFF;
    };
    int guides = 0;
    for (int y = 0; y < screen[true].height(); ++y)
        for (int x = 0; x < screen[true].width(); ++x)
            guides += screen[false].pixel(x, y) == qRgb(0xFF, 0xFF, 0xFF) && silver(screen[true].pixel(x, y));
    EXPECT_GT(guides, 500);
    // On the paper nothing differs.
    ASSERT_EQ(paper[true].size(), 3);
    EXPECT_EQ(paper[true], paper[false]);
}

}  // namespace
}  // namespace preview
