// The books table repair while the librarian goes on working: a menu command and a scan queued
// while the passes run are refused, so the book screen's look-up never takes the scratch query
// from under the repair.
#include "BookScreenFixture.h"

#include "platform/ui/Menu.h"
#include "program/ProgramScreens.h"

namespace {

const QString kRepairPrince = QStringLiteral("9782070612758");

class BooksTableRepairInputTest : public BookScreenTest {
protected:
    void SetUp() override
    {
        start({"Cancel"}, program::programScreens());
        logIn();
    }
    // Queued as a choice with the mouse is, handled with the rest of the queue.
    void queueMenu(const QString& path)
    {
        ui::MenuItem* item = frm().menu()->findByCaptions(path.split(u'>'));
        ASSERT_NE(item, nullptr) << path.toStdString();
        frm().application().input().menuCommand(*item);
    }
    void addCopy(const QString& code, const QString& title, int copyNumber)
    {
        frm().db.ADOConnection1.execute(
            QStringLiteral("Insert into Table1 (Isbn13, Titre, Type, NbrExemplaire, MaxExemplaire) "
                           "Values (?, ?, 'LIVRE', ?, True)"),
            {code, title, copyNumber});
    }
};

}  // namespace

TEST_F(BooksTableRepairInputTest, AMenuCommandAndAScanDuringTheRepairChangeNothing)
{
    for (int copy : {5, 5, 5})
        addCopy(kRepairPrince, QStringLiteral("Le Petit Prince"), copy);
    addCopy(QStringLiteral("9782070000002"), QStringLiteral("Contes"), 3);
    const size_t shown = dialogs.log().size();
    dialogs.answer(QStringLiteral("OK"));

    queueMenu(QStringLiteral("Outils > Vérification Base Livre"));
    queueMenu(QStringLiteral("Livres > Nouveaux livres"));
    input.queueScan(kRepairPrince);
    input.process();

    EXPECT_EQ(booksColumn("NbrExemplaire"), (QStringList{"1", "2", "3", "1"}));
    EXPECT_EQ(booksColumn("MaxExemplaire"), (QStringList{"Faux", "Faux", "Vrai", "Vrai"}));
    // The repair's log stays in view and nothing was looked up; its closing message was the only one.
    EXPECT_TRUE(control("RichEdit7").showing());
    EXPECT_EQ(edit("Edit1").text(), "");
    EXPECT_EQ(edit("Edit4").text(), "");
    ASSERT_EQ(dialogs.log().size(), shown + 1);
    EXPECT_EQ(dialogs.log().back().text, frm().tables.message(201));

    // Once the repair is over, the same input is handled again.
    input.menu(QStringLiteral("Livres > Nouveaux livres"));
    input.scan(kRepairPrince);
    EXPECT_EQ(edit("Edit4").text(), "Le Petit Prince");
}
