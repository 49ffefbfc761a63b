// Through the year: the librarian lists the copies out and the overdue ones, as CSV files and
// pages, and makes the page of reminders with a mail link per overdue copy.
#include "DeliveredLanguage.h"
#include "DriverRun.h"
#include "QtPrinters.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/DateText.h"
#include "platform/text/Windows1252.h"

#include <gtest/gtest.h>

namespace {

QString dayFromToday(int fromToday)
{
    return text::shortDateText(QDate::currentDate().addDays(fromToday));
}

void lendFourCopies(const ProgramFolder& program)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    const QString insert = QStringLiteral(
        "Insert into Table1 (Titre,Isbn13,Type,EmpNom,EmpPrenom,EmpClasse,NumEmprunteur,DateRetour,Photo_rangement) "
        "Values ('%1','%2','LIVRE','%3','%4','%5',%6,'%7','%8')");
    connection.execute(insert.arg("Alice & Bob", "1111111111111", "MARTIN", "Léa", "CM1", "1", dayFromToday(-1), "lea@example.org"));
    connection.execute(insert.arg("Babar", "2222222222222", "PETIT", "Hugo", "CE2", "2", dayFromToday(0), ""));
    connection.execute(insert.arg("Caillou", "3333333333333", "PETIT", "Hugo", "CE2", "2", dayFromToday(-30), ""));
    connection.execute(insert.arg("Dora", "4444444444444", "ROUX", "Anna", "CP", "3", dayFromToday(10), "anna@example.org"));
    connection.execute(QStringLiteral("Insert into Table1 (Titre,Isbn13,Type) Values ('Emile','5555555555555','LIVRE')"));
}

QStringList overdueFileLines(const ProgramFolder& program, const QString& file)
{
    return text::decodeWindows1252(program.read(file)).split(QStringLiteral("\r\n"));
}

TEST(ListsScenario, CopiesOutAndOverdueCopiesAreListedWithTheirReminderLinks)
{
    ProgramFolder program;
    lendFourCopies(program);
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "menu Livres > Livres sortis\n"
        "expect-visible Panel18\n"
        "answer OK\nanswer Cancel\nclick BitBtn5\n"
        "expect-page-text WebBrowser11 Dora\n"
        "answer OK\nanswer Cancel\nclick BitBtn7\n"
        "expect-page-text WebBrowser11 Caillou\n"
        "answer OK\nclick Button77\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter("error:").size(), 0) << run.joined().toStdString();

    EXPECT_EQ(overdueFileLines(program, "Listes/livres_Sortis.csv"),
              (QStringList{" EmpNom ; EmpPrenom ; EmpClasse ; NumEmprunteur ; Titre ; NumLivre ;ISBN13 ; DateRetour ",
                           "MARTIN;Léa;CM1;1;Alice & Bob;1;'1111111111111;" + dayFromToday(-1),
                           "PETIT;Hugo;CE2;2;Babar;2;'2222222222222;" + dayFromToday(0),
                           "PETIT;Hugo;CE2;2;Caillou;3;'3333333333333;" + dayFromToday(-30),
                           "ROUX;Anna;CP;3;Dora;4;'4444444444444;" + dayFromToday(10), ""}));
    EXPECT_EQ(overdueFileLines(program, "Livres_Retard_.csv"),
              (QStringList{"Titre;Isbn13;Auteur;genre;Lieurangement;EmpNom;EmpPrenom;Classe;DateRetour;mail;ImageLivre",
                           "Alice & Bob;'1111111111111;;;;MARTIN;Léa;CM1;" + dayFromToday(-1) + ";lea@example.org;1111111111111.jpg",
                           "Caillou;'3333333333333;;;;PETIT;Hugo;CE2;" + dayFromToday(-30) + ";;3333333333333.jpg", ""}))
        << overdueFileLines(program, "Livres_Retard_.csv").join(u'|').toStdString();
    const QString page = text::decodeWindows1252(program.read("Livres_Retard.html"));
    EXPECT_TRUE(page.contains(QStringLiteral("mailto:lea@example.org?subject=Livre%20en%20retard&amp;body=Alice%20%26%20Bob%20") +
                              dayFromToday(-1).replace(u'/', QStringLiteral("%2F"))))
        << page.toStdString();
    EXPECT_EQ(page.count(QStringLiteral("mailto:")), 1);
    // "The page is ready. It is saved here:" names where.
    const qsizetype ready =
        run.lines.indexOf(QStringLiteral("dialog: QvlZantor | ") + deliveredFrench().message(220));
    ASSERT_GE(ready, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.value(ready + 1), QStringLiteral("\\r") + program.folder("Livres_Retard.html") + " | OK")
        << run.joined().toStdString();
}

}  // namespace
