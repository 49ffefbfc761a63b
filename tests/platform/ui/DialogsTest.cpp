// Dialogs answered by a script, in order, each one logged.
#include "UiFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PrintDestination.h"

namespace ui {
namespace {

using Kind = DialogRecord::Kind;

class DialogsTest : public UiFixture {};

TEST_F(DialogsTest, AnswersAreTakenInOrderAndEveryDialogIsLogged)
{
    dialogs.answer(QStringLiteral("Cancel"));
    dialogs.answer(QStringLiteral("ok"));
    dialogs.answer(QStringLiteral("Yes"));

    EXPECT_EQ(app.messageBox("Livre absent", "Attention", MessageButtons::OkCancel, MessageIcon::Warning),
              ModalResult::Cancel);
    app.showMessage(QStringLiteral("Terminé"));
    EXPECT_EQ(app.messageBox("Photos ?", "Question", MessageButtons::YesNo, MessageIcon::Question), ModalResult::Yes);

    ASSERT_EQ(dialogs.log().size(), 3u);
    const DialogRecord& first = dialogs.log()[0];
    EXPECT_EQ(first.kind, Kind::Message);
    EXPECT_EQ(first.caption, QStringLiteral("Attention"));
    EXPECT_EQ(first.text, QStringLiteral("Livre absent"));
    EXPECT_EQ(first.buttons, (QStringList{"OK", "Cancel"}));
    EXPECT_EQ(first.answer, QStringLiteral("Cancel"));
    EXPECT_EQ(dialogs.log()[1].caption, QStringLiteral("QvlZantor"));
    EXPECT_EQ(dialogs.log()[1].buttons, QStringList{"OK"});
}

TEST_F(DialogsTest, ADialogWithoutAnAnswerOrWithOneThatDoesNotFitFailsTheRun)
{
    EXPECT_THROW(app.showMessage(QStringLiteral("Sans réponse")), ScriptFailure);
    EXPECT_EQ(dialogs.log().back().text, QStringLiteral("Sans réponse"));

    dialogs.answer(QStringLiteral("Yes"));
    EXPECT_THROW(app.messageBox("t", "c", MessageButtons::OkCancel, MessageIcon::Warning), ScriptFailure);
    dialogs.answer(DialogAnswer::text(QStringLiteral("secret")));
    EXPECT_THROW(app.showMessage(QStringLiteral("t")), ScriptFailure);
}

TEST_F(DialogsTest, UnansweredDialogInsideAHandlerEndsTheWholeRunNotJustTheHandler)
{
    auto* button = add<Button>("Button1", QRect(10, 10, 80, 30));
    button->onClick = [this] { app.showMessage(QStringLiteral("Inattendu")); };
    input.queueClick(*button);
    EXPECT_THROW(input.process(), ScriptFailure);
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

TEST_F(DialogsTest, InputBoxGivesTheTypedTextOrTheEmptyDefaultOnCancel)
{
    dialogs.answer(DialogAnswer::text(QStringLiteral("Cancel")));
    dialogs.answer(QStringLiteral("motdepasse"));
    dialogs.answer(QStringLiteral("Cancel"));
    dialogs.answer(DialogAnswer::cancel());
    dialogs.answer(QStringLiteral("OK"));

    EXPECT_EQ(app.inputBox("Login", "Mot de passe", ""), QStringLiteral("Cancel"));
    EXPECT_EQ(app.inputBox("Login", "Mot de passe", "", true), QStringLiteral("motdepasse"));
    EXPECT_EQ(app.inputBox("Login", "Mot de passe", ""), QString());
    EXPECT_EQ(app.inputBox("n", "Combien ?", "3"), QStringLiteral("3"));
    EXPECT_EQ(app.inputBox("n", "Combien ?", "3"), QStringLiteral("3"));
    EXPECT_EQ(dialogs.log()[1].kind, Kind::Input);
    EXPECT_EQ(dialogs.log()[1].text, QStringLiteral("Mot de passe"));
}

TEST_F(DialogsTest, FileFolderPrintAndFontDialogsTakeAPathOrOkOrCancel)
{
    dialogs.answer(QStringLiteral("C:\\Qvlzantor\\Emprunts_Urgence.csv"));
    dialogs.answer(QStringLiteral("Cancel"));
    dialogs.answer(QStringLiteral("D:\\Sauvegardes"));
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("Cancel"));
    dialogs.answer(QStringLiteral("OK"));

    DialogService& service = dialogs;
    EXPECT_EQ(service.openFile({"Ouvrir", "*.csv|*.csv", "C:\\", ""}), QStringLiteral("C:\\Qvlzantor\\Emprunts_Urgence.csv"));
    EXPECT_EQ(service.openFile({"Ouvrir", "*.csv|*.csv", "C:\\", ""}), std::nullopt);
    EXPECT_EQ(service.browseFolder({"Destination", ""}), QStringLiteral("D:\\Sauvegardes"));
    const auto choice = service.print({1, 3, false});
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->toPage, 3);
    EXPECT_EQ(service.chooseFont(Font{}), std::nullopt);
    EXPECT_EQ(service.chooseFont(Font{QStringLiteral("Arial"), 12}), (Font{QStringLiteral("Arial"), 12}));
    EXPECT_EQ(dialogs.log()[0].kind, Kind::OpenFile);
    EXPECT_EQ(dialogs.log()[2].kind, Kind::Folder);
    EXPECT_EQ(chosenPrintDestination().outputFile, QString());

    // A print dialog answered with a path prints into that PDF file.
    dialogs.answer(QStringLiteral("/tmp/Etiquettes.pdf"));
    ASSERT_TRUE(service.print({1, 1, false}));
    EXPECT_EQ(chosenPrintDestination().outputFile, QStringLiteral("/tmp/Etiquettes.pdf"));
    EXPECT_EQ(chosenPrintDestination().printerName, QString());
}

class ModalFormTest : public UiFixture {
protected:
    ModalFormTest()
    {
        tips.setBounds(QRect(300, 200, 400, 300));
        tips.setCaption(QStringLiteral("Astuces"));
        next = tips.create<Button>(QStringLiteral("Button1"));
        next->setBounds(QRect(20, 200, 80, 30));
        next->setCaption(QStringLiteral("Suivant"));
        next->onClick = [this] { events.push_back("Suivant"); };
        done = tips.create<Button>(QStringLiteral("Button2"));
        done->setBounds(QRect(200, 200, 80, 30));
        done->setCaption(QStringLiteral("&Terminer"));
        done->setModalResult(ModalResult::Ok);
        tips.onShow = [this] { done->setFocus(); };
        mainButton = add<Button>("Button9", QRect(350, 450, 80, 30));
        mainButton->onClick = [this] { events.push_back("main window"); };
    }

    Form tips{app, QStringLiteral("Form2")};
    Button* next;
    Button* done;
    Button* mainButton;
};

TEST_F(ModalFormTest, AModalFormRunsItsOwnLoopUntilItsResultIsSet)
{
    dialogs.answer(DialogAnswer::action([this](Form&) {
        input.queueClick(*next);
        input.queueClick(*done);
    }));
    EXPECT_EQ(tips.showModal(), ModalResult::Ok);
    EXPECT_EQ(events, (std::vector<QString>{"Suivant"}));
    // Shown again: the button it focuses takes Enter.
    dialogs.answer(DialogAnswer::action([this](Form&) { app.input().typeChar(u'\r'); }));
    EXPECT_EQ(tips.showModal(), ModalResult::Ok);
    EXPECT_FALSE(tips.visible());
    EXPECT_EQ(app.activeForm(), &form);
    EXPECT_EQ(dialogs.log()[0].kind, Kind::Form);
    EXPECT_EQ(dialogs.log()[0].caption, QStringLiteral("Astuces"));
    EXPECT_EQ(dialogs.log()[0].buttons, (QStringList{"Suivant", "Terminer"}));
}

TEST_F(ModalFormTest, AScriptWordClicksTheButtonWithThatCaption)
{
    dialogs.answer(QStringLiteral("Terminer"));
    EXPECT_EQ(tips.showModal(), ModalResult::Ok);
    dialogs.answer(DialogAnswer::cancel());
    EXPECT_EQ(tips.showModal(), ModalResult::Cancel);
}

TEST_F(ModalFormTest, WhileAModalFormRunsClicksOnTheMainWindowAreDropped)
{
    dialogs.answer(DialogAnswer::action([this](Form&) {
        app.input().setCursorPos(Input::centreOf(*mainButton));
        app.input().leftClick();
        app.post([this] { tips.close(); });
    }));
    EXPECT_EQ(tips.showModal(), ModalResult::Cancel);
    EXPECT_TRUE(events.empty());
}

TEST_F(ModalFormTest, OnCloseQueryCanKeepTheModalFormOpen)
{
    int asked = 0;
    tips.onCloseQuery = [&asked](bool& canClose) { canClose = ++asked > 1; };
    dialogs.answer(DialogAnswer::action([this](Form&) {
        input.queueClick(*done);
        input.queueClick(*done);
    }));
    EXPECT_EQ(tips.showModal(), ModalResult::Ok);
    EXPECT_EQ(asked, 2);
}

TEST_F(ModalFormTest, AModalFormLeftOpenWithNothingToHappenFailsInsteadOfHanging)
{
    dialogs.answer(DialogAnswer::action([](Form&) {}));
    EXPECT_THROW(tips.showModal(), ScriptFailure);
    EXPECT_FALSE(tips.visible());
    EXPECT_EQ(app.activeForm(), &form);
}

}  // namespace
}  // namespace ui
