// The desk over the 50,000-copy catalogue and its 600 pupils: a loan, from the scanner's Enter on
// "Emprunter" to the end of its handler (the copy's row, the borrower's counters, the journal's
// line), and the search of a pupil by the first letters of the surname, both by the borrower
// field of the loan screen and by the forgotten-number search.
#include "app/FrmPrin.h"
#include "platform/db/Query.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Keys.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Borrowers.h"
#include "tools/bench/Catalogue.h"

#include <algorithm>

namespace {

double best(double a, double b)
{
    return a < 0 ? b : std::min(a, b);
}

}  // namespace

QVL_BENCHMARK(loan)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    bench::addBorrowers(folder.folder() + QStringLiteral("/Test1.bib"));

    bench::LoggedInProgram program;
    app::TFrmPrin& frm = program.frm();
    frm.settings.AnimationOn = false;
    auto& input = program.input;
    input.click(QStringLiteral("ToolButton3"));

    double loanMs = -1;
    double nameSearchMs = -1;
    double forgottenMs = -1;
    int missed = 0;
    for (int pupil = 1; pupil <= 10; ++pupil) {
        // Codes of the catalogue, each with a free copy.
        const QString code = QStringLiteral("978207%1").arg(1000000 + 100 + pupil, 7, 10, QChar(u'0'));
        input.scan(QStringLiteral("E%1").arg(pupil));
        input.scan(code);
        // Only a search that found the book and the pupil leaves "Emprunter" to press.
        if (!frm.get<ui::WinControl>(QStringLiteral("Button40")).focused()) {
            ++missed;
            continue;
        }
        loanMs = best(loanMs, bench::timeMs([&] { input.key(ui::vk::Return); }));

        input.click(QStringLiteral("Edit41"));
        input.type(bench::borrowerSurname(pupil * 37).left(4));
        input.click(QStringLiteral("Edit39"));
        input.type(code);
        nameSearchMs = best(nameSearchMs, bench::timeMs([&] { input.key(ui::vk::Return); }));
        input.click(QStringLiteral("Button39"));

        input.click(QStringLiteral("Button42"));
        input.type(bench::borrowerSurname(pupil * 53).left(3));
        forgottenMs = best(forgottenMs, bench::timeMs([&] { input.click(QStringLiteral("Button43")); }));
        input.click(QStringLiteral("Button39"));
    }
    const QString at = QStringLiteral("_at_%1_copies_%2_borrowers").arg(bench::kCatalogueCopies).arg(bench::kBorrowers);
    bench::print(QStringLiteral("loan ms") + at, loanMs, "ms");
    bench::print(QStringLiteral("loan searches_without_emprunter"), missed);
    db::Query lent(frm.db.ADOConnection1);
    lent.setSql(QStringLiteral("SELECT * FROM Table1 WHERE NumEmprunteur <> 0"));
    lent.open();
    bench::print(QStringLiteral("loan copies_lent"), lent.recordCount());
    bench::print(QStringLiteral("loan search_with_surname_letters ms") + at, nameSearchMs, "ms");
    bench::print(QStringLiteral("loan forgotten_number_search ms") + at, forgottenMs, "ms");
}
