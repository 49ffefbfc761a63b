// The stock-take scan of one copy into the 50,000-copy catalogue: its code scanned into the
// entry tab's code field, one copy of the title marked, counted and written to the journal;
// against SQLite writing one mark on its own, the commit every scan waits for.
#include "app/FrmPrin.h"
#include "platform/ui/Edit.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QFile>
#include <algorithm>
#include <sqlite3.h>

namespace {

// The catalogue's codes whose check digit is right, as a scanner reads them from a label.
QStringList labelCodes(int count)
{
    QStringList codes;
    for (int k = 1000000; codes.size() < count; ++k) {
        const QString code = QStringLiteral("978207%1").arg(k, 7, 10, QChar(u'0'));
        int sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += code[i].digitValue() * (i % 2 ? 3 : 1);
        if (code[12].digitValue() == (10 - sum % 10) % 10)
            codes << code;
    }
    return codes;
}

// One copy's mark written and committed, best of ten.
double rawMarkMs(const QString& database)
{
    sqlite3* h = nullptr;
    sqlite3_open_v2(QFile::encodeName(database).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
    double best = -1;
    for (int row = 1; row <= 10; ++row) {
        const QByteArray sql = QStringLiteral("UPDATE Table1 SET DateEmprunt = 46000 WHERE NumLivre = %1").arg(row).toUtf8();
        const double ms = bench::timeMs([&] { sqlite3_exec(h, sql.constData(), nullptr, nullptr, nullptr); });
        best = best < 0 ? ms : std::min(best, ms);
    }
    sqlite3_close_v2(h);
    return best;
}

}  // namespace

QVL_BENCHMARK(stocktake_scan)
{
    bench::BenchProgramFolder folder;
    folder.enter();

    bench::LoggedInProgram program;
    app::TFrmPrin& frm = program.frm();
    frm.settings.AnimationOn = false;
    frm.settings.MDP_Administrateur = QStringLiteral("clef");
    for (const char* answer : {"Terminer", "OK", "clef", "OK"})
        program.p.dialogs.answer(QString::fromUtf8(answer));
    program.input.menu(QStringLiteral("Outils > Inventaire complet et inventaire partiel"));
    // A new stock-take: no copy is marked yet.
    frm.get<ui::Control>(QStringLiteral("SpeedButton52")).click();

    double best = -1;
    for (const QString& code : labelCodes(10)) {
        const double ms = bench::timeMs([&] { program.input.scan(code); });
        best = best < 0 ? ms : std::min(best, ms);
    }
    const double rawMs = rawMarkMs(folder.folder() + QStringLiteral("/Test1.bib"));
    bench::print(QStringLiteral("stocktake_scan ms_at_%1_copies").arg(bench::kCatalogueCopies), best, "ms");
    bench::print(QStringLiteral("stocktake_scan copies_found"), frm.get<ui::CustomEdit>(QStringLiteral("Edit147")).text().toInt());
    bench::print(QStringLiteral("stocktake_scan raw_sqlite_mark_ms"), rawMs, "ms");
    bench::printRatio(QStringLiteral("stocktake_scan"), best / rawMs);
}
