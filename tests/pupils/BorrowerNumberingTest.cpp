#include "PupilsDatabase.h"

#include "platform/db/Transaction.h"
#include "platform/text/Windows1252.h"
#include "pupils/BorrowerNumbering.h"
#include "pupils/YearEndReset.h"

namespace {

using BorrowerNumbering = PupilsDatabase;

TEST_F(BorrowerNumbering, RestartNumbersTheNextBorrowerOneAndKeepsTheBooks)
{
    addBorrower("MARTIN", "Léa", "CM1");
    addBorrower("PETIT", "Hugo", "CE2");
    addCopy("Le Petit Prince", "9782070612758");
    {
        db::Transaction transaction(*connection);
        pupils::restartBorrowerNumbering(*connection);
        transaction.commit();
    }
    addBorrower("ROUX", "Anna", "CP");
    EXPECT_EQ(borrowers(), QStringList{"1|ROUX|Anna|CP|"});
    EXPECT_EQ(rows(QStringLiteral("Select * From Table1"), {"NumLivre", "Titre"}), QStringList{"1|Le Petit Prince"});
}

TEST_F(BorrowerNumbering, TheDumpRecordsEveryCopyWithoutChangingTheRows)
{
    addBorrower("MARTIN", "Léa", "CM1");
    addCopy("Contes; et \"légendes\"", "9782070612758", 1, "01/12/2025");
    addCopy("", "");
    ASSERT_EQ(pupils::copiesOut(*connection), 1);
    const QString dump = dir.filePath(QStringLiteral("Bibliotheque2.csv"));
    pupils::DumpBooksToBibliotheque2(*connection, dump);

    QFile file(dump);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = text::decodeWindows1252(file.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("NumLivre;Titre;Auteur;Editeur;Descripteur;Isbn10;Type;Genre;MaxExemplaire;"
                                       "NbrExemplaire;Images;Isbn13;Pages;Date_parution;CodeBarres;IMP_CodeBarres;"
                                       "EmpNom;EmpPrenom;EmpClasse;NumEmprunteur;Empruntable;LieuRangement;"
                                       "Photo_rangement;Resume;Proprio;Mot_cle;Langue"));
    const QStringList lent = lines[1].split(u';');
    ASSERT_EQ(lent.size(), 27);
    EXPECT_EQ(lent[1], QStringLiteral("Contes  et légendes"));
    EXPECT_EQ(lent[11], QStringLiteral("9782070612758"));
    EXPECT_EQ(lent[16], QStringLiteral("MARTIN"));
    EXPECT_EQ(lent[19], QStringLiteral("1"));
    const QStringList untitled = lines[2].split(u';');
    EXPECT_EQ(untitled[1], QStringLiteral("__LIVRE SANS TITRE ?"));
    EXPECT_EQ(untitled[11], QStringLiteral("2"));
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(rows(QStringLiteral("Select * From Table1 WHERE NumLivre=2"), {"Titre", "Isbn13"}), QStringList{"|"});
}

TEST_F(BorrowerNumbering, TheYearEndResetFreesEveryCopyAndDeletesEveryBorrowerAtOnce)
{
    addBorrower("MARTIN", "Léa", "CM1");
    addBorrower("PETIT", "Hugo", "CE2");
    addCopy("Alice", "1111111111111", 1, "01/12/2025", "lea@example.org");
    addCopy("Babar", "2222222222222", 2, "02/12/2025");
    addCopy("Caillou", "3333333333333");
    EXPECT_EQ(pupils::resetLoansAndBorrowers(*connection), 2);
    EXPECT_TRUE(borrowers().isEmpty());
    EXPECT_EQ(rows(QStringLiteral("Select * From Table1 ORDER BY NumLivre"),
                   {"EmpNom", "EmpPrenom", "EmpClasse", "NumEmprunteur", "DateEmprunt", "DateRetour", "Photo_rangement"}),
              (QStringList{"||CM1|0|||lea@example.org", "||CE2|0|||", "|||0|||"}));
    // The numbering goes on.
    addBorrower("ROUX", "Anna", "CP");
    EXPECT_EQ(borrowers(), QStringList{"3|ROUX|Anna|CP|"});
}

}  // namespace
