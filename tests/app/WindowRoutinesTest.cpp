// Window routines of the main window and the language chooser.
#include "MainWindowFixture.h"

#include "app/LanguageForm.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Panel.h"

#include <QFileInfo>

using WindowRoutines = MainWindowTest;

TEST_F(WindowRoutines, HideAllScreensHidesEveryScreen)
{
    app::TFrmPrin& w = start();
    for (const char* name : {"Panel4", "Panel14", "Panel24", "Recherche", "Liste"})
        w.get<ui::Control>(name).show();
    w.HideAllScreens();
    for (const ui::Component* c : w.components()) {
        auto* panel = dynamic_cast<const ui::Panel*>(c);
        if (panel && panel->parent() == &w) {
            EXPECT_FALSE(panel->visible()) << panel->name().toStdString();
        }
    }
    // The toolbar is not a screen.
    EXPECT_TRUE(w.get<ui::Control>("CoolBar1").visible());
}

TEST_F(WindowRoutines, CopyFolderShowsTheDestinationThenCopies)
{
    app::TFrmPrin& w = start();
    program.write("livres/Jaquettes/a.jpg", "cover");
    dialogs.answer("OK");
    EXPECT_TRUE(w.CopyFolder(" C:\\Qvlzantor\\livres\\ ", "C:\\Page\\"));
    // Named as the librarian finds it on this machine.
    EXPECT_EQ(dialogs.log().back().text, program.drive("Page"));
    EXPECT_EQ(QFileInfo(program.drive("Page/Jaquettes/a.jpg")).size(), 5);
    dialogs.answer("OK");
    EXPECT_FALSE(w.CopyFolder("C:\\Qvlzantor\\absent", "C:\\Page"));
    dialogs.answer("OK");
    EXPECT_FALSE(w.CopyFolder("C:\\..\\..\\etc", "C:\\Page"));
}

TEST_F(WindowRoutines, DelayProcessesQueuedClicksInsideTheWait)
{
    app::TFrmPrin& w = start();
    int clicks = 0;
    w.handlers.bind("Rechercher1Click", [&] { ++clicks; });
    input.queueClick(w.get<ui::Control>("ToolButton13"));
    const qint64 before = clock.milliseconds();
    w.Delay(100);
    EXPECT_EQ(clicks, 1);
    EXPECT_GE(clock.milliseconds() - before, 100);
    w.Delay(0);  // returns after one round of messages
}

TEST_F(WindowRoutines, UnboundEntriesDoNothingAndBoundOnesRun)
{
    app::TFrmPrin& w = start();
    input.menu("Aide > A propos");
    input.click("ToolButton2");
    EXPECT_TRUE(dialogs.log().size() == 1u);  // only the start-up question
    int runs = 0;
    w.handlers.bind("Rendre1Click", [&] { ++runs; });
    input.click("ToolButton2");
    input.menu("Emprunts > Retours");
    EXPECT_EQ(runs, 2);
}

TEST_F(WindowRoutines, LanguageChooserKeepsTheChoiceForTheNextStart)
{
    program.write("Languages/english.txt", "File\r\n");
    program.write("Languages/info_francais.txt", "tips\r\n");
    start();
    dialogs.answer(ui::DialogAnswer::action([](ui::Form& form) {
        auto& chooser = static_cast<app::TForm4&>(form);
        EXPECT_EQ(chooser.ComboBox1->items(), QStringList({"english.txt", "francais.txt"}));
        EXPECT_EQ(chooser.Label1->caption(), "Language francais.txt");
        chooser.ComboBox1->setText("english.txt");
        chooser.Button1->click();
    }));
    dialogs.answer("OK");  // "Restart QvlZantor"
    input.menu("Fichier > Language");
    EXPECT_EQ(dialogs.log().back().text, "Restart QvlZantor");
    EXPECT_TRUE(program.read("Fichier.ini").contains("language=english.txt"));
    // Menu captions stay until the next start.
    EXPECT_EQ(frm().get<ui::MenuItem>("F1").caption(), "Fichier");
}
