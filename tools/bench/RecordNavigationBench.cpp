// One step through the copies of a 50,000-copy catalogue on the Compléments tab, as the handler
// takes it with the slide animation off: the cursor moved, the strip of six covers, the large
// cover and the storage place shown.
#include "app/FrmPrin.h"
#include "platform/ui/PageControl.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QDir>
#include <QFile>

namespace {

constexpr int kSteps = 20;

// Real covers for the first copies, so that the strip decodes pictures, not only the placeholder:
// the splash picture stands for each.
void writeCovers(const QString& folder)
{
    for (int copy = 1; copy <= kSteps + 8; ++copy)
        QFile::copy(folder + QStringLiteral("/Reserve/Splash.jpg"),
                    folder + QStringLiteral("/livres/Jaquettes/978207%1.jpg").arg(copy + 1000000));
}

}  // namespace

QVL_BENCHMARK(record_navigation)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    writeCovers(folder.folder());

    bench::LoggedInProgram program;
    auto& input = program.input;
    input.selectTab(program.frm().get<ui::TabSheet>(QStringLiteral("TabSheet2")));
    auto stepMs = [&](const char* button) {
        auto& control = program.frm().get<ui::Control>(QString::fromLatin1(button));
        double best = -1;
        for (int i = 0; i < kSteps; ++i) {
            const double ms = bench::timeMs([&] { input.click(control); });
            best = best < 0 ? ms : std::min(best, ms);
        }
        return best;
    };
    input.click(QStringLiteral("SpeedButton6"));
    const double next = stepMs("SpeedButton16");
    const double previous = stepMs("SpeedButton15");
    const double pageForward = stepMs("SpeedButton13");
    const double last = stepMs("SpeedButton5");
    const QString at = QStringLiteral("_at_%1_copies").arg(bench::kCatalogueCopies);
    bench::print(QStringLiteral("record_navigation ms_next") + at, next, "ms");
    bench::print(QStringLiteral("record_navigation ms_previous") + at, previous, "ms");
    bench::print(QStringLiteral("record_navigation ms_six_forward") + at, pageForward, "ms");
    bench::print(QStringLiteral("record_navigation ms_last") + at, last, "ms");
}
