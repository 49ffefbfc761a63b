// The web result panel's real web view showing a product page the librarian went to by its
// address, read into the entry tab with "Lire la page"; every site served by the local fixture
// servers.
#include "DriverRun.h"
#include "BookSites.h"

#include "platform/picture/PictureFile.h"

#include <QFile>
#include <gtest/gtest.h>

TEST(WebShownPageScenario, TheProductPageShownInThePanelFillsTheEntryTabAndItsCover)
{
    ProgramFolder program;
    BookSites sites;
    sites.serve(QStringLiteral("search"), QByteArray("<html><body><p>Aucun livre</p></body></html>"));
    sites.serveFixture(QStringLiteral("dp/2070360024"), QStringLiteral("shown/amazon.html"));
    sites.serve(QStringLiteral("images/I/51AbCdEf._SX300_.jpg"), BookSites::cover("JPEG"));
    const QString screenshot = program.drive(QStringLiteral("panel.png"));
    const DriverResult run = play(program, logInScript() +
        panelAtAddressScript(QStringLiteral("https://www.amazon.fr/dp/2070360024")) + QStringLiteral(
        "screenshot %1\n"
        "click BitBtn2\n"
        "expect-hidden Panel21\n"
        "expect-visible Panel4\n"
        "expect-text Edit10 9782070360024\n"
        "expect-text Edit12 Gallimard\n"
        "expect-text Edit6 6 mai 1972\n"
        "expect-text Edit7 96 pages\n"
        "expect-text Edit92 12,50\n"
        "expect-text Edit61 amazonpage\n").arg(screenshot), {QStringLiteral("--render")});
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(sites.requests().contains(QStringLiteral("www.amazon.fr /dp/2070360024")))
        << sites.requests().join(u'\n').toStdString();
    EXPECT_EQ(picture::detectFormat(program.read(QStringLiteral("livres/Jaquettes/9782070360024.jpg"))),
              picture::Format::Jpeg);
    EXPECT_TRUE(QFile::exists(screenshot));
}
