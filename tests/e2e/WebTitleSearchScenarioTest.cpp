// The title search through the driver, with the price site served by the local fixture servers:
// its search opens in the web result panel's real web view, the page that the site's script
// completes gives the cover, and the panel's history and close buttons act on it.
#include "DeliveredLanguage.h"
#include "DriverRun.h"
#include "BookSites.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString panelMessageLine(int entry)
{
    return QStringLiteral("dialog: QvlZantor | ") + deliveredFrench().message(entry) + QStringLiteral(" | OK");
}

}  // namespace

TEST(WebTitleSearchScenario, TheSearchPageOfTheTitleGivesItsCoverAndThePanelClosesBackToTheBook)
{
    ProgramFolder program;
    BookSites sites;
    sites.serveFound("chasse");
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "click Edit4\n"
        "type Le Petit Prince\n"
        "click SpeedButton2\n"
        "wait-page EdgeBrowser3\n"
        "expect-visible Panel21\n"
        "expect-visible EdgeBrowser3\n"
        "expect-visible BitBtn2\n"
        "expect-hidden SpeedButton3\n"
        "expect-text Edit155 Le Petit Prince\n"
        "expect-text Edit61 ChasseLivre\n"
        "expect-text Edit99 https://images.chasse-aux-livres.fr/covers/2070612759.jpg\n"
        "answer OK\n"
        "click SpeedButton27\n"
        "click SpeedButton30\n"
        "expect-hidden Panel21\n"
        "expect-visible Panel4\n"
        "expect-visible SpeedButton2\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(sites.requests().contains(QStringLiteral("www.chasse-aux-livres.fr /search?query=Le+Petit+Prince")))
        << sites.requests().join(u'\n').toStdString();
    // The book has no code yet: its cover waits under the name the save completes.
    EXPECT_TRUE(QFileInfo(program.folder(QStringLiteral("livres/Jaquettes/.jpg"))).size() > 1500);
    // Back with a single page in the history.
    EXPECT_TRUE(run.has(panelMessageLine(87))) << run.joined().toStdString();
}

TEST(WebTitleSearchScenario, TheTickedBoxesAddTheAuthorAndThePublisherToTheSearch)
{
    ProgramFolder program;
    BookSites sites;
    sites.serveFound("chasse");
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "click Edit4\n"
        "type Le lion\n"
        "click Edit5\n"
        "type Joseph Kessel\n"
        "click Edit12\n"
        "type Folio\n"
        "click CheckBox13\n"
        "click CheckBox14\n"
        "click SpeedButton2\n"
        "wait-page EdgeBrowser3\n"
        "answer OK\n"
        "click SpeedButton30\n"
        "click CheckBox13\n"
        "click SpeedButton2\n"
        "wait-page EdgeBrowser3\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    const QStringList searches = sites.requests().filter(QStringLiteral("/search?"));
    EXPECT_EQ(searches, (QStringList{QStringLiteral("www.chasse-aux-livres.fr /search?query=Le+lion+Joseph+Kessel+Folio"),
                                     QStringLiteral("www.chasse-aux-livres.fr /search?query=Le+lion+Folio")}))
        << sites.requests().join(u'\n').toStdString();
}

TEST(WebTitleSearchScenario, NoTitleAsksForOneAndSearchesNothing)
{
    ProgramFolder program;
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "answer OK\n"
        "click SpeedButton2\n"
        "expect-hidden Panel21\n"
        "expect-focus Edit4\n"));
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(run.has(panelMessageLine(161))) << run.joined().toStdString();
}
