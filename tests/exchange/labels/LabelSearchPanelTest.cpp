// The search panel of the label screen's choice tab: the copies to label found by one field, the
// search given up. Moving it with the mouse is a hover test of the whole program.
#include "LabelScreenFixture.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/PageControl.h"

namespace {

class LabelSearchPanelTest : public LabelScreenTest {
protected:
    void SetUp() override
    {
        LabelScreenTest::SetUp();
        addCopy({QStringLiteral("*1*"), QStringLiteral("Alice")});
        addCopy({QStringLiteral("*2*"), QStringLiteral("Babar")});
        addCopy({QStringLiteral("*3*"), QStringLiteral("Caillou"), false});
        addCopy({QStringLiteral("*4*"), QStringLiteral("Dora"), true, QStringLiteral("CD")});
        openLabels();
        dialogs.answer(QStringLiteral("OK"));  // the tab's reminder to refresh the page
        input.selectTab(frm().get<ui::TabSheet>(QStringLiteral("TabSheet8")));
    }
    void search(int field, int op, const QString& value)
    {
        input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox21")), field);
        input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox22")), op);
        fill("Edit158", value);
        input.click(QStringLiteral("Button56"));
    }
    QString found() { return control("Label250").text(); }
    QStringList shownTitles()
    {
        QStringList titles;
        db::Table& books = frm().db.ADOTable1;
        for (books.first(); !books.eof(); books.next())
            titles << books.fieldByName(QStringLiteral("Titre")).asString();
        return titles;
    }
};

constexpr int kTitleField = 2;
constexpr int kLabelFlagField = 18;
constexpr int kEquals = 0;
constexpr int kBeginsWith = 5;

TEST_F(LabelSearchPanelTest, ChercherFiltersTheChoiceGridAndAnnulerShowsEveryCopy)
{
    ASSERT_TRUE(control("RelativePanel2").showing());
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("ComboBox22")).text(), QStringLiteral("="));

    // The flag as the grid shows it: "Vrai" is searched as True.
    search(kLabelFlagField, kEquals, QStringLiteral("Vrai"));
    EXPECT_EQ(edit("Edit158").text(), QStringLiteral("True"));
    EXPECT_EQ(found(), QStringLiteral("3 éléments trouvés"));
    EXPECT_EQ(shownTitles(), (QStringList{"Alice", "Babar", "Dora"}));

    search(kTitleField, kBeginsWith, QStringLiteral("ca"));
    EXPECT_EQ(found(), QStringLiteral("1 éléments trouvés"));
    EXPECT_EQ(shownTitles(), QStringList{"Caillou"});

    input.click(QStringLiteral("Button57"));
    EXPECT_EQ(found(), QStringLiteral("4 éléments trouvés"));
    EXPECT_EQ(shownTitles(), (QStringList{"Alice", "Babar", "Caillou", "Dora"}));
    EXPECT_EQ(frm().get<ui::ComboBox>(QStringLiteral("ComboBox21")).text(), QString());
    EXPECT_EQ(edit("Edit158").text(), QString());
    EXPECT_TRUE(control("RelativePanel2").showing());
}

}  // namespace
