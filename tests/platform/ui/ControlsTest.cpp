// Control classes: lists, check boxes, pages, tool bar, menus, rich text, notifications.
#include "UiFixture.h"

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Gauge.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ToolBar.h"

namespace ui {
namespace {

class ControlsTest : public UiFixture {};

TEST_F(ControlsTest, ComponentsAreFoundByNameWithoutRegardToCaseAndNamesAreUnique)
{
    auto* panel = add<Panel>("Panel14", QRect(8, 44, 927, 811));
    auto* edit = add<Edit>("Edit39", QRect(212, 56, 233, 32), panel);
    EXPECT_EQ(form.find<Edit>(QStringLiteral("edit39")), edit);
    EXPECT_EQ(form.find<Panel>(QStringLiteral("Edit39")), nullptr);
    EXPECT_EQ(&form.get<Panel>(QStringLiteral("PANEL14")), panel);
    EXPECT_THROW(form.get<Edit>(QStringLiteral("Edit40")), std::out_of_range);
    EXPECT_THROW(form.create<Edit>(QStringLiteral("EDIT39")), std::invalid_argument);
    EXPECT_EQ(edit->parent(), panel);
    EXPECT_EQ(edit->screenRect(), QRect(8 + 8 + 212, 50 + 44 + 56, 233, 32));
}

TEST_F(ControlsTest, MemoLinesFollowTheLibrary)
{
    auto* memo = add<Memo>("Memo3", QRect(0, 0, 100, 100));
    memo->addLine(QStringLiteral("a"));
    memo->addLine(QStringLiteral("b"));
    EXPECT_EQ(memo->text(), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(memo->lineCount(), 2);
    memo->setLine(0, QString());
    memo->setLine(5, QStringLiteral("ignored"));
    EXPECT_EQ(memo->lines(), (QStringList{"", "b"}));
    memo->setText(QStringLiteral("x"));
    memo->addLine(QStringLiteral("y"));
    EXPECT_EQ(memo->text(), QStringLiteral("x\r\ny"));
    memo->setLines({});
    EXPECT_EQ(memo->lineCount(), 0);
}

TEST_F(ControlsTest, RichEditKeepsRunsInTheInsertionFont)
{
    auto* rich = add<RichEdit>("RichEdit5", QRect(0, 0, 300, 300));
    Font big{QStringLiteral("Code EAN13"), 36};
    rich->setText(QStringLiteral("Titre"));
    rich->setSelStart(int(rich->text().size()));
    rich->setSelAttributes(big);
    rich->setSelText(QStringLiteral("9782"));
    rich->setSelStart(2);
    rich->setSelLength(5);  // "tre97"
    rich->setSelAttributes(rich->font());
    rich->setSelText(QStringLiteral("-"));

    EXPECT_EQ(rich->text(), QStringLiteral("Ti-82"));
    ASSERT_EQ(rich->runs().size(), 2u);
    EXPECT_EQ(rich->runs()[0], (TextRun{QStringLiteral("Ti-"), rich->font()}));
    EXPECT_EQ(rich->runs()[1], (TextRun{QStringLiteral("82"), big}));
    rich->addLine(QStringLiteral("fin"));
    EXPECT_EQ(rich->text(), QStringLiteral("Ti-82\r\nfin\r\n"));
}

TEST_F(ControlsTest, ARichEditEditedAnywhereKeepsItsRunsMerged)
{
    auto* rich = add<RichEdit>("RichEdit5", QRect(0, 0, 300, 300));
    const Font plain = rich->font();
    Font big{QStringLiteral("Code EAN13"), 36};
    const std::vector<TextRun> start{{QStringLiteral("ab"), plain}, {QStringLiteral("CD"), big}, {QStringLiteral("ef"), plain}};
    const struct {
        const char* name;
        int selStart, selLength;
        const char* inserted;
        bool bigInsert;
        std::vector<TextRun> runs;
    } cases[] = {
        {"a run taken out joins its neighbours", 2, 2, "", false, {{QStringLiteral("abef"), plain}}},
        {"a run replaced in its neighbours' font", 2, 2, "x", false, {{QStringLiteral("abxef"), plain}}},
        {"typed at a run's end in the next run's font", 2, 0, "x", true, {{QStringLiteral("ab"), plain}, {QStringLiteral("xCD"), big}, {QStringLiteral("ef"), plain}}},
        {"typed at the start in the first run's font", 0, 0, "x", false, {{QStringLiteral("xab"), plain}, {QStringLiteral("CD"), big}, {QStringLiteral("ef"), plain}}},
        {"typed at the end in another font", 6, 0, "X", true, {{QStringLiteral("ab"), plain}, {QStringLiteral("CD"), big}, {QStringLiteral("ef"), plain}, {QStringLiteral("X"), big}}},
        {"a range across three runs", 1, 4, "Y", true, {{QStringLiteral("a"), plain}, {QStringLiteral("Y"), big}, {QStringLiteral("f"), plain}}},
        {"inside a run in its own font", 3, 0, "z", true, {{QStringLiteral("ab"), plain}, {QStringLiteral("CzD"), big}, {QStringLiteral("ef"), plain}}},
        {"inside a run in another font", 3, 0, "z", false, {{QStringLiteral("ab"), plain}, {QStringLiteral("C"), big}, {QStringLiteral("z"), plain}, {QStringLiteral("D"), big}, {QStringLiteral("ef"), plain}}},
        {"everything taken out", 0, 6, "", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rich->setRuns(start);
        rich->setSelStart(c.selStart);
        rich->setSelLength(c.selLength);
        rich->setSelAttributes(c.bigInsert ? big : plain);
        rich->setSelText(QString::fromLatin1(c.inserted));
        EXPECT_EQ(rich->runs(), c.runs);
        QString all;
        for (const TextRun& run : c.runs)
            all += run.text;
        EXPECT_EQ(rich->text(), all);
    }
}

TEST_F(ControlsTest, ARichEditScrolledToItsEndShowsItsStartAgainAfterTheNextChange)
{
    auto* log = add<RichEdit>("RichEdit7", QRect(0, 0, 74, 82));
    log->addLine(QStringLiteral("Page 1"));
    EXPECT_FALSE(log->scrolledToEnd());
    log->scrollToEnd();
    EXPECT_TRUE(log->scrolledToEnd());
    log->setSelStart(0);
    EXPECT_TRUE(log->scrolledToEnd());
    log->addLine(QStringLiteral("Page 2"));
    EXPECT_FALSE(log->scrolledToEnd());
    log->scrollToEnd();
    log->clear();
    EXPECT_FALSE(log->scrolledToEnd());
}

TEST_F(ControlsTest, ComboBoxReportsOnlyTheUsersChanges)
{
    auto* combo = add<ComboBox>("ComboBox17", QRect(10, 10, 143, 21));
    int changes = 0;
    combo->onChange = [&changes] { ++changes; };
    combo->setItems({"7 jours", "14 jours", "01 mois"});
    combo->setText(QStringLiteral("7 jours"));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(combo->itemIndex(), 0);

    input.selectItem(*combo, 2);
    EXPECT_EQ(combo->text(), QStringLiteral("01 mois"));
    EXPECT_EQ(changes, 1);
    combo->setFocus();
    combo->setSelStart(2);
    input.type(QStringLiteral("!"));
    EXPECT_EQ(combo->text(), QStringLiteral("01! mois"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(combo->itemIndex(), -1);
}

TEST_F(ControlsTest, ComboBoxCompletesTypedTextWithTheFirstMatchingItem)
{
    auto* combo = add<ComboBox>("ComboBox1", QRect(10, 10, 143, 21));
    combo->setItems({"Animaux", "Arbres", "art"});
    int changes = 0;
    combo->onChange = [&changes] { ++changes; };
    combo->setFocus();

    input.type(QStringLiteral("a"));
    EXPECT_EQ(combo->text(), QStringLiteral("animaux"));
    EXPECT_EQ(combo->selText(), QStringLiteral("nimaux"));
    input.type(QStringLiteral("R"));
    EXPECT_EQ(combo->text(), QStringLiteral("aRbres"));
    input.type(QStringLiteral("t"));
    EXPECT_EQ(combo->text(), QStringLiteral("aRt"));
    input.type(QStringLiteral("s"));  // no item begins so: typed as is
    EXPECT_EQ(combo->text(), QStringLiteral("aRts"));
    EXPECT_EQ(changes, 4);
}

TEST_F(ControlsTest, CheckedStateChangesRunOnClickAndRadioButtonsExcludeTheirSiblings)
{
    auto* box = add<CheckBox>("CheckBox16", QRect(10, 563, 150, 17));
    int clicks = 0;
    box->onClick = [&clicks] { ++clicks; };
    box->setChecked(true);
    box->setChecked(true);
    EXPECT_EQ(clicks, 1);
    input.click(*box);
    EXPECT_FALSE(box->checked());
    EXPECT_TRUE(box->focused());
    input.type(QStringLiteral(" "));
    EXPECT_TRUE(box->checked());
    EXPECT_EQ(clicks, 3);

    auto* group = add<Panel>("Panel1", QRect(300, 300, 200, 100));
    auto* a = add<RadioButton>("RadioButton1", QRect(0, 0, 100, 20), group);
    auto* b = add<RadioButton>("RadioButton2", QRect(0, 30, 100, 20), group);
    a->setChecked(true);
    input.click(*b);
    EXPECT_FALSE(a->checked());
    EXPECT_TRUE(b->checked());
}

TEST_F(ControlsTest, OnlyTheUsersTabChoiceRunsOnChangeAndHiddenPagesHoldNoFocus)
{
    auto* pages = add<PageControl>("PageControl1", QRect(10, 10, 800, 600));
    auto* grid = form.create<TabSheet>(QStringLiteral("TabSheet1"), pages);
    auto* essential = form.create<TabSheet>(QStringLiteral("TabSheet7"), pages);
    auto* field = add<Edit>("Edit1", QRect(10, 10, 100, 20), essential);
    int changes = 0;
    pages->onChange = [&changes] { ++changes; };

    EXPECT_EQ(pages->activePage(), grid);
    EXPECT_EQ(essential->bounds(), QRect(4, 24, 792, 572));
    EXPECT_THROW(field->setFocus(), InvalidOperation);
    pages->setActivePage(essential);
    EXPECT_EQ(changes, 0);
    field->setFocus();
    input.selectTab(*grid);
    input.selectTab(*grid);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(essential->visible());
    EXPECT_EQ(form.activeControl(), nullptr);
    EXPECT_EQ(essential->pageIndex(), 1);
}

TEST_F(ControlsTest, ToolBarLaysVisibleButtonsOutLeftToRight)
{
    auto* cool = add<CoolBar>("CoolBar1", QRect(0, 0, 1362, 43));
    auto* bar = add<ToolBar>("ToolBar2", QRect(0, 0, 1362, 39), cool);
    bar->setButtonSize(QSize(39, 39));
    std::vector<ToolButton*> buttons;
    for (const char* name : {"ToolButton2", "ToolButton1", "ToolButton4", "ToolButton13"})
        buttons.push_back(form.create<ToolButton>(QString::fromLatin1(name), bar));
    buttons[1]->setStyle(ToolButton::Style::Separator);
    EXPECT_EQ(buttons[3]->bounds(), QRect(39 + 8 + 39, 0, 39, 39));

    buttons[2]->hide();
    EXPECT_EQ(buttons[3]->bounds(), QRect(39 + 8, 0, 39, 39));
    int clicks = 0;
    buttons[3]->onClick = [&clicks] { ++clicks; };
    input.click(*buttons[3]);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsTest, MenuCommandsRunOnlyForReachableEntries)
{
    MainMenu& menu = *form.menu();
    auto* books = menu.add(form.createComponent<MenuItem>(QStringLiteral("Livres")));
    books->setCaption(QStringLiteral("Livres"));
    auto* entry = books->add(form.createComponent<MenuItem>(QStringLiteral("Nouveaux3")));
    entry->setCaption(QStringLiteral("&Nouveaux livres"));
    int runs = 0;
    entry->onClick = [&runs] { ++runs; };

    input.menu(QStringLiteral("Livres > Nouveaux livres"));
    EXPECT_EQ(runs, 1);
    books->setVisible(false);
    EXPECT_FALSE(entry->reachable());
    EXPECT_THROW(input.menu(QStringLiteral("Livres > Nouveaux livres")), ScriptFailure);
    app.input().menuCommand(*entry);  // a stale command is dropped when handled
    input.process();
    EXPECT_EQ(runs, 1);
    EXPECT_THROW(input.menu(QStringLiteral("Livres > Anciens")), ScriptFailure);
}

TEST_F(ControlsTest, AcceleratorMarksAreNotPartOfTheShownCaption)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"&Emprunter", "Emprunter"}, {"N&ouvel emprunteur", "Nouvel emprunteur"}, {"A && B", "A & B"}, {"Fin&", "Fin"}};
    for (const auto& [caption, shown] : cases)
        EXPECT_EQ(stripAccelerator(QString::fromUtf8(caption)), QString::fromUtf8(shown));
}

TEST_F(ControlsTest, LabelsFollowTheirParentsColourUntilGivenTheirOwn)
{
    auto* panel = add<Panel>("Panel14", QRect(8, 44, 927, 811));
    auto* label = add<Label>("Label81", QRect(10, 60, 80, 13), panel);
    panel->setColor(colors::red);
    EXPECT_EQ(label->color(), colors::red);
    label->setColor(colors::yellow);
    panel->setColor(colors::green);
    EXPECT_EQ(label->color(), colors::yellow);
    EXPECT_EQ(Color::fromBgr(0x00FFFF), colors::yellow);
    EXPECT_EQ(label->font(), form.font());
}

TEST_F(ControlsTest, TheBusReportsRealChangesOnly)
{
    auto* gauge = add<Gauge>("Gauge1", QRect(0, 0, 100, 20));
    std::vector<std::pair<QString, Property>> seen;
    const int id = app.notifications().subscribe([&seen](const Notification& n) {
        seen.emplace_back(n.component->name(), n.property);
    });
    gauge->setProgress(50);
    gauge->setProgress(50);
    gauge->setProgress(150);
    gauge->hide();
    gauge->hide();
    app.notifications().unsubscribe(id);
    gauge->show();

    EXPECT_EQ(gauge->progress(), 100);
    EXPECT_EQ(seen, (std::vector<std::pair<QString, Property>>{
                        {"Gauge1", Property::Progress}, {"Gauge1", Property::Progress}, {"Gauge1", Property::Visible}}));
}

}  // namespace
}  // namespace ui
