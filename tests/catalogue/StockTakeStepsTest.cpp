// The steps of the stock-take: its state kept in Inventaire.txt across suspensions, the marks
// cleared at a new start, the administrator's password before each step that changes anything,
// the list of missing copies, their export with copy number 0, and the final deletion.
#include "StockTakeFixture.h"

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"

#include <QFile>
#include <functional>

namespace {

const QString kStepsPrince = QStringLiteral("9782070612758");
const QString kTales = QStringLiteral("9782070000002");

class StockTakeStepsTest : public StockTakeTest {
protected:
    // Found, missing on the shelf (with separators in its title), out on loan, another genre.
    void addFourCopies()
    {
        addCopy(kStepsPrince, QStringLiteral("Le Petit Prince"), 1, QStringLiteral("Roman"));
        addCopy(kStepsPrince, QStringLiteral("Le Petit; Prince~2"), 2, QStringLiteral("Roman"));
        addCopy(kStepsPrince, QStringLiteral("Le Petit Prince"), 3, QStringLiteral("Roman"), QStringLiteral("DUPONT"));
        addCopy(kTales, QStringLiteral("Contes & <Fables>"), 1, QStringLiteral("Conte"));
    }
    void finish() { runEndingStep("SpeedButton31", 6); }
    void zeroMissingCopies() { runEndingStep("SpeedButton50", 6); }
    void deleteZeroCopies() { runEndingStep("SpeedButton53", 2); }
    QString stateFile() { return fileText(QStringLiteral("Inventaire.txt")); }
};

}  // namespace

TEST_F(StockTakeStepsTest, TheCountersSurviveASuspensionAndAreRecountedWhenTheStockTakeIsOpenedAgain)
{
    addFourCopies();
    frm().db.ADOConnection1.execute(QStringLiteral("UPDATE table1 SET DateEmprunt = '01/12/2025'"));
    // Nothing started yet: the counters count from 0.
    openStockTake();
    EXPECT_EQ(lastDialogText(), "Pas d'inventaire en cours");
    EXPECT_TRUE(frm().InventoryMode);

    startStockTake(QStringLiteral("Roman"));
    EXPECT_EQ(marks(), (QStringList{"", "", "", "01/12/2025"}));  // only the genre's marks go
    EXPECT_EQ(stateFile(), "Inventaire en cours\r\n08/12/2025\r\nRoman\r\n0\r\n3\r\n");
    input.click(QStringLiteral("Edit1"));
    input.scan(kStepsPrince);
    input.click(QStringLiteral("SpeedButton32"));
    EXPECT_EQ(stateFile(), "Inventaire partiel en cours\r\n08/12/2025\r\nRoman\r\n1\r\n2\r\n");
    EXPECT_FALSE(frm().InventoryMode);
    EXPECT_FALSE(control("Panel4").visible());

    // Another day, another program run's counters: the file and the table tell them.
    edit("Edit147").setText(QStringLiteral("0"));
    clock.advance(24 * 3600 * 1000);
    openStockTake();
    EXPECT_EQ(lastDialogText(), "Inventaire partiel en cours\r08/12/2025\rRoman\r1\r2");
    EXPECT_EQ(edit("Edit146").text(), "Roman");
    input.click(QStringLiteral("Edit1"));
    input.scan(kStepsPrince);
    EXPECT_EQ(edit("Edit147").text(), "2");
    EXPECT_EQ(edit("Edit148").text(), "1");
    EXPECT_EQ(marks(), (QStringList{"08/12/2025", "09/12/2025", "", "01/12/2025"}));
}

TEST_F(StockTakeStepsTest, EachStepThatChangesTheStockTakeAsksTheAdministratorsPassword)
{
    addFourCopies();
    frm().db.ADOConnection1.execute(QStringLiteral("UPDATE table1 SET DateEmprunt = '01/12/2025'"));
    const QStringList before = marks();
    for (const char* button : {"SpeedButton52", "SpeedButton31", "SpeedButton50", "SpeedButton53"}) {
        for (const char* typed : {"", "faux"}) {
            openStockTake();
            const size_t shown = dialogs.log().size();
            dialogs.answer(QString::fromUtf8(typed));
            if (!*typed)
                answer({"OK"});
            input.click(QString::fromLatin1(button));
            const size_t expected = *typed ? 1 : 2;
            ASSERT_EQ(dialogs.log().size(), shown + expected) << button << typed;
            if (!*typed) {
                EXPECT_EQ(lastDialogText(), "Le mot de passe ne peut être vide") << button;
            }
        }
    }
    EXPECT_EQ(marks(), before);
    EXPECT_EQ(booksColumn("NbrExemplaire"), (QStringList{"1", "2", "3", "1"}));
    EXPECT_FALSE(program.exists(QStringLiteral("Qvlzantor/Inventaire_Annuel_.csv")));
}

// A new installation has no administrator password: the stock-take said only that the password
// cannot be empty, and no answer could ever pass. It now says where the password is set.
TEST_F(StockTakeStepsTest, WithoutAnAdministratorPasswordTheStepSaysWhereToSetIt)
{
    addFourCopies();
    const QStringList before = marks();
    frm().settings.MDP_Administrateur.clear();
    openStockTake();
    answer({"", "OK"});
    input.click(QStringLiteral("SpeedButton52"));
    EXPECT_EQ(lastDialogText(), "Le mot de passe ne peut être vide\rAucun mot de passe administrateur n'est encore "
                                "défini : choisissez-le dans le menu Outils > Configuration.");
    EXPECT_EQ(marks(), before);
}

TEST_F(StockTakeStepsTest, TheMissingListFollowsTheGenreAndWhetherCopiesOutOnLoanCountAsThere)
{
    struct Case {
        bool lentCountsAsThere;
        const char* genre;
        std::vector<int> listed;  // copy rows by NumLivre
    };
    const Case cases[] = {
        {true, "", {2, 4}},
        {false, "", {2, 3, 4}},
        {true, "Roman", {2}},
        {false, "Roman", {2, 3}},
    };
    addFourCopies();
    for (const Case& c : cases) {
        openStockTake();
        startStockTake(QString::fromUtf8(c.genre));
        input.click(QStringLiteral("Edit1"));
        input.scan(kStepsPrince);
        frm().get<ui::CheckBox>(QStringLiteral("CheckBox41")).setChecked(c.lentCountsAsThere);
        finish();
        QStringList lines = fileText(QStringLiteral("Inventaire_Annuel_") + c.genre + ".csv").split("\r\n");
        lines.removeAll(QString());
        QStringList numbers;
        for (const QString& line : lines)
            numbers << line.section(u';', 0, 0);
        QStringList expected;
        for (int n : c.listed)
            expected << QString::number(n);
        EXPECT_EQ(numbers, expected) << c.genre << c.lentCountsAsThere;
    }
}

TEST_F(StockTakeStepsTest, TheEndingListsExportsAndDeletesOnlyTheCopiesNotFound)
{
    addFourCopies();
    openStockTake();
    startStockTake();
    input.click(QStringLiteral("Edit1"));
    input.scan(kStepsPrince);
    finish();
    EXPECT_FALSE(frm().InventoryMode);
    EXPECT_EQ(fileText(QStringLiteral("Inventaire_Annuel_.csv")),
              "2;Le Petit; Prince~2;'9782070612758;;\r\n4;Contes & <Fables>;'9782070000002;;\r\n");
    const QString page = fileText(QStringLiteral("Inventaire_Annuel_.html"));
    EXPECT_TRUE(page.startsWith("<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
                                "charset=windows-1252\"><TITLE>Inventaire annuel</TITLE>"));
    EXPECT_EQ(page.count("<tr>"), 2);
    EXPECT_TRUE(page.contains("<td width=\"600\"><p><b>Contes &amp; &lt;Fables&gt;</b></p><p>9782070000002</p>"));
    EXPECT_TRUE(page.endsWith("</table></BODY></HTML>\r\n") || page.endsWith("</table></BODY></HTML>"));
    EXPECT_EQ(stateFile(), "Inventaire terminé\r\n08/12/2025\r\n Complet\r\n1\r\n3\r\n");
    EXPECT_EQ(shell.records().last(), "open: " + program.folder("Inventaire_Annuel_.html"));
    EXPECT_EQ(booksColumn("NbrExemplaire"), (QStringList{"1", "2", "3", "1"}));

    openStockTake();
    zeroMissingCopies();
    const QString header = QStringLiteral(
        "Titre;Auteur;Editeur;Descripteur;Isbn10;Type;Genre;MaxExemplaire;NbrExemplaire;Images;Isbn13;Pages;"
        "Date_parution;CodeBarres;IMP_CodeBarres;EmpNom;EmpPrenom;EmpClasse;NumEmprunteur;Empruntable;LieuRangement;"
        "Photo_rangement;Resume;Proprio;Mot_cle;Langue");
    const QStringList library = fileText(QStringLiteral("Bibliotheque.csv")).split("\r\n");
    ASSERT_EQ(library.size(), 4);
    EXPECT_EQ(library[0], header);
    // A separator inside a value stays inside it; the copy number is the one before the 0.
    const QStringList prince = library[1].split(u';');
    ASSERT_EQ(prince.size(), 26) << library[1].toStdString();
    EXPECT_EQ(prince[0], "Le Petit/ Prince 2");
    EXPECT_EQ(prince[6], "Roman");
    EXPECT_EQ(prince[8], "2");
    EXPECT_EQ(library[2].split(u';').value(0), "Contes & <Fables>");
    EXPECT_EQ(booksColumn("NbrExemplaire"), (QStringList{"1", "0", "3", "0"}));

    openStockTake();
    fill("DBComboBox1", QStringLiteral("Conte"));
    deleteZeroCopies();
    EXPECT_EQ(booksColumn("Titre"), (QStringList{"Le Petit Prince", "Le Petit; Prince~2", "Le Petit Prince"}));
    fill("DBComboBox1", QStringLiteral("Complet"));
    deleteZeroCopies();
    EXPECT_EQ(booksColumn("NumLivre"), (QStringList{"1", "3"}));
    EXPECT_EQ(edit("DBComboBox1").text(), "");
}

TEST_F(StockTakeStepsTest, EveryWayOfHidingThePanelEndsTheStockTakeMode)
{
    addFourCopies();
    struct Leaving {
        const char* how;
        std::function<void()> leave;
    };
    const Leaving ways[] = {
        {"another screen", [&] { input.menu(QStringLiteral("Livres > Nouveaux livres")); }},
        {"the loan screen", [&] { input.click(QStringLiteral("ToolButton3")); }},
        {"a new stock-take cancelled", [&] {
             dialogs.answer(kPassword);
             answer({"Cancel"});
             input.click(QStringLiteral("SpeedButton52"));
         }},
        {"copies to 0 cancelled", [&] {
             dialogs.answer(kPassword);
             answer({"OK", "Cancel", "OK"});
             input.click(QStringLiteral("SpeedButton50"));
         }},
    };
    for (const Leaving& way : ways) {
        SCOPED_TRACE(way.how);
        openStockTake();
        ASSERT_TRUE(frm().InventoryMode);
        way.leave();
        EXPECT_FALSE(control("Panel25").showing());
        EXPECT_FALSE(frm().InventoryMode);
    }

    // A scan on the book screen afterwards is a look-up: no copy is marked, no stock-take line.
    const QStringList before = marks();
    input.menu(QStringLiteral("Livres > Nouveaux livres"));
    input.click(QStringLiteral("Edit1"));
    input.scan(kStepsPrince);
    EXPECT_EQ(edit("Edit4").text(), "Le Petit Prince");
    EXPECT_EQ(marks(), before);
    EXPECT_FALSE(fileText(QStringLiteral("Journal.csv")).contains(QStringLiteral("Inventaire;")));
}

TEST_F(StockTakeStepsTest, ACopyReturnedDuringTheStockTakeStaysFound)
{
    // Found then lent; lent without being scanned; never seen.
    addCopy(kStepsPrince, QStringLiteral("Le Petit Prince"), 1);
    addCopy(kTales, QStringLiteral("Contes"), 1);
    addCopy(QStringLiteral("9782070000019"), QStringLiteral("Perdu"), 1);
    frm().db.ADOConnection1.execute(
        QStringLiteral("Insert into Emprunteurs (NumEmprunteur, EmpNom, EmpPrenom, Classe) Values (12, 'DUPONT', "
                       "'Jean', 'CM1')"));
    openStockTake();
    startStockTake();
    input.click(QStringLiteral("Edit1"));
    input.scan(kStepsPrince);

    input.click(QStringLiteral("ToolButton3"));
    input.selectItem(frm().get<ui::ComboBox>(QStringLiteral("ComboBox7")), 1);
    for (const QString& code : {kStepsPrince, kTales}) {
        input.scan(QStringLiteral("E12"));
        input.scan(code);
        input.scan(code);
    }
    ASSERT_EQ(booksColumn("EmpNom"), (QStringList{"DUPONT", "DUPONT", ""}));
    clock.advance(24 * 3600 * 1000);
    input.click(QStringLiteral("ToolButton2"));
    for (const QString& code : {kStepsPrince, kTales}) {
        input.scan(code);
        input.key(ui::vk::Return);
    }
    ASSERT_EQ(booksColumn("EmpNom"), (QStringList{"", "", ""}));
    EXPECT_EQ(marks(), (QStringList{"09/12/2025", "09/12/2025", ""}));

    openStockTake();
    finish();
    EXPECT_EQ(fileText(QStringLiteral("Inventaire_Annuel_.csv")), "3;Perdu;'9782070000019;;\r\n");
}

TEST_F(StockTakeStepsTest, AReturnOutsideAStockTakeClearsTheLoanDate)
{
    addCopy(kStepsPrince, QStringLiteral("Le Petit Prince"), 1, {}, QStringLiteral("DUPONT"));
    frm().db.ADOConnection1.execute(QStringLiteral("UPDATE table1 SET DateEmprunt = '01/12/2025', NumEmprunteur = 12"));
    frm().db.ADOConnection1.execute(
        QStringLiteral("Insert into Emprunteurs (NumEmprunteur, EmpNom, EmpPrenom, Classe) Values (12, 'DUPONT', "
                       "'Léa', 'CM1')"));
    for (const char* status : {"Inventaire terminé", ""}) {
        SCOPED_TRACE(status);
        if (*status)
            program.write(QStringLiteral("Inventaire.txt"),
                          text::encodeWindows1252(QString::fromUtf8(status) + "\r\n"));
        else
            QFile::remove(program.folder(QStringLiteral("Inventaire.txt")));
        input.click(QStringLiteral("ToolButton2"));
        input.scan(kStepsPrince);
        input.key(ui::vk::Return);
        EXPECT_EQ(marks(), QStringList{""});
        frm().db.ADOConnection1.execute(
            QStringLiteral("UPDATE table1 SET EmpNom = 'DUPONT', DateEmprunt = '01/12/2025', NumEmprunteur = 12"));
    }
}
