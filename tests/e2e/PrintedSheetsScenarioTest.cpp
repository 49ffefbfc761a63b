// A generated page asked to break after every N rows prints each group of rows on a sheet of its
// own, and no blank sheet after the last.
#include "DriverRun.h"
#include "PdfPages.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// Empties the edit and types the text, as a librarian replaces a value.
QString replaceText(const char* edit, const QString& text)
{
    return QStringLiteral("click %1\nkey End\n").arg(QLatin1String(edit)) +
           QStringLiteral("key Backspace\n").repeated(12) + QStringLiteral("type %1\n").arg(text);
}

// The printing of the page the label tab shows, into `pdf`, its print not confirmed.
QString printLabelTab(const QString& pdf)
{
    return QStringLiteral("answer %1\nanswer Cancel\nanswer OK\nclick Image85\n").arg(pdf);
}

void addBooksAndBorrowers(const ProgramFolder& program)
{
    files::setProgramFolder(program.folder());
    db::Connection c(app::buildConnectionString(files::appDir()),
                     [](const QString& p) { return files::nativePath(p); });
    for (int n = 1; n <= 7; ++n)
        c.execute(QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, NbrExemplaire, Auteur, CodeBarres, "
                                 "IMP_CodeBarres) Values (?, ?, 'LIVRE', 1, 'Lenain', ?, ?)"),
                  {QStringLiteral("978207061275%1").arg(n), QStringLiteral("Livre %1").arg(n),
                   QStringLiteral("*978207061275%1*").arg(n), n <= 6});
    for (int n = 1; n <= 5; ++n)
        c.execute(QStringLiteral("Insert into Emprunteurs (EmpNom, EmpPrenom, Classe) Values (?, 'Léa', 'CM1')"),
                  {QStringLiteral("ELEVE%1").arg(n)});
}

}  // namespace

TEST(PrintedSheetsScenario, EachGroupOfRowsPrintsOnASheetOfItsOwn)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    ProgramFolder program;
    ASSERT_EQ(play(program, logInScript()).exitCode, 0);
    addBooksAndBorrowers(program);

    // The card page has no print button: the page's context menu prints it. The label tab, which
    // shows whatever its page file holds, prints it the same way.
    const DriverResult cards = play(
        program, logInScript() + QStringLiteral("menu Emprunteurs > Cartes Emprunteurs\n") +
                     replaceText("Edit96", QStringLiteral("2025/2026")) + replaceText("Edit83", QStringLiteral("2")) +
                     QStringLiteral("click Button65\nexpect-page-text WebBrowser9 ELEVE5\n"));
    ASSERT_EQ(cards.exitCode, 0) << cards.joined().toStdString();
    ASSERT_TRUE(QFile::copy(program.folder(QStringLiteral("emprunteurs.html")),
                            program.folder(QStringLiteral("Etiquettes.html"))));
    const QString cardsPdf = program.drive(QStringLiteral("cartes.pdf"));
    const DriverResult cardsPrint =
        play(program, logInScript() +
                          QStringLiteral("menu Livres > Etiquettes Codebarre\nanswer OK\ntab TabSheet13\n"
                                         "expect-page-text WebBrowser10 ELEVE5\n") +
                          printLabelTab(cardsPdf));
    ASSERT_EQ(cardsPrint.exitCode, 0) << cardsPrint.joined().toStdString();
    EXPECT_EQ(pdfPages(cardsPdf), 3) << "5 cards, 2 a sheet";

    const struct {
        const char* what;
        QString printing;  // the actions that build the page and print it into the file given
        int sheets;
    } cases[] = {
        {"label page, 6 labels, 2 a sheet",
         QStringLiteral("menu Livres > Etiquettes Codebarre\nanswer OK\ntab TabSheet13\n") +
             replaceText("Edit19", QStringLiteral("2")) +
             QStringLiteral("click SpeedButton36\nexpect-page-text WebBrowser10 Livre 6\n") +
             printLabelTab(QStringLiteral("%1")),
         3},
        {"catalogue, 7 books, 1 a sheet",
         QStringLiteral("menu Livres > Catalogue Html Livre\n") + replaceText("Edit115", QStringLiteral("1")) +
             QStringLiteral("click Button12\nexpect-page-text WebBrowser4 Livre 7\nanswer %1\nclick Image57\n"),
         7},
        {"search page, 7 answers, 3 a sheet",
         QStringLiteral("menu Livres > Rechercher\n") + replaceText("Edit86", QStringLiteral("3")) +
             QStringLiteral(
                 "click Edit55\ntype livre\nanswer OK\nclick Button50\nexpect-page-text WebBrowser7 Livre 7\n"
                 "answer %1\nclick Image100\n"),
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString pdf = program.drive(QString::fromLatin1(c.what) + QStringLiteral(".pdf"));
        const DriverResult run = play(program, logInScript() + c.printing.arg(pdf));
        ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
        EXPECT_EQ(pdfPages(pdf), c.sheets);
    }
}
