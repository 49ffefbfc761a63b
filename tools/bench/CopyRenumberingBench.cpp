// The renumbering of every copy by title that each menu quit runs, on a 50,000-copy catalogue.
#include "catalogue/CopyRenumbering.h"
#include "platform/db/Connection.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QTemporaryDir>

QVL_BENCHMARK(renumber_copies)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test1.bib"));
    bench::makeCatalogue(path);
    const double ms = bench::timeMs(
        [&] {
            db::Connection c(QStringLiteral("Data Source=") + path);
            db::Query ars(c);
            catalogue::RenumberCopies(ars);
        },
        3);
    bench::print(QStringLiteral("renumber_copies ms_at_%1_copies").arg(bench::kCatalogueCopies), ms, "ms");
}
