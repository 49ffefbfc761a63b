// Each print button of a page shown in a web view prints that page through the print dialog,
// into the PDF file chosen there.
#include "DriverRun.h"
#include "PdfText.h"

#include "app/DatabaseObjects.h"
#include "platform/db/Connection.h"
#include "platform/files/WindowsPath.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

struct PrintedPageCase {
    const char* what;
    QString opening;         // the actions that show the page
    const char* view;        // the web view that shows it
    const char* printButton;
    QString afterPrint;      // answers to what the print asks next
    QString row;             // a row the page shows
};

const QString kPrintedBook = QStringLiteral("Le Petit Prince");
const QString kPrintedDisc = QStringLiteral("Volcans d'Auvergne");
const QString kPrintFailed = QStringLiteral("L'impression n'a pas pu se faire : vérifiez l'imprimante choisie.");

}  // namespace

TEST(WebPagePrintingScenario, EveryPrintButtonPrintsThePageShownIntoTheFileChosen)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ProgramFolder program;
    ASSERT_EQ(play(program, logInScript()).exitCode, 0);
    {
        files::setProgramFolder(program.folder());
        db::Connection c(app::buildConnectionString(files::appDir()),
                         [](const QString& p) { return files::nativePath(p); });
        c.execute(QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, NbrExemplaire, Auteur, CodeBarres, "
                                 "IMP_CodeBarres) Values ('9782070612758', '%1', 'LIVRE', 1, 'Saint-Exupéry', "
                                 "'9HSKAHA*gbcfhi+', True)")
                      .arg(kPrintedBook));
        c.execute(QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, NbrExemplaire, MaxExemplaire, Auteur) "
                                 "Values ('3333333333333', 'Volcans d''Auvergne', 'DVD', 1, True, 'Haroun')"));
    }
    const PrintedPageCase cases[] = {
        {"search page",
         QStringLiteral("menu Livres > Rechercher\nclick Edit55\ntype prince\nanswer OK\nclick Button50\n"),
         "WebBrowser7", "Image100", {}, kPrintedBook},
        {"book catalogue", QStringLiteral("menu Livres > Catalogue Html Livre\nclick Button12\n"), "WebBrowser4",
         "Image57", {}, kPrintedBook},
        {"other-media catalogue", QStringLiteral("menu Autres_supports > Catalogue Html Autre _support\n"),
         "WebBrowser3", "Image14", {}, kPrintedDisc},
        {"list of books",
         QStringLiteral("menu Livres > Listes (csv) des livres\nanswer OK\nanswer Cancel\nclick Button53\n"),
         "WebBrowser8", "Image15", {}, kPrintedBook},
        // The print is not confirmed, so the flags stay for the next case.
        {"label page",
         QStringLiteral("menu Livres > Etiquettes Codebarre\nanswer OK\ntab TabSheet13\nclick SpeedButton36\n"),
         "WebBrowser10", "Image85", QStringLiteral("answer Cancel\nanswer OK\n"), kPrintedBook},
    };
    for (const PrintedPageCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QString pdf = program.drive(QString::fromUtf8(c.what) + QStringLiteral(".pdf"));
        const DriverResult run =
            play(program, logInScript() + c.opening +
                              QStringLiteral("expect-page-text %1 %2\n").arg(QLatin1String(c.view), c.row) +
                              QStringLiteral("answer %1\n").arg(pdf) + c.afterPrint +
                              QStringLiteral("click %1\n").arg(QLatin1String(c.printButton)));
        ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
        EXPECT_FALSE(run.joined().contains(kPrintFailed)) << run.joined().toStdString();
        EXPECT_TRUE(pdfText(pdftotext, pdf).contains(c.row)) << pdfText(pdftotext, pdf).toStdString();
    }
}

TEST(WebPagePrintingScenario, APrintThatFailsSaysSo)
{
    ProgramFolder program;
    ASSERT_EQ(play(program, logInScript()).exitCode, 0);
    const QString unwritable = program.drive(QStringLiteral("pas de dossier/page.pdf"));
    const DriverResult run = play(program, logInScript() + QStringLiteral("menu Livres > Rechercher\n"
                                                                          "click Edit55\ntype prince\n"
                                                                          "answer OK\nclick Button50\n"
                                                                          "wait-page WebBrowser7\n"
                                                                          "answer %1\nanswer OK\n"
                                                                          "click Image100\n")
                                                           .arg(unwritable));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(kPrintFailed).size(), 1) << run.joined().toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));
}
