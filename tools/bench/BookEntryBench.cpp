// The save of a 5-copy book from the entry tab into a 50,000-copy catalogue, against SQLite
// running the statements that saving five copies issues, in one transaction; and the look-up of a
// scanned code that the catalogue holds.
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

// A code of the catalogue: its title has a few copies already.
const QString kCode = QStringLiteral("9782071000001");
constexpr int kCopies = 5;

struct LoggedIn : bench::LoggedInProgram {
    void set(const char* name, const QString& value)
    {
        frm().get<ui::CustomEdit>(QString::fromLatin1(name)).setText(value);
    }
};

// Steps a statement to its end; the rows it read.
int stepAll(sqlite3* handle, const char* sql, const QString& bound = {})
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(handle, sql, -1, &s, nullptr);
    const QByteArray value = bound.toUtf8();
    if (!bound.isEmpty())
        sqlite3_bind_text(s, 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    int rows = 0;
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(s); ++c)
            sqlite3_column_text(s, c);
        ++rows;
    }
    sqlite3_finalize(s);
    return rows;
}

// The statements of saving five copies: as the save's steps were first written (every copy
// reads the whole table to find its number), or as this program issues them (the insert's key).
enum class NumberOfTheNewRow { WholeTableRead, InsertKey };

double rawSaveMs(const QString& database, NumberOfTheNewRow numbering)
{
    sqlite3* h = nullptr;
    sqlite3_open_v2(QFile::encodeName(database).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
    db::jet::registerOn(h);
    const double ms = bench::timeMs([&] {
        sqlite3_exec(h, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        for (int i = 0; i < kCopies; ++i) {
            const int count = stepAll(h, "SELECT * FROM Table1 WHERE Isbn13 = ?1 ORDER BY NbrExemplaire", kCode);
            stepAll(h, "UPDATE Table1 SET MaxExemplaire = 0 WHERE Isbn13 = ?1", kCode);
            const QString insert = QStringLiteral(
                "INSERT INTO Table1 (Isbn10,Auteur,Genre,Type,Editeur,MaxExemplaire,Empruntable,IMP_CodeBarres,"
                "Descripteur,NbrExemplaire,Images,Titre,Pages,Date_parution,Isbn13,CodeBarres,Mot_Cle,Resume,Langue,"
                "Prix_Client,LieuRangement,Proprio,Emprunte) VALUES ('2071000001','Antoine de Saint-Exupéry',"
                "'Roman','LIVRE','Gallimard',1,1,0,'.PRINCE',%1,'%2.jpg','Le Petit Prince','Broché 96',"
                "'2007',?1,'9HSMBAA*aaaabd+','','Un aviateur','francais.txt',12.5,'','BCD',0)")
                                       .arg(count + 1)
                                       .arg(kCode);
            stepAll(h, insert.toUtf8().constData(), kCode);
            if (numbering == NumberOfTheNewRow::WholeTableRead)
                stepAll(h, "SELECT * FROM Table1 ORDER BY NumLivre");
            else
                stepAll(h, QStringLiteral("SELECT * FROM Table1 WHERE NumLivre = %1")
                               .arg(sqlite3_last_insert_rowid(h)).toUtf8().constData());
        }
        stepAll(h, "SELECT * FROM Table1 WHERE Type = 'LIVRE' ORDER BY NumLivre");
        sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr);
    }, 3);
    sqlite3_close_v2(h);
    return ms;
}

}  // namespace

QVL_BENCHMARK(entry_save)
{
    bench::BenchProgramFolder folder;
    folder.enter();

    LoggedIn program;
    auto& save = program.frm().get<ui::Control>(QStringLiteral("SpeedButton20"));
    const double saveMs = bench::timeMs([&] {
        program.set("Edit10", kCode);
        program.set("Edit4", QStringLiteral("Le Petit Prince"));
        program.set("Edit5", QStringLiteral("Antoine de Saint-Exupéry"));
        program.set("Edit12", QStringLiteral("Gallimard"));
        program.set("Edit7", QStringLiteral("96"));
        program.set("Edit91", QStringLiteral("Broché"));
        program.set("Edit92", QStringLiteral("12,50"));
        program.set("RichEdit4", QStringLiteral("Un aviateur rencontre un petit prince venu d'une autre planète."));
        program.set("Edit15", QString::number(kCopies));
        program.p.dialogs.answer(QStringLiteral("OK"));  // the announcement of more than three copies
        save.click();
    }, 3);

    const QString database = folder.folder() + QStringLiteral("/Test1.bib");
    folder.reset();
    const double rawMs = rawSaveMs(database, NumberOfTheNewRow::WholeTableRead);
    folder.reset();
    const double sameStatementsMs = rawSaveMs(database, NumberOfTheNewRow::InsertKey);
    bench::print(QStringLiteral("entry_save ms_5_copies_at_%1_copies").arg(bench::kCatalogueCopies), saveMs, "ms");
    bench::print(QStringLiteral("entry_save raw_sqlite_ms"), rawMs, "ms");
    bench::print(QStringLiteral("entry_save raw_sqlite_same_statements_ms"), sameStatementsMs, "ms");
    bench::printRatio(QStringLiteral("entry_save"), saveMs / rawMs);
    bench::printRatio(QStringLiteral("entry_save_same_statements"), saveMs / sameStatementsMs);
}

QVL_BENCHMARK(local_lookup)
{
    bench::BenchProgramFolder folder;
    folder.enter();

    LoggedIn program;
    auto& newEntry = program.frm().get<ui::Control>(QStringLiteral("SpeedButton22"));
    double best = -1;
    for (int i = 0; i < 5; ++i) {
        newEntry.click();
        const double ms = bench::timeMs([&] { program.input.scan(kCode); });
        best = best < 0 ? ms : std::min(best, ms);
    }
    bench::print(QStringLiteral("local_lookup ms_at_%1_copies").arg(bench::kCatalogueCopies), best, "ms");
}
