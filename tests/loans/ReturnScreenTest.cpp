// The return screen driven through queued input: codes scanned into the code field, Enter on
// "Rangement", "Chercher" and the copy label, over loans written straight into the database.
#include "MainWindowFixture.h"

#include "loans/ReturnInstaller.h"
#include "platform/db/Query.h"
#include "platform/text/PascalText.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Keys.h"
#include "platform/ui/testing/OffsetTable.h"
#include "pupils/PupilsInstaller.h"

namespace {

class ReturnScreenTest : public MainWindowTest {
protected:
    // The screens the test builds, in the program's order.
    virtual std::vector<app::ScreenInstaller> screens() const
    {
        return {[](app::TFrmPrin& frm) { loans::installReturnScreen(frm); }};
    }

    void SetUp() override
    {
        start({"Cancel"}, screens());
        dialogs.answer(QString());
        dialogs.answer(QStringLiteral("Terminer"));
        input.menu(QStringLiteral("Fichier > Administrateur"));
        addBorrower(12, "DUPONT", "Jean", "CM1", 2);
        addBorrower(13, "MARTIN", "Léa", "CE2", 1);
        addCopy(101, "9782070612758", "Le Petit Prince", 12, "DUPONT", "Jean", "CM1");
        addCopy(102, "9782070612758", "Le Petit Prince", 0, "", "", "");
        addCopy(103, "9782070584628", "Harry Potter", 12, "DUPONT", "Jean *103* ", "CM1");
        addCopy(104, "9782081234567", "Tintin", 13, "MARTIN", "Léa", "CE2");
        addCopy(105, "9782081234567", "Tintin", 12, "DUPONT", "Jean", "CM1");
        input.click(QStringLiteral("ToolButton2"));
    }

    void run(const QString& sql, const db::Params& params = {}) { frm().db.ADOConnection1.execute(sql, params); }
    void addBorrower(int number, const char* surname, const char* firstName, const char* className, int current)
    {
        run(QStringLiteral("Insert into Emprunteurs (NumEmprunteur, EmpNom, EmpPrenom, Classe, NbrEmpruntsTotal, "
                           "NbrEmpruntsEnCours) Values (?, ?, ?, ?, 5, ?)"),
            {number, QString::fromUtf8(surname), QString::fromUtf8(firstName), QString::fromUtf8(className), current});
    }
    void addCopy(int number, const char* code, const char* title, int borrower, const char* surname,
                 const char* firstName, const char* className)
    {
        run(QStringLiteral("Insert into Table1 (NumLivre, Isbn13, Titre, Auteur, Genre, Type, Empruntable, Images, "
                           "LieuRangement, NumEmprunteur) "
                           "Values (?, ?, ?, 'Auteur', 'Roman', 'LIVRE', True, 'cover.jpg', 'Etagere_A.jpg', ?)"),
            {number, QString::fromLatin1(code), QString::fromUtf8(title), borrower});
        if (borrower == 0)
            return;
        run(QStringLiteral("UPDATE Table1 SET EmpNom = ?, EmpPrenom = ?, EmpClasse = ?, DateEmprunt='01/12/2025',"
                           "DateRetour='15/12/2025' WHERE NumLivre = ?"),
            {QString::fromUtf8(surname), QString::fromUtf8(firstName), QString::fromUtf8(className), number});
    }
    QString column(const QString& sql, const char* field)
    {
        db::Query q(frm().db.ADOConnection1);
        q.setSql(sql);
        q.open();
        return q.isEmpty() ? QStringLiteral("<none>") : q.fieldByName(QString::fromLatin1(field)).asString();
    }
    QString holder(int copy)
    {
        return column(QStringLiteral("SELECT * FROM Table1 WHERE NumLivre = %1").arg(copy), "NumEmprunteur") + u'/' +
               column(QStringLiteral("SELECT * FROM Table1 WHERE NumLivre = %1").arg(copy), "EmpNom");
    }
    QString current(int borrower)
    {
        return column(QStringLiteral("SELECT * FROM Emprunteurs WHERE NumEmprunteur = %1").arg(borrower),
                      "NbrEmpruntsEnCours");
    }
    QStringList journalLines() const
    {
        const QString all = QString::fromLatin1(program.read(QStringLiteral("Journal.csv")));
        QStringList lines = all.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        lines.removeFirst();
        return lines;
    }
    ui::CustomEdit& edit(const char* name) { return frm().get<ui::CustomEdit>(QString::fromLatin1(name)); }
    ui::Control& control(const char* name) { return frm().get<ui::Control>(QString::fromLatin1(name)); }
    bool focused(const char* name) { return frm().get<ui::WinControl>(QString::fromLatin1(name)).focused(); }
    QString message(int entry) { return frm().tables.message(entry); }
};

TEST_F(ReturnScreenTest, TheSimulatedClicksLandOnTheirButtons)
{
    ui::testing::expectOffsetsLand(frm(), {{{50, 570}, "Button46"},
                                           {{70, 550}, "Button46"},
                                           {{70, 570}, "Button46"},
                                           {{110, 580}, "Button46"}});
    control("Button48").show();
    ui::testing::expectOffsetsLand(frm(), {{{70, 670}, "Button48"}});
}

TEST_F(ReturnScreenTest, ScannedCodeOfOneHolderIsReturnedByEnter)
{
    EXPECT_TRUE(focused("Edit48"));
    input.scan(QStringLiteral("9782070612758"));
    EXPECT_EQ(edit("Edit49").text(), "12");
    EXPECT_EQ(edit("Edit50").text(), "DUPONT");
    EXPECT_EQ(edit("Edit53").text(), "Le Petit Prince");
    EXPECT_EQ(edit("Edit132").text(), "15/12/2025");
    EXPECT_TRUE(focused("Button48"));
    // The scanner's own Enter was dropped: nothing is returned yet.
    EXPECT_EQ(holder(101), "12/DUPONT");

    input.key(ui::vk::Return);
    EXPECT_EQ(holder(101), "0/");
    EXPECT_EQ(column("SELECT * FROM Table1 WHERE NumLivre = 101", "DateRetour"), "");
    EXPECT_EQ(current(12), "1");
    EXPECT_EQ(journalLines(), QStringList{"Retour;08/12/2025;9782070612758 [101];Le Petit Prince;Auteur;DUPONT;Jean;CM1;12;Roman"});
    EXPECT_TRUE(program.exists(QStringLiteral("Qvlzantor/Historique_emprunt/CM1/DUPONT.Jean/Le_Petit_Prince.jpg")));
    EXPECT_TRUE(focused("Edit48"));
    EXPECT_FALSE(control("Button48").visible());
    EXPECT_EQ(edit("Edit49").text(), "");
}

// The desk with the lists screen built after it, as the program builds them.
class ReturnWithListsTest : public ReturnScreenTest {
protected:
    std::vector<app::ScreenInstaller> screens() const override
    {
        auto screens = ReturnScreenTest::screens();
        screens.push_back([](app::TFrmPrin& frm) { pupils::installPupilScreens(frm); });
        return screens;
    }
};

TEST_F(ReturnWithListsTest, AReturnLeavesTheHoldersClassChosenOnTheListsScreen)
{
    input.scan(QStringLiteral("9782070612758"));
    input.key(ui::vk::Return);
    ASSERT_EQ(holder(101), "0/");
    EXPECT_EQ(frm().get<ui::Control>(QStringLiteral("ComboBox10")).text(), QStringLiteral("CM1"));
}

TEST_F(ReturnScreenTest, CopyLabelReturnsThatCopyAndLowersItsHoldersCount)
{
    input.scan(QStringLiteral("I103"));
    EXPECT_EQ(edit("Edit134").text(), "103");
    EXPECT_EQ(edit("Edit49").text(), "12");
    EXPECT_TRUE(focused("Button48"));
    input.key(ui::vk::Return);
    EXPECT_EQ(holder(103), "0/");
    EXPECT_EQ(current(12), "1");
    EXPECT_EQ(journalLines(), QStringList{"Retour;08/12/2025; [103];Harry Potter;Auteur;DUPONT;Jean;CM1;12;Roman"});
}

TEST_F(ReturnScreenTest, CopyThatIsNotOutGetsItsMessageAndNothingIsWritten)
{
    const QByteArray journalBefore = program.read(QStringLiteral("Journal.csv"));
    dialogs.answer(QStringLiteral("OK"));
    dialogs.answer(QStringLiteral("OK"));
    input.scan(QStringLiteral("I102"));
    EXPECT_EQ(dialogTexts().last(), message(209));
    EXPECT_EQ(holder(102), "0/");
    EXPECT_FALSE(control("Button48").visible());
    // A copy number typed by hand and "Rangement" reached anyway: the row is read first.
    control("Button48").show();
    edit("Edit134").setText(QStringLiteral("102"));
    edit("Edit49").setText(QStringLiteral("12"));
    input.click(QStringLiteral("Button48"));
    EXPECT_EQ(dialogTexts().last(), message(209));
    EXPECT_EQ(current(12), "2");
    EXPECT_EQ(program.read(QStringLiteral("Journal.csv")), journalBefore);
}

TEST_F(ReturnScreenTest, TwoHoldersAreListedAndTheBorrowerNumberFindsTheCopy)
{
    input.scan(QStringLiteral("9782081234567"));
    EXPECT_TRUE(control("Panel23").visible());
    EXPECT_EQ(control("Label198").text(), "Léa MARTIN CE2");
    EXPECT_EQ(control("Label199").text(), "Jean DUPONT CM1");
    EXPECT_EQ(edit("Edit54").text(), "2");
    // The photo of the second holder picks that pupil and searches.
    input.click(QStringLiteral("Image36"));
    EXPECT_EQ(edit("Edit49").text(), "12");
    EXPECT_EQ(edit("Edit50").text(), "DUPONT");
    EXPECT_TRUE(focused("Button48"));
    input.key(ui::vk::Return);
    EXPECT_EQ(holder(105), "0/");
    EXPECT_EQ(holder(104), "13/MARTIN");
}

TEST_F(ReturnScreenTest, CodeOfNoCopyAndOfNoLoanGetTheirMessages)
{
    const struct {
        const char* code;
        QString expected;
    } cases[] = {
        {"9780000000002", message(10)},
        {"9782070584628", message(12) + u'\r' + message(13)},  // its one loan was made by copy number
    };
    for (const auto& c : cases) {
        // "Rangement" keeps the focus after a look-up, whatever it found.
        input.click(QStringLiteral("Edit48"));
        dialogs.answer(QStringLiteral("OK"));
        input.scan(QString::fromLatin1(c.code));
        EXPECT_EQ(dialogs.log().back().text, c.expected) << c.code;
        EXPECT_EQ(edit("Edit48").text(), "") << c.code;
    }
    EXPECT_EQ(holder(103), "12/DUPONT");
}

TEST_F(ReturnScreenTest, BorrowerNumberAloneListsThatPupilsLoans)
{
    edit("Edit49").setFocus();
    input.type(QStringLiteral("E012"));
    input.key(ui::vk::Return);
    // Enter drops the card's letter; the number stays as typed.
    EXPECT_EQ(edit("Edit49").text(), "012");
    EXPECT_TRUE(control("Panel23").visible());
    EXPECT_EQ(control("Label197").text(), "Liste des livres actuellement empruntés");
    QStringList rows;
    for (const char* row : {"Label198", "Label199", "Label200"})
        rows << control(row).text();
    EXPECT_EQ(rows.size(), 3);
    EXPECT_TRUE(rows.contains("9782070612758 Le Petit Prince"));
    EXPECT_TRUE(rows.contains("9782081234567 Tintin"));
}

}  // namespace
