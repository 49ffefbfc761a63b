// The help documents open in the desktop's browser; "A propos" shows the home screen and the
// about message.
#include "SetupScreensFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/Panel.h"

#include <QFileInfo>
#include <tuple>

namespace {

class HelpCommandsTest : public SetupScreensTest {
protected:
    // The help buttons as the book and pupil import screens place them.
    app::TFrmPrin& startWithHelpButtons()
    {
        return startAsAdministrator({[](app::TFrmPrin& f) {
            const std::tuple<const char*, const char*, QRect> buttons[] = {{"Button87", "Panel4", QRect(20, 20, 80, 25)},
                                                                           {"Button88", "Panel4", QRect(20, 60, 80, 25)},
                                                                           {"Button78", "Panel1", QRect(500, 90, 300, 32)}};
            for (const auto& [name, screen, place] : buttons)
                f.create<ui::Button>(QString::fromLatin1(name), &f.get<ui::Panel>(QString::fromLatin1(screen)))
                    ->setBounds(place);
        }});
    }
    void clickOnItsScreen(const char* button)
    {
        ui::Control& b = control(button);
        frm().HideAllScreens();
        b.parent()->show();
        input.click(b);
    }
    QString lastOpened() const { return shell.records().value(shell.records().size() - 1); }
};

}  // namespace

TEST_F(HelpCommandsTest, EachCommandOpensItsDeliveredDocument)
{
    startWithHelpButtons();
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { input.menu(QStringLiteral("Aide > Aide")); }, "Documentation/QvlZantor_ecole.html"},
        {[&] { clickOnItsScreen("Button87"); }, "Documentation/Astuce_recherche_livre.htm"},
        {[&] { clickOnItsScreen("Button88"); }, "Documentation/Astuce_complement_livre.htm"},
        {[&] { clickOnItsScreen("Button78"); }, "Documentation/Astuce_choisir_importation.htm"},
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

TEST_F(HelpCommandsTest, VideosOpenTheMakersPageOnlyWhenAHostIsSet)
{
    app::TFrmPrin& w = startAsAdministrator();
    const qsizetype before = shell.records().size();
    input.menu(QString::fromUtf8("Aide > Vidéos"));
    EXPECT_EQ(shell.records().size(), before);

    w.settings.maker.webSite = QStringLiteral("http://127.0.0.1:8080");
    input.menu(QString::fromUtf8("Aide > Vidéos"));
    EXPECT_EQ(lastOpened(), "open: http://127.0.0.1:8080/articles.php?lng=fr&pg=23");
}

TEST_F(HelpCommandsTest, AProposSlidesTheHomeScreenInAndShowsTheAboutMessage)
{
    app::TFrmPrin& w = startAsAdministrator();
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
