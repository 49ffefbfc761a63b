#include "tools/drive/ScenarioScript.h"

#include <gtest/gtest.h>

using namespace drive;

TEST(ScenarioScript, ParsesEveryAction)
{
    const auto actions = parseScript(
        "# a comment\n"
        "scan 9782070612758\n"
        "type  deux  mots\n"
        "key Enter\n"
        "\n"
        "click Button41\n"
        "clickat 50 500\n"
        "menu Fichier > Language\n"
        "answer OK\n"
        "answer\n"
        "wait 250\n"
        "expect-visible Panel13\n"
        "expect-hidden Panel14\n"
        "expect-text Edit39 E12 A\n"
        "expect-text Edit40\n"
        "expect-focus Button40\n"
        "show Panel13\n"
        "screenshot out.png\n"
        "quit\n"
        "wait-page EdgeBrowser3\n"
        "expect-page-text WebBrowser7 Le Petit Prince\n");
    ASSERT_EQ(actions.size(), 19u);
    EXPECT_EQ(actions[0].kind, ActionKind::Scan);
    EXPECT_EQ(actions[0].text, "9782070612758");
    EXPECT_EQ(actions[0].line, 2);
    EXPECT_EQ(actions[1].text, " deux  mots");
    EXPECT_EQ(actions[4].x, 50);
    EXPECT_EQ(actions[4].y, 500);
    EXPECT_EQ(actions[5].path, QStringList({"Fichier", "Language"}));
    EXPECT_EQ(actions[7].text, "");
    EXPECT_EQ(actions[8].milliseconds, 250);
    EXPECT_EQ(actions[11].control, "Edit39");
    EXPECT_EQ(actions[11].text, "E12 A");
    EXPECT_EQ(actions[12].text, "");
    EXPECT_EQ(actions[15].kind, ActionKind::Screenshot);
    EXPECT_EQ(actions[16].kind, ActionKind::Quit);
    EXPECT_EQ(actions[17].kind, ActionKind::WaitPage);
    EXPECT_EQ(actions[17].control, "EdgeBrowser3");
    EXPECT_EQ(actions[18].kind, ActionKind::ExpectPageText);
    EXPECT_EQ(actions[18].control, "WebBrowser7");
    EXPECT_EQ(actions[18].text, "Le Petit Prince");
}

TEST(ScenarioScript, MalformedLinesNameTheirLine)
{
    const char* bad[] = {"jump Panel1", "clickat 50", "clickat a b", "wait", "click", "click two words",
                         "menu Fichier >", "key", "wait-page", "wait-page two views",
                         "expect-page-text WebBrowser7"};
    for (const char* line : bad) {
        try {
            parseScript(QString("scan 1\n") + line);
            ADD_FAILURE() << line;
        } catch (const ScriptError& e) {
            EXPECT_TRUE(QString(e.what()).startsWith("line 2:")) << e.what();
        }
    }
}

TEST(ScenarioScript, TabNamesOnePage)
{
    const auto actions = parseScript("tab TabSheet5\n");
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].kind, ActionKind::Tab);
    EXPECT_EQ(actions[0].control, "TabSheet5");
    for (const char* line : {"tab", "tab two pages"})
        EXPECT_THROW(parseScript(line), ScriptError) << line;
}

TEST(ScenarioScript, RealInputNamesAPointAControlOrAPageText)
{
    const auto actions = parseScript(
        "realclick 640 480\n"
        "realclick Edit99\n"
        "realclick EdgeBrowser3 Le lion  et la souris\n"
        "realrightclick WebBrowser9\n"
        "realdoubleclick 10 -4\n"
        "realwheel 600 500 -3\n"
        "realtype  bonjour la classe\n"
        "realkey ctrl+a\n"
        "realwheel EdgeBrowser3 5\n");
    ASSERT_EQ(actions.size(), 9u);
    EXPECT_EQ(actions[0].kind, ActionKind::RealClick);
    EXPECT_EQ(actions[0].x, 640);
    EXPECT_EQ(actions[0].y, 480);
    EXPECT_EQ(actions[0].control, "");
    EXPECT_EQ(actions[1].control, "Edit99");
    EXPECT_EQ(actions[1].text, "");
    EXPECT_EQ(actions[2].control, "EdgeBrowser3");
    EXPECT_EQ(actions[2].text, "Le lion  et la souris");
    EXPECT_EQ(actions[3].kind, ActionKind::RealRightClick);
    EXPECT_EQ(actions[3].control, "WebBrowser9");
    EXPECT_EQ(actions[4].kind, ActionKind::RealDoubleClick);
    EXPECT_EQ(actions[4].y, -4);
    EXPECT_EQ(actions[5].kind, ActionKind::RealWheel);
    EXPECT_EQ(actions[5].notches, -3);
    EXPECT_EQ(actions[6].kind, ActionKind::RealType);
    EXPECT_EQ(actions[6].text, " bonjour la classe");
    EXPECT_EQ(actions[7].text, "ctrl+a");
    EXPECT_EQ(actions[8].control, "EdgeBrowser3");
    EXPECT_EQ(actions[8].notches, 5);
    for (const char* line : {"realclick", "realwheel 1", "realwheel View down", "realwheel a b c", "realtype", "realkey"})
        EXPECT_THROW(parseScript(line), ScriptError) << line;
}
