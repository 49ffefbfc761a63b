// A librarian finds copies in the books grid by their copy labels and deletes one: the copy goes
// with its journal line; a copy out on loan stays.
#include "DriverRun.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/DateText.h"
#include "platform/text/Windows1252.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

QString nativePath(const QString& path) { return files::nativePath(path); }

}  // namespace

TEST(BooksGridScenario, EffacerDeletesTheCopyWithItsJournalLineAndKeepsALentOne)
{
    ProgramFolder program;
    ASSERT_EQ(play(program, logInScript()).exitCode, 0);
    files::setProgramFolder(program.folder());
    {
        db::Connection c(app::buildConnectionString(files::appDir()), nativePath);
        c.execute(QStringLiteral("Insert into Table1 (Isbn13, Titre, Auteur, Editeur, Images, Type, NbrExemplaire, "
                                 "MaxExemplaire) Values ('9782070612758', 'Le Petit Prince', 'Saint-Exupéry', "
                                 "'Gallimard', '9782070612758.jpg', 'LIVRE', 1, True)"));
        c.execute(QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, NbrExemplaire, MaxExemplaire, EmpNom) "
                                 "Values ('9782211000000', 'Babar', 'LIVRE', 1, True, 'Durand')"));
    }
    const QByteArray journalBefore = program.read(QStringLiteral("Journal.csv"));
    const DriverResult run = play(program, logInScript() + QStringLiteral("tab TabSheet1\n"
                                                                          "expect-visible DBGrid1\n"
                                                                          "click Edit67\n"
                                                                          "scan I2\n"
                                                                          "expect-text Edit67\n"
                                                                          "expect-text ComboBox15 NumLivre\n"
                                                                          "answer OK\n"
                                                                          "answer OK\n"
                                                                          "click Button59\n"
                                                                          "click Button96\n"
                                                                          "click Edit67\n"
                                                                          "scan I1\n"
                                                                          "answer OK\n"
                                                                          "click Button59\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter("dialog: ").filter(QStringLiteral("emprunté")).size(), 1) << run.joined().toStdString();

    EXPECT_EQ(databaseRows(program, QStringLiteral("SELECT * FROM Table1 ORDER BY NumLivre"), {"Titre"}),
              QStringList{"Babar"});
    const QString journal = text::decodeWindows1252(program.read(QStringLiteral("Journal.csv")));
    EXPECT_EQ(journal, text::decodeWindows1252(journalBefore) + QStringLiteral("Suppression ;") +
                           text::shortDateText(QDate::currentDate()) +
                           QStringLiteral(";9782070612758;Le Petit Prince;Saint-Exupéry;Gallimard;9782070612758.jpg\r\n"));
}
