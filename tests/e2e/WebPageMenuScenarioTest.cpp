// The pages of borrower cards and of books out are printed from their context menu: the cards by
// a real right click on the page, the list by the screen's print picture, which opens the same
// menu; each into the PDF file chosen in the print dialog.
#include "DriverRun.h"
#include "PdfText.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"
#include "platform/text/DateText.h"

#include <QDate>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

void addPupilsWithLoans(const ProgramFolder& program)
{
    files::setProgramFolder(program.folder());
    db::Connection connection(app::buildConnectionString(files::appDir()),
                              [](const QString& p) { return files::nativePath(p); });
    connection.execute(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('MARTIN','Léa','CM1')"));
    connection.execute(QStringLiteral("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('PETIT','Hugo','CE2')"));
    const QString due = text::shortDateText(QDate::currentDate().addDays(10));
    const QString lend = QStringLiteral(
        "Insert into Table1 (Titre,Isbn13,Type,EmpNom,EmpPrenom,EmpClasse,NumEmprunteur,DateRetour) "
        "Values ('%1','%2','LIVRE','%3','%4','%5',%6,'%7')");
    connection.execute(lend.arg("Le Petit Prince", "1111111111111", "MARTIN", "Léa", "CM1", "1", due));
    connection.execute(lend.arg("Les Fourmis", "2222222222222", "PETIT", "Hugo", "CE2", "2", due));
}

}  // namespace

TEST(WebPageMenuScenario, CardsAndTheListOfBooksOutPrintFromThePagesMenu)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        GTEST_SKIP() << "pdftotext, Xvfb and xdotool are needed";
    ProgramFolder program;
    ASSERT_EQ(play(program, logInScript()).exitCode, 0);
    addPupilsWithLoans(program);
    const QString cards = program.drive(QStringLiteral("cartes.pdf"));
    const QString list = program.drive(QStringLiteral("livres sortis.pdf"));
    const QString cardsShot = program.drive(QStringLiteral("cartes.png"));
    const QString listShot = program.drive(QStringLiteral("liste.png"));
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "menu Emprunteurs > Cartes Emprunteurs\n"
        "click Edit96\n"
        "key End\n") + QStringLiteral("key Backspace\n").repeated(9) + QStringLiteral(
        "type 2025/2026\n"
        "click Button65\n"
        "expect-page-text WebBrowser9 MARTIN\n"
        "screenshot %1\n"
        "answer Imprimer…\n"
        "answer %2\n"
        "realrightclick WebBrowser9\n"
        "menu Livres > Livres sortis\n"
        "answer OK\nanswer Cancel\nclick BitBtn5\n"
        "expect-page-text WebBrowser11 Les Fourmis\n"
        "screenshot %3\n"
        "answer Imprimer…\n"
        "answer %4\n"
        "click Image101\n").arg(cardsShot, cards, listShot, list), {QStringLiteral("--render")});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(QStringLiteral("popup: Imprimer… | Aperçu avant impression")).size(), 2)
        << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(QStringLiteral("dialog: Print")).size(), 2) << run.joined().toStdString();
    const QString printedCards = pdfText(pdftotext, cards);
    for (const char* shown : {"MARTIN", "Léa", "PETIT", "Hugo", "2025/2026"})
        EXPECT_TRUE(printedCards.contains(QString::fromUtf8(shown))) << shown << "\n" << printedCards.toStdString();
    const QString printedList = pdfText(pdftotext, list);
    for (const char* shown : {"MARTIN", "Léa", "PETIT", "Hugo", "Le Petit Prince", "Les Fourmis"})
        EXPECT_TRUE(printedList.contains(QString::fromUtf8(shown))) << shown << "\n" << printedList.toStdString();
}

TEST(WebPageMenuScenario, APreviewBeforeAnyListIsShownSaysThereIsNoPage)
{
    ProgramFolder program;
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "menu Livres > Livres sortis\n"
        "answer Aperçu avant impression\n"
        "answer OK\n"
        "click Image101\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("popup: Imprimer… | Aperçu avant impression"))) << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("dialog: QvlZantor | L'aperçu avant impression n'a pas pu se faire : la page "
                                       "n'est pas affichée. | OK")))
        << run.joined().toStdString();
}
