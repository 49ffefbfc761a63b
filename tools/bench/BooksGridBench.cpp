// Opening the books grid on a 50,000-copy catalogue: the book screen from the menu, then its tab
// "Tableau"; and the grid's direct access with an empty box, which shows every copy.
#include "app/FrmPrin.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/PageControl.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QDir>

QVL_BENCHMARK(books_grid_open)
{
    bench::BenchProgramFolder folder;
    folder.enter();

    bench::LoggedInProgram program;
    auto& frm = program.frm();
    auto& grid = frm.get<ui::DBGrid>(QStringLiteral("DBGrid1"));
    auto& tableau = frm.get<ui::TabSheet>(QStringLiteral("TabSheet1"));
    int rows = 0;
    const double openMs = bench::timeMs([&] {
        frm.db.ADOTable1.close();
        program.input.menu(QStringLiteral("Livres > Nouveaux livres"));
        program.input.selectTab(tableau);
        rows = grid.rowCount();
    }, 5);
    auto& directAccess = frm.get<ui::Control>(QStringLiteral("Button96"));
    const double allRowsMs = bench::timeMs([&] {
        frm.db.ADOTable1.setFiltered(true);
        directAccess.click();
    }, 5);
    bench::print(QStringLiteral("books_grid_open ms_at_%1_copies").arg(bench::kCatalogueCopies), openMs, "ms");
    bench::print(QStringLiteral("books_grid_open rows_shown"), rows);
    bench::print(QStringLiteral("books_grid_open all_copies_ms"), allRowsMs, "ms");
    bench::print(QStringLiteral("books_grid_open all_copies_rows"), grid.rowCount());
}
