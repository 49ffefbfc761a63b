// A title search of the search screen over a 50,000-copy catalogue, one copy per title: every
// first copy read in storage order and matched in the program, the answers sorted by title, the
// page written; against SQLite stepping the same statement's rows and fields.
#include "app/FrmPrin.h"
#include "platform/db/JetCollation.h"
#include "platform/ui/Edit.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QDir>
#include <QFile>
#include <sqlite3.h>

namespace {

double rawStatementMs(const QString& database)
{
    sqlite3* h = nullptr;
    sqlite3_open_v2(QFile::encodeName(database).constData(), &h, SQLITE_OPEN_READONLY, nullptr);
    db::jet::registerOn(h);
    const double ms = bench::timeMs([h] {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(h,
                           "SELECT rowid, Titre, Descripteur, Resume, Auteur, Mot_Cle, Genre, numlivre, Images, "
                           "LieuRangement, Isbn13, Editeur, EmpNom, EmpPrenom, EmpClasse, DateRetour FROM Table1 "
                           "WHERE NbrExemplaire = 1 ORDER BY rowid",
                           -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(s); ++c)
                sqlite3_column_text(s, c);
        sqlite3_finalize(s);
    }, 3);
    sqlite3_close_v2(h);
    return ms;
}

}  // namespace

QVL_BENCHMARK(title_search)
{
    bench::BenchProgramFolder folder;
    folder.enter();

    bench::LoggedInProgram program;
    program.input.menu(QStringLiteral("Livres > Rechercher"));
    auto& term = program.frm().get<ui::CustomEdit>(QStringLiteral("Edit55"));
    auto& search = program.frm().get<ui::Control>(QStringLiteral("Button50"));
    const double searchMs = bench::timeMs([&] {
        term.setText(QStringLiteral("titre n°4999"));
        program.p.dialogs.answer(QStringLiteral("OK"));
        search.click();
    }, 5);
    const double rawMs = rawStatementMs(folder.folder() + QStringLiteral("/Test1.bib"));
    bench::print(QStringLiteral("title_search ms_at_%1_copies").arg(bench::kCatalogueCopies), searchMs, "ms");
    bench::print(QStringLiteral("title_search raw_sqlite_statement_ms"), rawMs, "ms");
    bench::printRatio(QStringLiteral("title_search"), searchMs / rawMs);
}

