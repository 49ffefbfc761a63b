// The library's pages and exchange files over the 50,000-copy catalogue: the HTML book catalogue
// built through its screen, the library export of every copy, and the import of that export
// into an empty library.
#include "app/FrmPrin.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QDir>
#include <QFileInfo>

QVL_BENCHMARK(html_book_catalogue)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    bench::LoggedInProgram program;
    program.input.menu(QStringLiteral("Livres > Catalogue Html Livre"));
    const double ms = bench::timeMs([&] { program.input.click(QStringLiteral("Button12")); });
    bench::print(QStringLiteral("html_book_catalogue ms_for_%1_copies").arg(bench::kCatalogueCopies), ms, "ms");
    bench::print(QStringLiteral("html_book_catalogue page_bytes"),
                 double(QFileInfo(QDir(folder.folder()).filePath(QStringLiteral("Biblio_zantor.html"))).size()));
}

QVL_BENCHMARK(library_export_import)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    const QString exported = QDir(folder.folder()).filePath(QStringLiteral("Bibliotheque.csv"));
    {
        bench::LoggedInProgram program;
        const double ms = bench::timeMs([&] {
            for (int i = 0; i < 3; ++i)
                program.p.dialogs.answer(QStringLiteral("OK"));
            program.input.menu(QStringLiteral("Outils > Exporter la bibliothèque"));
        });
        bench::print(QStringLiteral("library_export ms_for_%1_copies").arg(bench::kCatalogueCopies), ms, "ms");
        program.frm().db.ADOConnection1.execute(QStringLiteral("DELETE FROM Table1"));
    }
    bench::LoggedInProgram program;
    const double ms = bench::timeMs([&] {
        for (const QString& answer : {QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK"),
                                      exported, QStringLiteral("OK"), QStringLiteral("OK")})
            program.p.dialogs.answer(answer);
        program.input.menu(QStringLiteral("Outils > Importer une bibliothèque"));
    });
    bench::print(QStringLiteral("library_import ms_for_%1_copies").arg(bench::kCatalogueCopies), ms, "ms");
    bench::print(QStringLiteral("library_import copies_added"),
                 double(program.frm().db.ADOTable1.recordCount()));
}
