// Buttons of the book and loan screens that run a command served elsewhere, clicked where they
// are placed: the help pages of the book screen's tabs with their balloons, the grid's jumps of
// a thousand and one copies, and the loan screen's list of the pupils without a loan today.
#include "BookScreenFixture.h"

#include "platform/db/BulkScope.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/WinControl.h"
#include "program/ProgramScreens.h"

namespace {

class PlacedButtonsTest : public BookScreenTest {
protected:
    void SetUp() override { start({"Cancel"}, program::programScreens()); }
    void selectTab(const char* name) { input.selectTab(frm().get<ui::TabSheet>(QString::fromLatin1(name))); }
};

}  // namespace

TEST_F(PlacedButtonsTest, TheBookScreensHelpButtonsOpenTheirPagesAndShowTheirBalloons)
{
    logIn();
    input.menu(QStringLiteral("Livres > Nouveaux livres"));
    struct Help {
        const char* tab;
        const char* button;
        const char* caption;
        const char* page;
    };
    const Help helps[] = {
        {"TabSheet7", "Button87", " Aide", "Astuce_recherche_livre.htm"},
        {"TabSheet2", "Button88", "Astuce", "Astuce_complement_livre.htm"},
    };
    for (const Help& h : helps) {
        SCOPED_TRACE(h.button);
        selectTab(h.tab);
        auto& button = frm().get<ui::WinControl>(QString::fromLatin1(h.button));
        ASSERT_TRUE(button.showing());
        EXPECT_TRUE(button.caption().endsWith(QString::fromUtf8(h.caption).trimmed()));
        input.hover(button);
        ASSERT_TRUE(button.balloonHint().has_value());
        EXPECT_EQ(button.balloonHint()->title, "AIDE ");
        EXPECT_EQ(button.balloonHint()->text, QStringLiteral("Pour éclaicir certains points"));
        input.click(button);
        EXPECT_EQ(shell.records().last(), "open: " + program.folder(QStringLiteral("Documentation/") + h.page));
    }
}

TEST_F(PlacedButtonsTest, TheGridsThousandButtonsJumpAThousandAndOneCopiesStoppingAtTheEnds)
{
    {
        db::BulkScope bulk(frm().db.ADOConnection1);
        for (int n = 1; n <= 1003; ++n)
            frm().db.ADOConnection1.execute(
                QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, NbrExemplaire) Values ('%1', 'Livre %2', "
                               "'LIVRE', 1)")
                    .arg(9782070000000 + n)
                    .arg(n));
    }
    logIn();
    input.menu(QStringLiteral("Livres > Nouveaux livres"));
    selectTab("TabSheet1");
    db::Table& books = frm().db.ADOTable1;
    ASSERT_EQ(books.recNo(), 1003);
    const std::pair<const char*, int> jumps[] = {
        {"SpeedButton49", 2}, {"SpeedButton49", 1}, {"SpeedButton48", 1002}, {"SpeedButton48", 1003}};
    for (const auto& [button, row] : jumps) {
        EXPECT_EQ(control(button).hint(), "X1000");
        input.click(QString::fromLatin1(button));
        EXPECT_EQ(books.recNo(), row) << button;
    }
    EXPECT_EQ(edit("DBEdit1").text(), "Livre 1003");
}

TEST_F(PlacedButtonsTest, AfterALoanTheLoanScreensNoLoanButtonListsTheClassesPupilsWithoutOne)
{
    for (const char* pupil : {"12, 'DUPONT', 'Jean'", "13, 'MARTIN', 'Lea'"})
        frm().db.ADOConnection1.execute(
            QStringLiteral("Insert into Emprunteurs (NumEmprunteur, EmpNom, EmpPrenom, Classe) Values (%1, 'CM1')")
                .arg(QString::fromLatin1(pupil)));
    frm().db.ADOConnection1.execute(
        QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, Empruntable, NbrExemplaire) Values "
                       "('9782070612758', 'Le Petit Prince', 'LIVRE', True, 1)"));
    logIn();
    input.click(QStringLiteral("ToolButton3"));
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox7")), 1);
    input.scan(QStringLiteral("E12"));
    input.scan(QStringLiteral("9782070612758"));
    input.scan(QStringLiteral("9782070612758"));
    ASSERT_EQ(booksColumn("EmpNom"), QStringList{"DUPONT"});

    ASSERT_TRUE(control("SpeedButton57").showing());
    dialogs.answer(QStringLiteral("OK"));
    input.click(QStringLiteral("SpeedButton57"));
    EXPECT_TRUE(control("Panel18").showing());
    EXPECT_FALSE(control("Panel14").showing());
    EXPECT_EQ(program.read(QStringLiteral(" Emprunteurs_classe.csv")), "MARTIN;Lea;CM1\r\n");
}
