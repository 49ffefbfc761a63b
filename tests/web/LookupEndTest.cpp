// However a look-up of a code ends, its "Recherche en cours" panel goes and the next look-up
// starts afresh: here the librarian turns to another tab while a site is read, so that the
// chain's end fails to put the focus back on the hidden code field.
#include "BookSites.h"
#include "BookScreenFixture.h"

#include "platform/ui/PageControl.h"
#include "program/ProgramScreens.h"

namespace {

class LookupEndTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
        app::Settings& settings = frm().settings;
        settings.dialoguebool = true;
        settings.bookfinderbool = settings.decitrebool = settings.Amazonbool = settings.ChasseLivrebool = false;
    }
};

}  // namespace

TEST_F(LookupEndTest, AChainEndedByAnErrorLeavesNoSearchPanelAndTheNextCodeIsFound)
{
    BookSites sites;
    sites.serveNotFound("dialogues");
    dialogs.answer(QStringLiteral("OK"));
    input.queueScan(BookSites::kCode);
    // The Compléments tab, chosen while the site is read.
    input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet2")));
    input.process();
    ASSERT_TRUE(dialogTexts().contains(frm().tables.dialog(5)));

    input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet7")));
    input.process();
    EXPECT_FALSE(control("Panel19").visible());

    sites.serveFound("dialogues");
    input.click(QStringLiteral("Edit1"));
    input.scan(BookSites::kCode);
    EXPECT_EQ(edit("Edit4").text(), QStringLiteral("Le Petit Prince "));
    EXPECT_FALSE(control("Panel19").visible());
}
