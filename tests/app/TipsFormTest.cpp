// The tips window as the login shows it.
#include "MainWindowFixture.h"

#include "app/TipsForm.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/RichEdit.h"

#include <QFile>

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

namespace {

// A tips file of the given lines, Windows-1252 with CR LF.
QByteArray tipsFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toLatin1() + "\r\n";
    return bytes;
}

QStringList numberedTips()
{
    QStringList lines{"Astuces", "Encore", "Fermer", "r4", "r5", "r6"};
    for (int i = 7; i <= 30; ++i)
        lines << QStringLiteral("tip %1").arg(i);
    return lines << "ZZZZZZZZZZ" << "scannez tout" << "puis terminez";
}

class TipsFile : public MainWindowTest {
protected:
    // Starts the program, the tips window drawing from `draws` in turn (the last one again
    // when they run out) and counting its draws.
    app::TForm2& startWithDraws(const QList<int>& draws)
    {
        start();
        app::TForm2& tips = entry->tipsForm();
        tips.randomDraw = [this, draws](int range) {
            ranges << range;
            return draws.value(std::min<qsizetype>(ranges.size() - 1, draws.size() - 1));
        };
        return tips;
    }
    // Shows the window modally; `act` runs while it is open, then it is closed.
    void showTips(app::TForm2& tips, std::function<void()> act = {})
    {
        dialogs.answer(ui::DialogAnswer::action([this, act](ui::Form& form) {
            if (act)
                act();
            input.click(*static_cast<app::TForm2&>(form).Button2);
        }));
        tips.showModal();
    }
    QList<int> ranges;
};

}  // namespace

TEST_F(TipsFile, OpeningShowsTheTipChosenByTheSecondsOfTheClock)
{
    program.write("Languages/info_francais.txt", tipsFile(numberedTips()));
    app::TForm2& tips = startWithDraws({});
    struct Case {
        int seconds;
        int lastDraw;
        QString tip;
    };
    for (const Case& c : {Case{0, 0, "tip 7"}, Case{59, 23, "tip 30"}, Case{17, 5, "tip 12"}}) {
        SCOPED_TRACE(c.seconds);
        clock.setCurrentDateTime(QDateTime(QDate(2025, 12, 8), QTime(9, 15, c.seconds)));
        ranges.clear();
        tips.randomDraw = [this, &c](int range) {
            ranges << range;
            return ranges.size() == c.seconds + 2 ? c.lastDraw : 3;
        };
        showTips(tips);
        EXPECT_EQ(ranges, QList<int>(c.seconds + 2, 24));  // s + 2 draws from 0 to 23
        EXPECT_EQ(tips.RichEdit1->text(), c.tip);
        EXPECT_EQ(tips.Label1->caption(), "Astuces");
        EXPECT_EQ(tips.Button1->caption(), "Encore");
        EXPECT_EQ(tips.Button2->caption(), "Fermer");
    }
}

TEST_F(TipsFile, SuivantDrawsAnotherNonEmptyLineAmongTheFirstFifty)
{
    QStringList lines = numberedTips();
    lines[9] = "   ";  // line 10 is blank
    program.write("Languages/info_francais.txt", tipsFile(lines));
    // At opening 2 draws (seconds 00); then "Suivant": line 10 (blank), line 45 (past the end),
    // then line 32.
    app::TForm2& tips = startWithDraws({0, 0, 9, 44, 31});
    clock.setCurrentDateTime(QDateTime(QDate(2025, 12, 8), QTime(9, 15, 0)));
    QString shown;
    showTips(tips, [&] {
        input.click(*tips.Button1);
        shown = tips.RichEdit1->text();
    });
    EXPECT_EQ(ranges, QList<int>({24, 24, 50, 50, 50}));
    EXPECT_EQ(shown, "scannez tout");
}

TEST_F(TipsFile, EmptyOrBlankFileNeverHoldsTheWindow)
{
    app::TForm2& tips = startWithDraws({7});
    for (const QByteArray& content : {QByteArray(), QByteArray("\r\n  \r\n\t\r\n")}) {
        SCOPED_TRACE(content.toStdString());
        program.write("Languages/info_francais.txt", content);
        tips.RichEdit1->setText("before");
        showTips(tips, [&] { input.click(*tips.Button1); });
        EXPECT_EQ(tips.RichEdit1->text(), "");
        // The captions stay readable.
        EXPECT_EQ(tips.Button1->caption(), "Suivant");
        EXPECT_EQ(tips.Button2->caption(), "Terminer");
        EXPECT_FALSE(tips.visible());
    }
}

TEST_F(TipsFile, StockTakeModeShowsTheInstructionsAfterTheMarker)
{
    program.write("Languages/info_francais.txt", tipsFile(numberedTips()));
    app::TForm2& tips = startWithDraws({0});
    showTips(tips);
    frm().InventoryMode = true;
    showTips(tips);
    EXPECT_EQ(tips.RichEdit1->text(), "scannez tout\r\npuis terminez\r\n");
    EXPECT_EQ(tips.Label1->caption(), "Astuces");  // from the showing before

    // Without the marker there are no instructions.
    program.write("Languages/info_francais.txt", tipsFile({"Astuces", "Encore", "Fermer", "tip"}));
    showTips(tips);
    EXPECT_EQ(tips.RichEdit1->text(), "");
}

TEST_F(TipsFile, MissingFileLeavesTheWindowAndSuivantReportsIt)
{
    app::TForm2& tips = startWithDraws({0});
    QFile::remove(program.folder("Languages/info_francais.txt"));
    tips.RichEdit1->setText("before");
    showTips(tips, [&] { input.click(*tips.Button1); });
    EXPECT_EQ(tips.RichEdit1->text(), "before");
    ASSERT_EQ(dialogs.errors().size(), 1);
    EXPECT_TRUE(dialogs.errors()[0].contains("info_francais.txt"));
}

TEST_F(TipsFile, DeliveredFileHasItsTitleTwentyFourTipsAndTheInstructions)
{
    app::TForm2& tips = startWithDraws({0});
    showTips(tips);
    EXPECT_EQ(tips.Label1->caption(), "Le saviez-vous ?");
    EXPECT_EQ(tips.Button1->caption(), "Suivant");
    EXPECT_EQ(tips.Button2->caption(), "Terminer");
    const QStringList lines = QString::fromLatin1(program.read("Languages/info_francais.txt")).split("\r\n");
    EXPECT_EQ(lines.indexOf("ZZZZZZZZZZ"), 30);
    for (int i = 6; i < 30; ++i)
        EXPECT_FALSE(lines[i].trimmed().isEmpty()) << i + 1;
    EXPECT_EQ(tips.RichEdit1->text(), QString::fromLatin1(program.read("Languages/info_francais.txt")).split("\r\n")[6]);
}
