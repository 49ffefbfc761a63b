// The library's pages and exchange files over the 50,000-copy catalogue: the HTML book catalogue
// built through its screen, the library export of every copy, and the import of that export
// into an empty library, against the same import done plainly on SQLite.
#include "app/FrmPrin.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include "platform/db/JetCollation.h"
#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <vector>

namespace {

const char* const kPlainImportColumns[] = {
    "Titre", "Auteur", "Editeur", "Descripteur", "Isbn10", "Type", "Genre", "MaxExemplaire", "NbrExemplaire",
    "Images", "Isbn13", "Pages", "Date_parution", "CodeBarres", "IMP_CodeBarres", "EmpNom", "EmpPrenom", "EmpClasse",
    "NumEmprunteur", "Empruntable", "LieuRangement", "Photo_rangement", "Resume", "Proprio", "Mot_cle", "Langue"};

// The import's work done plainly on SQLite: the same file read, its lines inserted with one
// prepared statement, then every copy numbered within its title and the last one marked, all
// in one transaction.
double plainLibraryImportMs(const QString& database, const QString& file)
{
    return bench::timeMs([&] {
        sqlite3* handle = nullptr;
        sqlite3_open_v2(QFile::encodeName(database).constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
        db::jet::registerOn(handle);
        QFile in(file);
        in.open(QIODevice::ReadOnly);
        const QStringList lines = text::splitLines(text::decodeWindows1252(in.readAll()));
        sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);

        QStringList names, places;
        for (const char* column : kPlainImportColumns) {
            names << QString::fromLatin1(column);
            places << QStringLiteral("?");
        }
        const QByteArray insertSql =
            QStringLiteral("INSERT INTO Table1 (%1) VALUES (%2)").arg(names.join(u','), places.join(u',')).toUtf8();
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(handle, insertSql.constData(), -1, &insert, nullptr);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QStringList values = lines[i].split(u';');
            if (values.size() != int(std::size(kPlainImportColumns)))
                continue;
            for (int c = 0; c < values.size(); ++c) {
                const QString& name = names[c];
                if (name == u"MaxExemplaire" || name == u"IMP_CodeBarres" || name == u"Empruntable")
                    sqlite3_bind_int(insert, c + 1, values[c] == u"Vrai" ? 1 : 0);
                else if (name == u"NbrExemplaire" || name == u"NumEmprunteur")
                    sqlite3_bind_int(insert, c + 1, values[c].toInt());
                else {
                    const QByteArray utf8 = values[c].toUtf8();
                    sqlite3_bind_text(insert, c + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
                }
            }
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);

        sqlite3_stmt* titles = nullptr;
        sqlite3_prepare_v2(handle, "SELECT numlivre, Titre FROM Table1 ORDER BY Titre, numlivre", -1, &titles, nullptr);
        std::vector<std::pair<qint64, QString>> copies;
        while (sqlite3_step(titles) == SQLITE_ROW)
            copies.emplace_back(sqlite3_column_int64(titles, 0),
                                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(titles, 1))));
        sqlite3_finalize(titles);
        sqlite3_stmt* number = nullptr;
        sqlite3_prepare_v2(handle, "UPDATE Table1 SET NbrExemplaire = ?1, MaxExemplaire = ?2 WHERE numlivre = ?3", -1,
                           &number, nullptr);
        int copyNumber = 0;
        for (size_t i = 0; i < copies.size(); ++i) {
            copyNumber = i > 0 && copies[i].second == copies[i - 1].second ? copyNumber + 1 : 1;
            const bool last = i + 1 == copies.size() || copies[i + 1].second != copies[i].second;
            sqlite3_bind_int(number, 1, copyNumber);
            sqlite3_bind_int(number, 2, last ? 1 : 0);
            sqlite3_bind_int64(number, 3, copies[i].first);
            sqlite3_step(number);
            sqlite3_reset(number);
        }
        sqlite3_finalize(number);
        sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close_v2(handle);
    });
}

}  // namespace

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
    const QString database = program.frm().db.ADOConnection1.nativePath();
    program.frm().db.ADOConnection1.execute(QStringLiteral("DELETE FROM Table1"));
    program.frm().db.ADOConnection1.close();
    const double rawMs = plainLibraryImportMs(database, exported);
    bench::print(QStringLiteral("library_import plain_ms"), rawMs, "ms");
    bench::printRatio(QStringLiteral("library_import"), ms / rawMs);
}
