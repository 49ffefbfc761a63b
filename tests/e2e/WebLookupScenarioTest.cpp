// A scan on the entry screen with every book site served by local fixture servers: the sites
// asked in the chain's order, the fields and the cover of the one that has the book, and the
// code recorded when none has it.
#include "DriverRun.h"
#include "BookSites.h"

#include "platform/picture/PictureFile.h"
#include "tests/support/HostilePages.h"

#include <gtest/gtest.h>

namespace {

const QString kCoverFile = QStringLiteral("livres/Jaquettes/9782070612758.jpg");

// A program folder past its first start, with the four bookshop switches on as the options
// screen writes them (the first start's "true" reads as off).
void startOnce(const ProgramFolder& program)
{
    ASSERT_EQ(play(program, logInScript() + QStringLiteral("answer OK\nquit\n")).exitCode, 0);
    QByteArray settings = program.read(QStringLiteral("Fichier.ini"));
    settings.replace("dialoguebool=true", "dialoguebool=1");
    settings.replace("bookfinderbool=true", "bookfinderbool=1");
    settings.replace("decitrebool=False", "decitrebool=1");
    settings.replace("Amazonbool=true", "Amazonbool=1");
    program.write(QStringLiteral("Fichier.ini"), settings);
}

struct SiteCase {
    const char* site;
    std::vector<const char*> before;
    QString title;         // kept with its blanks, which the script's lines cannot say
    QString expectations;  // driver lines checking the other fields
    QStringList hosts;
};

}  // namespace

TEST(WebLookupScenario, AScanFillsTheRecordFromTheFirstSiteThatHasTheBook)
{
    const SiteCase cases[] = {
        {"dialogues", {}, QStringLiteral("Le Petit Prince "),
         QStringLiteral("expect-text Edit5 Saint-Exupéry, Antoine de\n"
                        "expect-text Edit12 Saint-Exupéry\n"
                        "expect-text Edit6 01/03/1999\n"
                        "expect-text Edit7 96\n"
                        "expect-text Edit95 843\n"),
         {QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("images.librairiedialogues.fr")}},
        {"bookfinder", {"dialogues"}, QStringLiteral("Le Petit Prince"),
         QStringLiteral("expect-text Edit5 Antoine de Saint-Exupéry\n"
                        "expect-text Edit12 Gallimard\n"
                        "expect-text Edit6\n"),
         {QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("www.bookfinder.com"),
          QStringLiteral("pictures.abebooks.com")}},
        {"decitre", {"dialogues", "bookfinder"}, QStringLiteral("Le Petit Prince Édition illustrée"),
         QStringLiteral("expect-text Edit5 Antoine de Saint-Exupéry\n"
                        "expect-text Edit12 Gallimard Jeunesse\n"
                        "expect-text Edit61 Decitre\n"),
         {QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("www.bookfinder.com"),
          QStringLiteral("www.decitre.fr"), QStringLiteral("products-images.di-static.com")}},
        {"amazon", {"dialogues", "bookfinder", "decitre"}, QStringLiteral("Le Petit Prince "),
         QStringLiteral("expect-text Edit12 Gallimard\n"
                        "expect-text Edit6 1 mars 1999\n"
                        "expect-text Edit7 96 pages\n"
                        "expect-text Edit91 Broché\n"),
         {QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("www.bookfinder.com"),
          QStringLiteral("www.decitre.fr"), QStringLiteral("www.amazon.fr"), QStringLiteral("m.media-amazon.com")}},
    };
    for (const SiteCase& c : cases) {
        SCOPED_TRACE(c.site);
        ProgramFolder program;
        startOnce(program);
        BookSites sites;
        for (const char* before : c.before)
            sites.serveNotFound(before);
        sites.serveFound(c.site);
        const DriverResult run = play(program, logInScript() + QStringLiteral("scan 9782070612758\n") + c.expectations +
                                                   QStringLiteral("expect-visible SpeedButton20\n"
                                                                  "expect-hidden Panel19\n"
                                                                  "show Edit4\n"));
        ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
        EXPECT_TRUE(run.lines.last().endsWith(QStringLiteral(" text \"") + c.title + u'"')) << run.lines.last().toStdString();
        EXPECT_EQ(sites.hostsAsked(), c.hosts);
        EXPECT_EQ(picture::detectFormat(program.read(kCoverFile)), picture::Format::Jpeg);
        EXPECT_TRUE(program.read(QStringLiteral("Isbn_non_trouves.csv")).isEmpty());
    }
}

TEST(WebLookupScenario, NoSiteHasTheBook)
{
    ProgramFolder program;
    startOnce(program);
    BookSites sites;
    for (const char* site : {"dialogues", "bookfinder", "amazon"})
        sites.serveNotFound(site);
    const DriverResult run = play(program, logInScript() + QStringLiteral("answer OK\n"
                                                                          "scan 9782070612758\n"
                                                                          "expect-text Edit4\n"
                                                                          "expect-text Edit5\n"
                                                                          "expect-text Edit12\n"
                                                                          "expect-text Edit61\n"
                                                                          "expect-focus Edit1\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(sites.hostsAsked(),
              (QStringList{QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("www.bookfinder.com"),
                           QStringLiteral("www.decitre.fr"), QStringLiteral("www.amazon.fr"),
                           QStringLiteral("www.chasse-aux-livres.fr")}));
    EXPECT_EQ(program.read(QStringLiteral("Isbn_non_trouves.csv")), QByteArray("9782070612758\r\n"));
    EXPECT_TRUE(program.read(kCoverFile).isEmpty());
}

TEST(WebLookupScenario, ASiteThatNeverAnswersIsLeftAfterItsTimeAndTheNextOneFillsTheRecord)
{
    ProgramFolder program;
    startOnce(program);
    BookSites sites;
    DeadPort silent(DeadPort::Silent);
    sites.routeHost(QStringLiteral("www.librairiedialogues.fr"), silent.port());
    sites.serveFound("bookfinder");
    const DriverResult run = play(program, logInScript() + QStringLiteral("scan 9782070612758\n"
                                                                          "expect-text Edit4 Le Petit Prince\n"
                                                                          "expect-text Edit12 Gallimard\n"
                                                                          "expect-hidden Panel19\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(sites.hostsAsked(), (QStringList{QStringLiteral("www.bookfinder.com"), QStringLiteral("pictures.abebooks.com")}));
    EXPECT_EQ(picture::detectFormat(program.read(kCoverFile)), picture::Format::Jpeg);
}

// A first site whose page nests its elements past any depth (as a hostile or broken site may
// send) neither ends nor freezes the program: that site counts as not having the book.
TEST(WebLookupScenario, APageNestedPastAnyDepthIsNotFoundAndTheNextSiteFillsTheRecord)
{
    ProgramFolder program;
    startOnce(program);
    BookSites sites;
    sites.serve(QStringLiteral("livre/9782070612758"),
                "<html><body>" + QByteArray("<div>").repeated(60000) + "Le Petit Prince");
    sites.serveFound("bookfinder");
    const DriverResult run = play(program, logInScript() + QStringLiteral("scan 9782070612758\n"
                                                                          "expect-text Edit12 Gallimard\n"
                                                                          "expect-hidden Panel19\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(sites.hostsAsked(), (QStringList{QStringLiteral("www.librairiedialogues.fr"), QStringLiteral("www.bookfinder.com"),
                                               QStringLiteral("pictures.abebooks.com")}));
}

// Pages of the largest size whose parse would grow past any memory or time, at a depth past any
// bound or at a bounded one, and tag soups: the first site counts as not having the book, and so
// do the others.
TEST(WebLookupScenario, HostilePagesOfTheLargestSizeLeaveTheBookNotFound)
{
    ProgramFolder program;
    startOnce(program);
    BookSites sites;
    constexpr qsizetype kBytes = 4 * 1024 * 1024;
    const std::pair<QString, QByteArray> pages[] = {
        {QStringLiteral("9782070000012"), hostile_pages::endTagsIgnored("mi", kBytes)},
        {QStringLiteral("9782070000029"), hostile_pages::formattingReopened(kBytes)},
        {QStringLiteral("9782070000036"), hostile_pages::tagSoup(1, kBytes)},
        {QStringLiteral("9782070000043"), hostile_pages::tagSoup(2, kBytes)},
    };
    QString script = logInScript();
    QByteArray notFound;
    QStringList hostileRequests;
    for (const auto& [code, page] : pages) {
        sites.serve(QStringLiteral("livre/") + code, page);
        script += QStringLiteral("answer OK\nscan %1\nexpect-text Edit4\nexpect-text Edit5\nexpect-focus Edit1\n")
                      .arg(code);
        notFound += code.toLatin1() + "\r\n";
        hostileRequests << QStringLiteral("www.librairiedialogues.fr /livre/") + code;
    }
    const DriverResult run = play(program, script);
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(program.read(QStringLiteral("Isbn_non_trouves.csv")), notFound);
    for (const QString& request : hostileRequests)
        EXPECT_TRUE(sites.requests().contains(request)) << request.toStdString();
}
