// The tips window as the login shows it.
#include "MainWindowFixture.h"

#include "app/TipsForm.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

using TipsWindow = MainWindowTest;

TEST_F(TipsWindow, CreatedHiddenAtStartAsDesigned)
{
    start();
    app::TForm2& tips = entry->tipsForm();
    EXPECT_FALSE(tips.visible());
    EXPECT_EQ(application.findForm("Form2"), &tips);
    EXPECT_EQ(tips.Label1->caption(), QString::fromUtf8("Le Saviez-vous ?  ¿Sabía usted ?"));
    EXPECT_TRUE(tips.RichEdit1->text().isEmpty());
    EXPECT_EQ(tips.Button1->caption(), "Suivant");
    EXPECT_EQ(tips.Button2->caption(), "Terminer");
}

TEST_F(TipsWindow, TerminerClosesTheModalWindow)
{
    start();
    app::TForm2& tips = entry->tipsForm();
    dialogs.clearLog();
    dialogs.answer("Terminer");
    tips.showModal();
    EXPECT_FALSE(tips.visible());
    EXPECT_EQ(application.activeForm(), &frm());
    ASSERT_EQ(dialogs.log().size(), 1u);
    EXPECT_EQ(dialogs.log()[0].kind, ui::DialogRecord::Kind::Form);
    EXPECT_EQ(dialogs.log()[0].buttons, QStringList({"Suivant", "Terminer"}));

    // It can be shown again at the next login.
    dialogs.answer("Button2");
    tips.showModal();
    EXPECT_FALSE(tips.visible());
}
