// A scan read from the price-comparison site (every bookshop switched off), its pages served by
// the local fixture servers: the price page, reached by the site's redirect to the book's
// address and completed by its own script, fills the record; a page that names no book leaves
// the code not found.
#include "DriverRun.h"
#include "BookSites.h"

#include "platform/picture/PictureFile.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// A program folder past its first start with only the price site switched on.
void startWithOnlyThePriceSite(const ProgramFolder& program)
{
    ASSERT_EQ(play(program, logInScript() + QStringLiteral("answer OK\nquit\n")).exitCode, 0);
    QString settings = QString::fromLatin1(program.read(QStringLiteral("Fichier.ini")));
    settings.replace(QRegularExpression(QStringLiteral("ChasseLivrebool=\\w*")), QStringLiteral("ChasseLivrebool=1"));
    program.write(QStringLiteral("Fichier.ini"), settings.toLatin1());
}

}  // namespace

TEST(WebPriceSiteScenario, ThePricePageOfTheScannedBookFillsItsRecordAndAPageWithoutBookFindsNothing)
{
    const QString pricePage = QStringLiteral("prix/") + BookSites::kIsbn10;
    for (const bool served : {true, false}) {
        SCOPED_TRACE(served ? "price page" : "no book page");
        ProgramFolder program;
        startWithOnlyThePriceSite(program);
        BookSites sites;
        if (served) {
            sites.serve(pricePage + QStringLiteral(".moved"), "/" + pricePage.toLatin1() + "/le-petit-prince");
            sites.serveFixture(pricePage + QStringLiteral("/le-petit-prince"), QStringLiteral("chasse/price.html"));
            sites.serve(QStringLiteral("covers/") + BookSites::kIsbn10 + QStringLiteral(".jpg"), BookSites::cover("JPEG"));
        }
        // A code nobody has is told to the librarian.
        const DriverResult run = play(program, logInScript() + QString(served ? "" : "answer OK\n") +
                                                   QStringLiteral("scan 9782070612758\n"
                                                                             "show Edit4\nshow Edit5\nshow Edit6\n"
                                                                             "show Edit12\nshow Edit61\nshow Edit2\n"));
        ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
        EXPECT_TRUE(sites.requests().contains(QStringLiteral("www.chasse-aux-livres.fr /") + pricePage))
            << sites.requests().join(u'\n').toStdString();
        const auto shown = [&run](const char* control) {
            const QString prefix = QStringLiteral("show: %1 ").arg(QLatin1String(control));
            const QStringList lines = run.lines.filter(prefix);
            return lines.isEmpty() ? QString() : lines.last().section(QStringLiteral(" text \""), 1).chopped(1);
        };
        if (served) {
            EXPECT_EQ(shown("Edit4"), QStringLiteral("le petit prince"));
            EXPECT_EQ(shown("Edit5"), QStringLiteral("Antoine de Saint-Exupéry"));
            EXPECT_EQ(shown("Edit6"), QStringLiteral("le 06/04/1999 "));
            EXPECT_EQ(shown("Edit12"), QStringLiteral("Gallimard "));
            EXPECT_EQ(shown("Edit61"), QStringLiteral("ChasseLivre"));
            EXPECT_EQ(shown("Edit2"), BookSites::kIsbn10);
            EXPECT_EQ(picture::detectFormat(program.read(QStringLiteral("livres/Jaquettes/9782070612758.jpg"))),
                      picture::Format::Jpeg);
            EXPECT_TRUE(program.read(QStringLiteral("Isbn_non_trouves.csv")).isEmpty());
            // The page read and its address are left for inspection; the page goes into the
            // Dialogues reader's dump when that one is there, names matching without regard to case.
            const QStringList dumps = QDir(program.folder()).entryList({QStringLiteral("dialogue_InnerHTML.Html")});
            ASSERT_EQ(dumps.size(), 1);
            EXPECT_TRUE(program.read(dumps.first()).contains("Saint-Exup"));
            EXPECT_TRUE(program.read(QStringLiteral("Title.txt")).endsWith("/" + pricePage.toLatin1() + "/le-petit-prince"))
                << program.read(QStringLiteral("Title.txt")).toStdString();
        } else {
            EXPECT_EQ(shown("Edit4"), QString());
            EXPECT_EQ(program.read(QStringLiteral("Isbn_non_trouves.csv")), QByteArray("9782070612758\r\n"));
        }
    }
}
