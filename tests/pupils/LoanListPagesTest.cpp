#include "PupilsDatabase.h"

#include "pupils/LoanListPages.h"

namespace {

using pupils::LoanRow;

class LoanLists : public PupilsDatabase {
protected:
    // Today is 08/12/2025. Copies due before, on and after today; one returned; one without class.
    LoanLists()
    {
        addBorrower("MARTIN", "Léa", "CM1");
        addBorrower("PETIT", "Hugo", "CE2");
        addBorrower("SANS", "Classe", "");
        connection->execute(QStringLiteral("UPDATE Emprunteurs SET Mail='lea@example.org' WHERE NumEmprunteur=1"));
        addCopy("Alice & Bob", "1111111111111", 1, "07/12/2025", "lea+parents@example.org");
        addCopy("Babar", "2222222222222", 2, "08/12/2025");
        addCopy("Caillou", "3333333333333", 2, "01/12/2025");
        addCopy("Dora", "4444444444444");
        addCopy("Emile", "5555555555555", 3, "20/11/2025");
        addCopy("Sans date", "6666666666666", 1);
    }
    std::vector<LoanRow> out(const pupils::ListFilters& filters = {})
    {
        return pupils::loanRows(*connection,
                                pupils::listSelection(QStringLiteral("Select * FROM table1 WHERE EmpNom <> '' ORDER BY EmpNom,Titre"), filters));
    }
    const QDate today{2025, 12, 8};
    const pupils::PageTexts texts{QStringLiteral("http://example.org"), QStringLiteral("Livres"), QStringLiteral("Livres sortis")};
};

TEST_F(LoanLists, OverdueCopiesAreThoseDueBeforeToday)
{
    const pupils::ListFiles all = pupils::overdueList(out(), QString(), today, texts);
    EXPECT_EQ(all.csv.split(QStringLiteral("\r\n")),
              (QStringList{"Titre;Isbn13;Auteur;genre;Lieurangement;EmpNom;EmpPrenom;Classe;DateRetour;mail;ImageLivre;\r"
                           "Alice & Bob;'1111111111111;;;;MARTIN;Léa;CM1;07/12/2025;lea+parents@example.org;1111111111111.jpg",
                           "Caillou;'3333333333333;;;;PETIT;Hugo;CE2;01/12/2025;;3333333333333.jpg",
                           "Emile;'5555555555555;;;;SANS;Classe;;20/11/2025;;5555555555555.jpg", ""}));
    const pupils::ListFiles ce2 = pupils::overdueList(out(), QStringLiteral("CE2"), today, texts);
    EXPECT_EQ(ce2.csv.count(QStringLiteral("\r\n")), 1);
    EXPECT_TRUE(all.page.contains(QStringLiteral("<b>Alice &amp; Bob</b>")));
}

TEST_F(LoanLists, CopiesOutListEveryLentCopyAndTheLastFilterWins)
{
    const pupils::ListFiles list = pupils::booksOutList(out(), QStringLiteral("CM1"), texts);
    EXPECT_EQ(list.csv.count(QStringLiteral("\r\n")), 6);
    EXPECT_EQ(list.page.count(QStringLiteral("<tr>")), 2);
    EXPECT_EQ(out({QStringLiteral("1111111111111"), QString(), QStringLiteral("2")}).size(), 2u);
    EXPECT_EQ(out({QString(), QStringLiteral("D"), QString()}).front().title, QStringLiteral("Dora"));
    EXPECT_THROW(out({QString(), QString(), QStringLiteral("1 OR 1=1")}), text::ConversionError);
}

TEST_F(LoanLists, ReminderLinksArePercentEncoded)
{
    const pupils::ListFiles list =
        pupils::reminderList(out(), QString(), today, {QStringLiteral("Merci de rendre "), QStringLiteral("prévu le ")}, texts);
    EXPECT_TRUE(list.page.contains(QStringLiteral(
        "<A HREF=\"mailto:lea%2Bparents@example.org?subject=Livre%20en%20retard&amp;body=Merci%20de%20rendre%20Alice%20%26%20Bob%20pr%C3%A9vu%20le%2007%2F12%2F2025\">"
        "lea+parents@example.org</A>")));
    EXPECT_EQ(list.page.count(QStringLiteral("mailto:")), 1);
    EXPECT_TRUE(list.csv.startsWith(QStringLiteral("Titre;Isbn13;Auteur;genre;Lieurangement;EmpNom;EmpPrenom;Classe;DateRetour;mail;ImageLivre\r\n")));
}

// The picture pages show the photos the borrower screen took: the surname in the program's capitals.
TEST_F(LoanLists, PicturePagesLinkThePhotoUnderTheNameTheScreensUse)
{
    std::vector<LoanRow> rows = out();
    rows.front().surname = QStringLiteral("Martin-Roux");
    rows.back().surname = QStringLiteral("../..");
    const QString outPage = pupils::booksOutPicturePage(rows, QString(), texts);
    const QString reminders =
        pupils::reminderList(rows, QString(), today, {QStringLiteral("Merci de rendre "), QStringLiteral("prévu le ")}, texts).page;
    for (const QString& page : {outPage, reminders}) {
        EXPECT_TRUE(page.contains(QStringLiteral("<img src=\"Photo_emprunteur/MARTIN-ROUX_") + rows.front().firstName + QStringLiteral(".jpg\"")));
        EXPECT_FALSE(page.contains(QStringLiteral("Photo_emprunteur/..")));
    }
    EXPECT_TRUE(outPage.contains(QStringLiteral("<img src=\"Photo_emprunteur/No_picture.jpg\"")));
}

}  // namespace
