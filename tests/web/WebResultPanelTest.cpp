// The title search up to the web result panel, and the panel's own buttons, in the program's
// window without a browser engine (the panel's web view then only keeps its address).
#include "BookScreenFixture.h"

#include "platform/ui/WebBrowser.h"
#include "program/ProgramScreens.h"

namespace {

class WebResultPanelTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
    }
    const ui::DialogRecord& lastDialog() const { return dialogs.log().back(); }
};

TEST_F(WebResultPanelTest, ATitleHeldThreeTimesShowsItsLastCopyAndCancelStaysOnTheBook)
{
    for (const char* code : {"9782070612758", "9782070612759", "9782070612760"})
        addBook(QString::fromLatin1(code), QStringLiteral("Le lion"), QString::fromLatin1(code) + ".jpg");
    frm().db.ADOConnection1.execute(QStringLiteral("Update Table1 Set NbrExemplaire = 5 Where Isbn13 = '9782070612759'"));
    fill("Edit4", QStringLiteral("Le lion"));
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("Cancel"));
    input.click(QStringLiteral("SpeedButton2"));
    ASSERT_GE(dialogs.log().size(), 2u);
    EXPECT_EQ(dialogs.log()[dialogs.log().size() - 2].text, frm().tables.message(18));
    EXPECT_EQ(lastDialog().text, frm().tables.dialog(25));
    EXPECT_EQ(lastDialog().caption, frm().tables.dialog(26));
    EXPECT_EQ(edit("Edit10").text(), QStringLiteral("9782070612759"));
    EXPECT_EQ(edit("Edit61").text(), QStringLiteral("9782070612759.jpg"));
    EXPECT_EQ(control("Label183").text(), QStringLiteral("5"));
    EXPECT_FALSE(control("Panel21").visible());
    EXPECT_TRUE(control("SpeedButton20").visible());
}

TEST_F(WebResultPanelTest, TheSearchOpensThePanelOnItsAddressAndClosingLeavesItsButtonsReady)
{
    fill("Edit4", QStringLiteral("Tintin & Milou"));
    input.click(QStringLiteral("SpeedButton2"));
    const QString address = QStringLiteral("https://www.chasse-aux-livres.fr/search?query=Tintin+%26+Milou");
    EXPECT_TRUE(control("Panel21").showing());
    EXPECT_EQ(edit("Edit99").text(), address);
    EXPECT_EQ(edit("Edit155").text(), QStringLiteral("Tintin & Milou"));
    EXPECT_EQ(frm().get<ui::WebBrowser>(QStringLiteral("EdgeBrowser3")).locationUrl(), address);
    EXPECT_TRUE(control("BitBtn2").visible());
    EXPECT_FALSE(control("BitBtn3").visible());
    EXPECT_FALSE(control("SpeedButton3").visible());

    // No page yet: back has nowhere to go.
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton27"));
    EXPECT_EQ(lastDialog().text, frm().tables.message(87));

    input.click(QStringLiteral("SpeedButton30"));
    EXPECT_FALSE(control("Panel21").visible());
    EXPECT_TRUE(control("Panel4").showing());
    for (const char* name : {"BitBtn2", "BitBtn3", "SpeedButton3", "SpeedButton2", "SpeedButton20"})
        EXPECT_TRUE(control(name).visible()) << name;
}

TEST_F(WebResultPanelTest, TheSignInWarningsTickCannotBeTakenOff)
{
    control("Panel21").show();
    control("Panel22").show();
    auto& box = frm().get<ui::CheckBox>(QStringLiteral("CheckBox17"));
    input.click(QStringLiteral("CheckBox17"));
    EXPECT_TRUE(box.checked());
    input.click(QStringLiteral("CheckBox17"));
    EXPECT_TRUE(box.checked());
    input.click(QStringLiteral("SpeedButton1"));
    EXPECT_FALSE(control("Panel22").visible());
}

}  // namespace
