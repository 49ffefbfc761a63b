#include "DriverRun.h"
#include "tests/preview/PreviewFixture.h"

#include <QFile>

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

}  // namespace
}  // namespace preview
