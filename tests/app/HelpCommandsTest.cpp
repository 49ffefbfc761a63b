// The help documents open in the desktop's browser; "A propos" shows the home screen and the
// about message.
#include "WholeProgramFixture.h"

#include "platform/ui/PageControl.h"

#include <QFileInfo>

namespace {

class HelpCommandsTest : public WholeProgramTest {
protected:
    QString lastOpened() const { return shell.records().value(shell.records().size() - 1); }
};

}  // namespace

TEST_F(HelpCommandsTest, EachCommandOpensItsDeliveredDocument)
{
    startAsAdministratorWithEveryScreen();
    // Each help button clicked on its own screen, opened through its menu.
    const auto onScreen = [this](const char* menu, const char* button, const char* page = nullptr) {
        return [this, menu, button, page] {
            input.menu(QString::fromUtf8(menu));
            if (page)
                input.selectTab(frm().get<ui::TabSheet>(QString::fromLatin1(page)));
            input.click(QString::fromLatin1(button));
        };
    };
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { input.menu(QStringLiteral("Aide > Aide")); }, "Documentation/QvlZantor_ecole.html"},
        {onScreen("Emprunteurs > Importer Onde", "Button78"), "Documentation/Astuce_choisir_importation.htm"},
        {onScreen("Livres > Nouveaux livres", "Button87"), "Documentation/Astuce_recherche_livre.htm"},
        {onScreen("Livres > Nouveaux livres", "Button88", "TabSheet2"), "Documentation/Astuce_complement_livre.htm"},
    };
    for (const auto& [act, document] : cases) {
        SCOPED_TRACE(document);
        act();
        EXPECT_EQ(lastOpened(), "open: " + program.folder(document));
        EXPECT_TRUE(QFileInfo(program.folder(document)).isFile());
    }
    // The application's help file lies beside them.
    EXPECT_EQ(entry->helpFile(), "C:\\Qvlzantor\\Documentation\\BibeZantor_ecole.html");
    EXPECT_TRUE(QFileInfo(program.folder("Documentation/BibeZantor_ecole.html")).isFile());
}

TEST_F(HelpCommandsTest, ADocumentTheDesktopCannotOpenIsNamed)
{
    startAsAdministratorWithEveryScreen();
    shell.failOpens();
    dialogs.clearLog();
    dialogs.answer("OK");
    input.menu(QStringLiteral("Aide > Aide"));
    EXPECT_EQ(dialogTexts(), QStringList({"Le fichier " + program.folder("Documentation/QvlZantor_ecole.html") +
                                          " n'a pas pu être ouvert."}));
}

TEST_F(HelpCommandsTest, VideosOpenTheMakersPageOnlyWhenAHostIsSet)
{
    app::TFrmPrin& w = startAsAdministratorWithEveryScreen();
    const qsizetype before = shell.records().size();
    input.menu(QString::fromUtf8("Aide > Vidéos"));
    EXPECT_EQ(shell.records().size(), before);

    w.settings.maker.webSite = QStringLiteral("http://127.0.0.1:8080");
    input.menu(QString::fromUtf8("Aide > Vidéos"));
    EXPECT_EQ(lastOpened(), "open: http://127.0.0.1:8080/articles.php?lng=fr&pg=23");
}

TEST_F(HelpCommandsTest, AProposSlidesTheHomeScreenInAndShowsTheAboutMessage)
{
    app::TFrmPrin& w = startAsAdministratorWithEveryScreen();
    input.menu(QString::fromUtf8("Outils > Coordonnées"));
    ASSERT_TRUE(control("Identification").visible());
    dialogs.clearLog();
    dialogs.answer("OK");
    input.menu(QStringLiteral("Aide > A propos"));
    EXPECT_TRUE(control("Panel13").visible());
    EXPECT_EQ(control("Panel13").top(), 40);
    EXPECT_FALSE(control("Identification").visible());
    EXPECT_EQ(dialogTexts(), QStringList({w.tables.message(127)}));
    EXPECT_FALSE(w.tables.message(127).isEmpty());
}
