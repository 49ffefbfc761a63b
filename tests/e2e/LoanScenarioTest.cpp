// A morning at the desk over a catalogue and the school's 600 pupils: a pupil found by the first
// letters of the surname and by the forgotten-number search, four books lent to that pupil, and
// the scans that must change nothing: a code not in the catalogue, a copy already out and a
// burst of garbage into the code field.
#include "DriverRun.h"

#include "platform/text/Windows1252.h"
#include "tools/bench/Borrowers.h"
#include "tools/bench/Catalogue.h"

#include <QDate>
#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr int kLoanDeskCopies = 2000;


void writePicture(const ProgramFolder& program, const QString& relative, int hue)
{
    QImage picture(95, 135, QImage::Format_RGB32);
    picture.fill(QColor::fromHsv(hue, 200, 220));
    picture.save(program.folder(relative), "JPG");
}

// The pupil the name look-up gives for letters: the first surname, in order, at or after them.
int firstPupilFrom(const QString& letters)
{
    int found = 0;
    for (int n = 1; n <= bench::kBorrowers; ++n) {
        const QString surname = bench::borrowerSurname(n);
        if (surname >= letters && (found == 0 || surname < bench::borrowerSurname(found)))
            found = n;
    }
    return found;
}

QString loanLine(int copy, int pupil)
{
    return QStringLiteral("Sortie;%1;%2;%3 [];Auteur %4;%5;%6;%7;%8;Roman")
        .arg(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), bench::copyCode(copy), bench::copyTitle(copy))
        .arg(copy % 700)
        .arg(bench::borrowerSurname(pupil), bench::borrowerFirstName(pupil), bench::borrowerClass(pupil))
        .arg(pupil);
}

}  // namespace

TEST(LoanScenario, PupilFoundByNameAndByForgottenNumberBorrowsFourBooks)
{
    ProgramFolder program;
    const QString database = program.folder(QStringLiteral("Test1.bib"));
    bench::addCatalogueCopies(database, kLoanDeskCopies);
    bench::addBorrowers(database);
    const QString letters = QStringLiteral("VANS");
    const int pupil = firstPupilFrom(letters);
    ASSERT_GT(pupil, 0);
    const int other = pupil == 1 ? 2 : 1;
    const int books[] = {1, 2, 3, 6};
    for (int copy : books)
        writePicture(program, QStringLiteral("livres/Jaquettes/") + bench::copyCode(copy) + QStringLiteral(".JPG"), copy * 61 % 360);
    writePicture(program,
                 QStringLiteral("Photo_emprunteur/%1_%2.jpg").arg(bench::borrowerSurname(pupil), bench::borrowerFirstName(pupil)),
                 200);
    const QByteArray journalBefore = program.read(QStringLiteral("Journal.csv"));
    const QString screenshot = program.drive(QStringLiteral("loan.png"));
    const QString ready = QStringLiteral("expect-focus Button40\nexpect-text Edit43 %1\n").arg(bench::borrowerSurname(pupil));

    const DriverResult run = play(
        program,
        logInScript() + QStringLiteral("click ToolButton3\n") +
            // Four letters in the borrower field, then the book.
            QStringLiteral("click Edit41\ntype %1\nclick Edit39\nscan %2\n").arg(letters, bench::copyCode(1)) + ready +
            QStringLiteral("key enter\nexpect-hidden Button40\nexpect-focus Edit39\n") +
            // The forgotten number, by surname and first name.
            QStringLiteral("click Button42\ntype %1\nclick Edit42\ntype %2\nclick Button43\nexpect-text Edit41 %3\n")
                .arg(bench::borrowerSurname(pupil).toLower(), bench::borrowerFirstName(pupil))
                .arg(pupil) +
            QStringLiteral("expect-hidden Button40\nclick Edit39\nscan %1\n").arg(bench::copyCode(2)) + ready +
            QStringLiteral("key enter\n") +
            // The card, then the book; the fourth loan is pictured before it is made.
            QStringLiteral("scan E%1\nscan %2\n").arg(pupil).arg(bench::copyCode(3)) + ready + QStringLiteral("key enter\n") +
            QStringLiteral("scan E%1\nscan %2\n").arg(pupil).arg(bench::copyCode(6)) + ready +
            QStringLiteral("expect-text Edit111 3\nscreenshot %1\nkey enter\n").arg(screenshot) +
            // A code that is not in the catalogue.
            QStringLiteral("scan E%1\nanswer Cancel\nscan 9780000000002\nexpect-hidden Button40\n").arg(other) +
            // A copy already out: the search shows it, the loan is refused with its holder.
            QStringLiteral("click Edit39\nscan E%1\nscan %2\nanswer OK\nkey enter\n").arg(other).arg(bench::copyCode(1)) +
            // Garbage into the code field.
            QStringLiteral("click Button39\nclick Edit39\nanswer OK\nscan x'; DROP TABLE Emprunteurs; --\n") +
            QStringLiteral("answer Cancel\nclick Button41\nexpect-hidden Button40\n"),
        {QStringLiteral("--render")});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    // The thirteenth character of the burst sent the rest, less its "E", to the borrower field.
    EXPECT_TRUE(run.has(QStringLiteral("dialog: QvlZantor | Vous venez de doucher 2 livres de suite  Emprunteurs; -- | OK")))
        << run.joined().toStdString();

    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    const QStringList copies = databaseRows(
        program, QStringLiteral("SELECT * FROM Table1 WHERE NumEmprunteur <> 0 ORDER BY NumLivre"),
        {"NumLivre", "EmpNom", "EmpPrenom", "EmpClasse", "NumEmprunteur", "DateEmprunt", "NbreFoisEmprunte"});
    QStringList expected;
    for (int copy : books)
        expected << QStringLiteral("%1|%2|%3|%4|%5|%6|00001")
                        .arg(copy)
                        .arg(bench::borrowerSurname(pupil), bench::borrowerFirstName(pupil), bench::borrowerClass(pupil))
                        .arg(pupil)
                        .arg(today);
    EXPECT_EQ(copies, expected);
    EXPECT_EQ(databaseRows(program, QStringLiteral("SELECT * FROM Emprunteurs WHERE NbrEmpruntsTotal > 0"),
                           {"NumEmprunteur", "NbrEmpruntsTotal", "NbrEmpruntsEnCours", "NumINE"}),
              QStringList{QStringLiteral("%1|4|4|%2").arg(pupil).arg(today)});
    EXPECT_EQ(storedColumn(program, QStringLiteral("SELECT * FROM Emprunteurs"), QStringLiteral("NumEmprunteur")).size(),
              bench::kBorrowers);

    QString lines;
    for (int copy : books)
        lines += loanLine(copy, pupil) + QStringLiteral("\r\n");
    EXPECT_EQ(text::decodeWindows1252(program.read(QStringLiteral("Journal.csv"))),
              text::decodeWindows1252(journalBefore) + lines);

    const QImage picture(screenshot);
    EXPECT_FALSE(picture.isNull());
}
