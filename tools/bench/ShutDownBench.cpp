// The close sequence of the main window on the 50,000-copy catalogue: the purge of untitled
// books, the day's copy through the backup API and its ZIP archive by 7-Zip, awaited. And the way
// out through "&Quitter" with the shared base on, every transfer aside: one record file a copy
// is written into the covers folder, which grows to 50,000 files as it goes.
#include "app/DailyCopy.h"
#include "app/FrmPrin.h"
#include "platform/files/FileOps.h"
#include "platform/files/WindowsPath.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>

QVL_BENCHMARK(shut_down)
{
    bench::BenchProgramFolder folder;
    double closeMs = 1e300;
    double copyMs = 1e300;
    double zipMs = 1e300;
    qint64 archiveBytes = 0;
    for (int round = 0; round < 3; ++round) {
        folder.reset();
        folder.enter();
        bench::LoggedInProgram program;
        app::TFrmPrin& frm = program.frm();
        const QString copy = app::dailyCopyPath(frm.BackupDateText);
        const QString archive = app::dailyArchivePath(frm.BackupDateText);
        copyMs = std::min(copyMs, bench::timeMs([&] { app::copyOpenDatabase(frm.db.ADOConnection1, copy); }));
        zipMs = std::min(zipMs, bench::timeMs([&] { app::zipFile(archive, copy); }));
        program.p.dialogs.answer(QStringLiteral("OK"));
        closeMs = std::min(closeMs, bench::timeMs([&] { frm.close(); }));
        archiveBytes = QFileInfo(files::nativePath(archive)).size();
    }
    const QString at = QStringLiteral("_at_%1_copies").arg(bench::kCatalogueCopies);
    bench::print(QStringLiteral("shut_down close_sequence_ms") + at, closeMs, "ms");
    bench::print(QStringLiteral("shut_down daily_copy_ms") + at, copyMs, "ms");
    bench::print(QStringLiteral("shut_down zip_ms") + at, zipMs, "ms");
    bench::print(QStringLiteral("shut_down archive_kib") + at, double(archiveBytes) / 1024.0, "KiB");
}

QVL_BENCHMARK(quit_shared_base)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    bench::LoggedInProgram program;
    app::TFrmPrin& frm = program.frm();
    frm.settings.Qvlbool = true;
    frm.settings.ftpbool = false;
    for (int n = 0; n < 4; ++n)
        program.p.dialogs.answer(QStringLiteral("OK"));
    const double ms = bench::timeMs([&] { program.input.menu(QStringLiteral("Fichier > Quitter")); });
    const QString at = QStringLiteral("_at_%1_copies").arg(bench::kCatalogueCopies);
    bench::print(QStringLiteral("quit_shared_base quit_ms") + at, ms, "ms");
    bench::print(QStringLiteral("quit_shared_base files_in_covers_folder"),
                 double(files::listFiles(frm.AppDir + QStringLiteral("livres\\Jaquettes\\")).size()), "files");
}
