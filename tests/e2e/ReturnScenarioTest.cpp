// An afternoon at the return desk over a catalogue and the school's 600 pupils: four books a pupil
// holds come back, three by scanning their codes and the fourth by its copy label; a copy label
// of a copy that is not out changes nothing; a title two pupils hold lists both.
#include "DriverRun.h"

#include "platform/db/Connection.h"
#include "platform/text/Windows1252.h"
#include "tools/bench/Borrowers.h"
#include "tools/bench/Catalogue.h"

#include <QDate>
#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr int kReturnDeskCopies = 2000;


// A loan written as the loan screen writes it; a loan by copy number marks the first name.
void lend(db::Connection& c, int copy, int pupil, bool byCopyNumber)
{
    const QString firstName = bench::borrowerFirstName(pupil) + (byCopyNumber ? QStringLiteral(" *%1*").arg(copy) : QString());
    c.execute(QStringLiteral("UPDATE Table1 SET EmpNom ='%1',EmpPrenom='%2',EmpClasse='%3',NumEmprunteur=%4,"
                             "DateEmprunt='01/12/2025',DateRetour='15/12/2025' WHERE NumLivre =%5")
                  .arg(bench::borrowerSurname(pupil), firstName, bench::borrowerClass(pupil))
                  .arg(pupil)
                  .arg(copy));
}

QString returnLine(const QString& codeField, int copy, int pupil)
{
    return QStringLiteral("Retour;%1;%2 [%3];%4;Auteur %5;%6;%7;%8;%9;Roman")
        .arg(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), codeField)
        .arg(copy)
        .arg(bench::copyTitle(copy))
        .arg(copy % 700)
        .arg(bench::borrowerSurname(pupil), bench::borrowerFirstName(pupil), bench::borrowerClass(pupil))
        .arg(pupil);
}

}  // namespace

TEST(ReturnScenario, FourBooksComeBackByCodeAndByCopyLabel)
{
    ProgramFolder program;
    const QString database = program.folder(QStringLiteral("Test1.bib"));
    bench::addCatalogueCopies(database, kReturnDeskCopies);
    bench::addBorrowers(database);
    const int pupil = 7;
    const int others[] = {8, 9};
    const int books[] = {1, 2, 3, 6};
    {
        db::Connection c(QStringLiteral("Data Source=") + database);
        for (int copy : books)
            lend(c, copy, pupil, copy == 6);
        c.execute(QStringLiteral("UPDATE Emprunteurs SET NbrEmpruntsTotal =4,NbrEmpruntsEnCours=4 WHERE NumEmprunteur =%1")
                      .arg(pupil));
        // Two copies of one title, each with another pupil.
        c.execute(QStringLiteral("UPDATE Table1 SET Isbn13 ='%1' WHERE NumLivre =11").arg(bench::copyCode(10)));
        lend(c, 10, others[0], false);
        lend(c, 11, others[1], false);
    }
    const QByteArray journalBefore = program.read(QStringLiteral("Journal.csv"));
    const QString screenshot = program.drive(QStringLiteral("return.png"));
    const QString found = QStringLiteral("expect-focus Button48\nexpect-text Edit50 %1\nexpect-text Edit49 %2\n")
                              .arg(bench::borrowerSurname(pupil))
                              .arg(pupil);
    QString script = logInScript() + QStringLiteral("click ToolButton2\nexpect-focus Edit48\n");
    for (int copy : {1, 2, 3})
        script += QStringLiteral("scan %1\n").arg(bench::copyCode(copy)) + found +
                  QStringLiteral("key enter\nexpect-focus Edit48\nexpect-hidden Button48\n");
    script += QStringLiteral("scan I6\n") + found + QStringLiteral("key enter\nexpect-focus Edit48\n");
    // The same label again: that copy is not out any more.
    script += QStringLiteral("answer OK\nscan I6\nexpect-hidden Button48\n");
    script += QStringLiteral("click Edit48\nscan %1\nexpect-visible Panel23\nexpect-text Edit54 2\nscreenshot %2\n")
                  .arg(bench::copyCode(10), screenshot);
    script += QStringLiteral("click Button49\nexpect-hidden Panel23\n");

    const DriverResult run = play(program, script, {QStringLiteral("--render")});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();

    EXPECT_EQ(databaseRows(program, QStringLiteral("SELECT * FROM Table1 WHERE NumEmprunteur <> 0 ORDER BY NumLivre"),
                           {"NumLivre", "NumEmprunteur"}),
              (QStringList{QStringLiteral("10|%1").arg(others[0]), QStringLiteral("11|%1").arg(others[1])}));
    for (int copy : books)
        EXPECT_EQ(databaseRows(program, QStringLiteral("SELECT * FROM Table1 WHERE NumLivre = %1").arg(copy),
                               {"EmpNom", "EmpPrenom", "EmpClasse", "DateEmprunt", "DateRetour"}),
                  QStringList{QStringLiteral("||||")})
            << copy;
    EXPECT_EQ(databaseRows(program, QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = %1").arg(pupil),
                           {"NbrEmpruntsTotal", "NbrEmpruntsEnCours"}),
              QStringList{QStringLiteral("4|0")});

    QString lines;
    for (int copy : {1, 2, 3})
        lines += returnLine(bench::copyCode(copy), copy, pupil) + QStringLiteral("\r\n");
    lines += returnLine(QString(), 6, pupil) + QStringLiteral("\r\n");
    EXPECT_EQ(text::decodeWindows1252(program.read(QStringLiteral("Journal.csv"))),
              text::decodeWindows1252(journalBefore) + lines);
    EXPECT_FALSE(QImage(screenshot).isNull());
}
