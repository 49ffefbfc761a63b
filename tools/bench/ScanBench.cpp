// One acquisition from SANE's test scanner to the saved JPEG: a pupil's photo taken on the
// borrower screen, from the click on "Prendre une photo" through the scanner's dialog (answered
// at once), the transfer, the scaling and the JPEG written, to NimImage recorded. A small page
// (80 x 100 mm at 100 dpi) and a cover-sized one (150 x 200 mm at 300 dpi).
#include "app/FrmPrin.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Borrowers.h"
#include "tools/bench/SaneTestBackend.h"

#include <QFile>
#include <algorithm>

namespace {

constexpr int kScans = 5;

double bestScanMs(bench::LoggedInProgram& program, const QString& photo)
{
    double best = -1;
    for (int i = 0; i < kScans; ++i) {
        QFile::remove(photo);
        program.p.dialogs.answer(QStringLiteral("Numériser"));
        program.p.dialogs.answer(QStringLiteral("OK"));
        const double ms = bench::timeMs([&] { program.input.click(QStringLiteral("Image10")); });
        if (!QFile::exists(photo))
            qFatal("the scan stored no photo at %s", qPrintable(photo));
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

}  // namespace

QVL_BENCHMARK(scan)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    bench::addBorrowers(folder.folder() + QStringLiteral("/Test1.bib"), 2);
    const QString photo = folder.folder() + QStringLiteral("/Photo_emprunteur/") + bench::borrowerSurname(1) + u'_' +
                          bench::borrowerFirstName(1) + QStringLiteral(".jpg");

    bench::LoggedInProgram program;
    program.input.click(QStringLiteral("ToolButton7"));
    {
        SaneTestBackend sane;
        bench::print(QStringLiteral("scan_photo ms_80x100mm_100dpi"), bestScanMs(program, photo), "ms");
    }
    {
        SaneTestBackend sane("number_of_devices 1\nmode Color\ndepth 8\nresolution 300.0\n"
                             "test-picture \"Color pattern\"\nbr_x 150.0\nbr_y 200.0\n");
        bench::print(QStringLiteral("scan_photo ms_150x200mm_300dpi"), bestScanMs(program, photo), "ms");
    }
}
