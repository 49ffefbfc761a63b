// A librarian's real mouse and keyboard on the pages of the web result panel, on a display of the
// driver's own: the input goes through Qt and the web engine (X events), not through the
// control model. Every site is served by the local fixture servers.
#include "DriverRun.h"
#include "BookSites.h"

#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QStringList kRender{QStringLiteral("--render")};

const QString kPageMenu = QStringLiteral("popup: Imprimer… | Aperçu avant impression");

// A page with a field that echoes what it gets and a paragraph that tells a double click, long
// enough to scroll, telling how far it was scrolled.
const QByteArray kFieldPage = QByteArrayLiteral(
    "<html><head><meta charset=\"utf-8\"><title>Fiche du lecteur</title></head>"
    "<body style=\"height:4000px;margin:0\">"
    "<p id=\"vu\" style=\"position:fixed;top:0;left:20px\">Pas encore défilé</p>"
    "<p style=\"position:absolute;top:80px;left:20px\"><label for=\"nom\">Nom du lecteur</label> "
    "<input id=\"nom\" size=\"30\" oninput=\"document.getElementById('recu').textContent = 'Reçu : ' + this.value\"></p>"
    "<p id=\"recu\" style=\"position:absolute;top:140px;left:20px\">Rien reçu</p>"
    "<p style=\"position:absolute;top:200px;left:20px\" ondblclick=\"this.textContent = 'Double clic reçu'\">"
    "Double-cliquez ici</p>"
    "<script>window.addEventListener('scroll', () => {"
    " document.getElementById('vu').textContent = 'Défilé de ' + Math.round(window.scrollY) + ' px'; });</script>"
    "</body></html>");

const QString kFieldAddress = QStringLiteral("https://www.chasse-aux-livres.fr/fiche");

class WebPageInputScenario : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "Xvfb and xdotool are needed for real input";
    }

    ProgramFolder program;
};

}  // namespace

TEST_F(WebPageInputScenario, TheTitleSearchResultClickedOpensTheProductPageThatLireLaPageReads)
{
    BookSites sites;
    sites.serve(QStringLiteral("search"),
                QByteArrayLiteral("<html><head><meta charset=\"utf-8\"><title>Recherche</title></head><body>"
                                  "<h1>Résultats pour « Le lion »</h1><ul><li>"
                                  "<a href=\"https://www.amazon.fr/dp/2070360024\">Le lion, de Joseph Kessel</a>"
                                  "</li></ul></body></html>"));
    sites.serveFixture(QStringLiteral("dp/2070360024"), QStringLiteral("shown/amazon.html"));
    sites.serve(QStringLiteral("images/I/51AbCdEf._SX300_.jpg"), BookSites::cover("JPEG"));
    const QString searchShot = program.drive(QStringLiteral("recherche.png"));
    const QString productShot = program.drive(QStringLiteral("produit.png"));
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "click Edit4\n"
        "type Le lion\n"
        "click SpeedButton2\n"
        "wait-page EdgeBrowser3\n"
        "expect-visible Panel21\n"
        "expect-page-text EdgeBrowser3 Le lion, de Joseph Kessel\n"
        "screenshot %1\n"
        "realclick EdgeBrowser3 Le lion, de Joseph Kessel\n"
        "wait-page EdgeBrowser3\n"
        "expect-page-text EdgeBrowser3 Gallimard\n"
        "screenshot %2\n"
        "click BitBtn2\n"
        "expect-hidden Panel21\n"
        "expect-visible Panel4\n"
        "expect-text Edit10 9782070360024\n"
        "expect-text Edit12 Gallimard\n"
        "expect-text Edit61 amazonpage\n").arg(searchShot, productShot), kRender);
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(sites.requests().contains(QStringLiteral("www.amazon.fr /dp/2070360024")))
        << sites.requests().join(u'\n').toStdString();
    EXPECT_TRUE(QFile::exists(searchShot));
    EXPECT_TRUE(QFile::exists(productShot));
}

TEST_F(WebPageInputScenario, APageTakesClicksDoubleClicksTheWheelAndTheKeysOfAClickIntoItsField)
{
    BookSites sites;
    sites.serve(QStringLiteral("search"), QByteArrayLiteral("<html><body><p>Aucun livre</p></body></html>"));
    sites.serve(QStringLiteral("fiche"), kFieldPage);
    const QString typedShot = program.drive(QStringLiteral("champ.png"));
    const QString scrolledShot = program.drive(QStringLiteral("defile.png"));
    const DriverResult run = play(program, logInScript() + panelAtAddressScript(kFieldAddress) + QStringLiteral(
        // The page that gave no cover empties the address box.
        "expect-text Edit99\n"
        // Typed after a click into the page's field: the field has it, the address box not.
        "realclick EdgeBrowser3 Nom du lecteur\n"
        "expect-focus EdgeBrowser3\n"
        "realtype Lea Martin\n"
        "realkey BackSpace\n"
        "expect-page-text EdgeBrowser3 Reçu : Lea Marti\n"
        "expect-text Edit99\n"
        "screenshot %1\n"
        // A click on the address box takes the keys back.
        "realclick Edit99\n"
        "expect-focus Edit99\n"
        "realtype page 2\n"
        "expect-text Edit99 page 2\n"
        "expect-page-text EdgeBrowser3 Reçu : Lea Marti\n"
        "realdoubleclick EdgeBrowser3 Double-cliquez ici\n"
        "expect-page-text EdgeBrowser3 Double clic reçu\n"
        "realwheel EdgeBrowser3 5\n"
        "expect-page-text EdgeBrowser3 Défilé de\n"
        "screenshot %2\n"
        "answer Cancel\n"
        "realrightclick EdgeBrowser3\n"
        "answer Aperçu avant impression\n"
        "answer OK\n"
        "realrightclick EdgeBrowser3\n").arg(typedShot, scrolledShot), kRender);
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_EQ(run.lines.filter(kPageMenu).size(), 2) << run.joined().toStdString();
    EXPECT_TRUE(run.has(QStringLiteral("dialog: Aperçu avant impression |  | OK,Annuler"))) << run.joined().toStdString();
    EXPECT_TRUE(QFile::exists(typedShot));
    EXPECT_TRUE(QFile::exists(scrolledShot));
}

TEST_F(WebPageInputScenario, TheWholeHistoryOpensAClassThenAPupilsFolderOfCoversByClicks)
{
    program.write(QStringLiteral("Historique_emprunt/CM1/MARTIN.Léa/Le_Petit_Prince.jpg"), BookSites::cover("JPEG"));
    program.write(QStringLiteral("Historique_emprunt/CM1/MARTIN.Léa/Babar.jpg"), BookSites::cover("JPEG"));
    program.write(QStringLiteral("Historique_emprunt/CM1/ROUX.Anna/Caillou.jpg"), BookSites::cover("JPEG"));
    program.write(QStringLiteral("Historique_emprunt/CE2/PETIT.Hugo/Dora.jpg"), BookSites::cover("JPEG"));
    const QString pupilShot = program.drive(QStringLiteral("eleve.png"));
    const QString coverShot = program.drive(QStringLiteral("couverture.png"));
    const DriverResult run = play(program, logInScript() + QStringLiteral(
        "menu Emprunteurs > Voir tous les livres déjà emprumtés\n"
        "wait-page EdgeBrowser3\n"
        "expect-page-text EdgeBrowser3 CE2/\n"
        "realclick EdgeBrowser3 CM1/\n"
        "wait-page EdgeBrowser3\n"
        "expect-page-text EdgeBrowser3 ROUX.Anna/\n"
        "realclick EdgeBrowser3 MARTIN.Léa/\n"
        "wait-page EdgeBrowser3\n"
        "expect-page-text EdgeBrowser3 Le_Petit_Prince.jpg\n"
        "expect-page-text EdgeBrowser3 Babar.jpg\n"
        "screenshot %1\n"
        "realclick EdgeBrowser3 Babar.jpg\n"
        "wait-page EdgeBrowser3\n"
        "screenshot %2\n").arg(pupilShot, coverShot), kRender);
    ASSERT_EQ(run.exitCode, 0) << run.joined().toStdString();
    EXPECT_TRUE(QFile::exists(pupilShot));
    EXPECT_TRUE(QFile::exists(coverShot));
}
