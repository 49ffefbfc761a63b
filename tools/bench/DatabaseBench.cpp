// The database layer against bare SQLite on a 50,000-copy catalogue: a bulk walk posting one
// field per row against one UPDATE, and the filtered book table walked against one SELECT.
#include "platform/db/BulkScope.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "tools/bench/BareSqlite.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QString connectionStringFor(const QString& path) { return QStringLiteral("Data Source=") + path; }

}  // namespace

// Every row of Table1 walked in a query, one field set and posted per row, in one bulk scope;
// against one UPDATE of the same field on every row.
QVL_BENCHMARK(db_bulk_edit_post)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test1.bib"));
    bench::makeCatalogue(path);
    int pass = 0;
    const double layerMs = bench::timeMs(
        [&] {
            db::Connection c(connectionStringFor(path));
            db::Query ars(c);
            ars.addSql(QStringLiteral("Select * From table1"));
            ars.open();
            const QString value = QStringLiteral("Relié %1").arg(++pass);
            db::BulkScope scope(c);
            for (ars.first(); !ars.eof(); ars.next()) {
                ars.edit();
                ars.fieldByName(QStringLiteral("Pages")).setAsString(value);
                ars.post();
            }
        },
        5);
    const double bareMs = bench::timeMs(
        [&] {
            bench::BareSqlite bare(path);
            const QByteArray update = QStringLiteral("UPDATE Table1 SET Pages = 'Relié %1'").arg(++pass).toUtf8();
            sqlite3_exec(bare.handle(), update.constData(), nullptr, nullptr, nullptr);
        },
        5);
    bench::print(QStringLiteral("db_bulk_edit_post layer_ms"), layerMs, "ms");
    bench::print(QStringLiteral("db_bulk_edit_post single_update_ms"), bareMs, "ms");
    bench::printRatio(QStringLiteral("db_bulk_edit_post"), layerMs / bareMs);
}

// ADOTable1 as the book screens open it (Type="LIVRE", NumLivre order) walked reading the
// fields a list or search reads per copy; against the same rows and fields read by a bare SELECT.
QVL_BENCHMARK(db_filtered_table_walk)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Test1.bib"));
    bench::makeCatalogue(path);
    const QStringList fields{QStringLiteral("Titre"), QStringLiteral("Auteur"), QStringLiteral("Isbn13"),
                             QStringLiteral("Genre")};
    qint64 layerChars = 0;
    qint64 bareChars = 0;
    const double layerMs = bench::timeMs(
        [&] {
            db::Connection c(connectionStringFor(path));
            db::Table books(c, QStringLiteral("Table1"), QStringLiteral("NumLivre"));
            books.setFilter(QStringLiteral("Type=\"LIVRE\""));
            books.setFiltered(true);
            books.open();
            layerChars = 0;
            for (books.first(); !books.eof(); books.next()) {
                for (const QString& field : fields)
                    layerChars += books.fieldByName(field).asString().size();
            }
        },
        5);
    const double bareMs = bench::timeMs(
        [&] {
            bench::BareSqlite bare(path);
            sqlite3_stmt* select = nullptr;
            sqlite3_prepare_v2(bare.handle(), "SELECT * FROM Table1 WHERE Type = 'LIVRE' ORDER BY numlivre", -1,
                               &select, nullptr);
            // Titre, Auteur, Isbn13, Genre
            const int columns[] = {1, 4, 2, 7};
            bareChars = 0;
            while (sqlite3_step(select) == SQLITE_ROW) {
                for (int column : columns) {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(select, column));
                    bareChars += QString::fromUtf8(text, sqlite3_column_bytes(select, column)).size();
                }
            }
            sqlite3_finalize(select);
        },
        5);
    if (layerChars != bareChars)
        std::fprintf(stderr, "db_filtered_table_walk: the two walks read different rows\n");
    bench::print(QStringLiteral("db_filtered_table_walk layer_ms"), layerMs, "ms");
    bench::print(QStringLiteral("db_filtered_table_walk bare_select_ms"), bareMs, "ms");
    bench::printRatio(QStringLiteral("db_filtered_table_walk"), layerMs / bareMs);
}
