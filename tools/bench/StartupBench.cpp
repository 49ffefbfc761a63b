// Start-up of the main window, headless and without network, over a 50,000-copy catalogue; and
// its cover-name repair against the same change made by one SQLite statement.
#include "app/FrmPrin.h"
#include "platform/db/JetCollation.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

using bench::BenchProgramFolder;
using bench::HeadlessProgram;

QVL_BENCHMARK(startup)
{
    BenchProgramFolder folder;
    folder.enter();

    const double startupMs = bench::timeMs([&] {
        folder.reset();
        HeadlessProgram p;
        p.start();
    }, 3);

    double repairMs = -1;
    for (int i = 0; i < 3; ++i) {
        folder.reset();
        HeadlessProgram p;
        p.start();
        folder.reset();
        app::TFrmPrin& w = p.program.mainWindow();
        w.db.reopenAfterFileReplaced();
        const double ms = bench::timeMs([&] { w.RepairCoverNames(); });
        repairMs = repairMs < 0 ? ms : std::min(repairMs, ms);
    }
    double statementMs = -1;
    for (int i = 0; i < 3; ++i) {
        folder.reset();
        sqlite3* handle = nullptr;
        sqlite3_open_v2(QFile::encodeName(folder.folder() + QStringLiteral("/Test1.bib")).constData(), &handle,
                        SQLITE_OPEN_READWRITE, nullptr);
        db::jet::registerOn(handle);
        const double ms = bench::timeMs([&] {
            sqlite3_exec(handle,
                         "UPDATE Table1 SET Images = Isbn13 || '.jpg' "
                         "WHERE length(Isbn13) = 13 AND substr(Isbn13, 1, 3) NOT IN ('378', '379') "
                         "AND Images IS NOT (Isbn13 || '.jpg') COLLATE BINARY",
                         nullptr, nullptr, nullptr);
        });
        sqlite3_close_v2(handle);
        statementMs = statementMs < 0 ? ms : std::min(statementMs, ms);
    }
    bench::print(QStringLiteral("startup ms"), startupMs, "ms");
    bench::print(QStringLiteral("startup cover_repair_ms"), repairMs, "ms");
    bench::print(QStringLiteral("startup single_update_ms"), statementMs, "ms");
    bench::printRatio(QStringLiteral("startup_cover_repair"), repairMs / statementMs);
}
