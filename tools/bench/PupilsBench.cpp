// The start and the course of a school year over the 50,000-copy catalogue: 2,000 pupils imported
// from the pupil-base export through the import screen, and the page of overdue copies with its
// reminder links made while 1,500 copies are out.
#include "app/FrmPrin.h"
#include "platform/text/Windows1252.h"
#include "tools/bench/BenchProgram.h"
#include "tools/bench/Benchmark.h"
#include "tools/bench/Catalogue.h"

#include <QDir>
#include <QFile>

namespace {

constexpr int kPupils = 2000;
constexpr int kCopiesOut = 1500;

void writeExport(const QString& path)
{
    QString text = QStringLiteral("\"INE\";\"Nom élève\";\"Prénom élève\";\"Date naissance\";\"Libellé classe\";\r\n");
    for (int i = 0; i < kPupils; ++i)
        text += QStringLiteral("\"%1\";\"ÉLÈVE%2\";\"Prénom%3\";\"01/09/2017\";\"CM%4\";\r\n")
                    .arg(100000 + i).arg(i).arg(i % 97).arg(i % 12);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text::encodeWindows1252(text));
}

}  // namespace

QVL_BENCHMARK(pupil_import)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    const QString csv = QDir(folder.folder()).filePath(QStringLiteral("CSVExtraction.csv"));
    writeExport(csv);
    bench::LoggedInProgram program;
    const double ms = bench::timeMs([&] {
        program.input.menu(QStringLiteral("Emprunteurs > Importer Onde"));
        program.p.dialogs.answer(QStringLiteral("OK"));
        program.p.dialogs.answer(csv);
        program.p.dialogs.answer(QStringLiteral("OK"));
        program.p.dialogs.answer(QStringLiteral("OK"));
        program.input.click(QStringLiteral("Button14"));
    }, 3);
    bench::print(QStringLiteral("pupil_import ms_for_%1_pupils").arg(kPupils), ms, "ms");
}

QVL_BENCHMARK(overdue_list)
{
    bench::BenchProgramFolder folder;
    folder.enter();
    bench::LoggedInProgram program;
    program.frm().db.ADOConnection1.execute(
        QStringLiteral("UPDATE Table1 SET EmpNom='MARTIN',EmpPrenom='Léa',EmpClasse='CM1',NumEmprunteur=1,"
                       "DateRetour='01/12/2025',Photo_rangement='lea@example.org' WHERE NumLivre <= ?"),
        {kCopiesOut});
    program.input.menu(QStringLiteral("Livres > Retours en retard"));
    const double ms = bench::timeMs([&] {
        program.p.dialogs.answer(QStringLiteral("OK"));
        program.input.click(QStringLiteral("Button77"));
    }, 3);
    bench::print(QStringLiteral("overdue_list ms_at_%1_copies_%2_out").arg(bench::kCatalogueCopies).arg(kCopiesOut), ms,
                 "ms");
}
