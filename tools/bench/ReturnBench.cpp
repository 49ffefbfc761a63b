// The return desk over the 50,000-copy catalogue and its 600 pupils: the look-up of a scanned
// code held by one pupil (to the end of the code field's handler), and the return itself, from
// Enter on "Rangement" to the end of its handler (the copy's row, the pupil's count, the journal's
// line, the cover filed in the pupil's history, the remaining loans in the strip).
#include "app/FrmPrin.h"
#include "platform/db/Connection.h"
#include "platform/ui/Control.h"
#include "platform/ui/Keys.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Borrowers.h"
#include "tools/bench/Catalogue.h"

#include <algorithm>

namespace {

constexpr int kReturns = 10;

// Codes of the catalogue, each with a few copies.
QString returnCode(int k)
{
    return QStringLiteral("978207%1").arg(1000000 + 300 + k, 7, 10, QChar(u'0'));
}

// One copy of each code lent to pupil k, as the loan screen writes it.
void lendOneCopyOfEachCode(const QString& database)
{
    db::Connection c(QStringLiteral("Data Source=") + database);
    for (int k = 1; k <= kReturns; ++k)
        c.execute(QStringLiteral("UPDATE Table1 SET EmpNom = ?, EmpPrenom = ?, EmpClasse = ?, NumEmprunteur = ?,"
                                 "DateEmprunt='01/12/2025',DateRetour='15/12/2025' WHERE NumLivre = ?"),
                  {bench::borrowerSurname(k), bench::borrowerFirstName(k), bench::borrowerClass(k), k, 300 + k});
}

}  // namespace

QVL_BENCHMARK(return)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    const QString database = folder.folder() + QStringLiteral("/Test1.bib");
    bench::addBorrowers(database);
    lendOneCopyOfEachCode(database);

    bench::LoggedInProgram program;
    auto& input = program.input;
    input.click(QStringLiteral("ToolButton2"));

    double lookUpMs = -1;
    double returnMs = -1;
    auto best = [](double kept, double ms) { return kept < 0 ? ms : std::min(kept, ms); };
    for (int k = 1; k <= kReturns; ++k) {
        lookUpMs = best(lookUpMs, bench::timeMs([&] { input.scan(returnCode(k)); }));
        if (program.frm().get<ui::Control>(QStringLiteral("Edit49")).text() != QString::number(k))
            qFatal("the look-up of %s did not find its pupil", qPrintable(returnCode(k)));
        returnMs = best(returnMs, bench::timeMs([&] { input.key(ui::vk::Return); }));
        if (!program.frm().get<ui::Control>(QStringLiteral("Edit49")).text().isEmpty())
            qFatal("the copy of %s was not returned", qPrintable(returnCode(k)));
    }
    const QString at = QStringLiteral("_at_%1_copies_%2_borrowers").arg(bench::kCatalogueCopies).arg(bench::kBorrowers);
    bench::print(QStringLiteral("return look-up_of_a_scanned_code ms") + at, lookUpMs, "ms");
    bench::print(QStringLiteral("return ms") + at, returnMs, "ms");
}
