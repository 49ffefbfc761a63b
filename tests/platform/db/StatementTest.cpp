// The statement shapes the program writes, read and bound as Jet would run them.
#include "platform/db/Error.h"
#include "platform/db/Query.h"
#include "platform/db/SqlText.h"
#include "tests/platform/db/TestDatabase.h"

#include <gtest/gtest.h>

using dbtest::TestDatabase;
using Keys = std::vector<qint64>;

namespace {

struct SelectCase {
    const char* sql;
    Keys expected;
};

class Statements : public ::testing::Test {
protected:
    void SetUp() override { db.addBooks(); }

    QString cell(const char* select, const char* field)
    {
        db::Query q(db.connection());
        q.addSql(QString::fromUtf8(select));
        q.open();
        return q.fieldByName(QString::fromUtf8(field)).asString();
    }

    // Every value of every row, to show that a refused statement changed nothing.
    QStringList dump()
    {
        QStringList all;
        for (const char* table : {"Table1", "Emprunteurs"}) {
            db::Query q(db.connection());
            q.addSql(QStringLiteral("SELECT * FROM ") + QLatin1String(table));
            q.open();
            for (q.first(); !q.eof(); q.next()) {
                for (int i = 0; i < q.fieldCount(); ++i)
                    all << q.field(i).asString();
            }
        }
        return all;
    }

    TestDatabase db;
};

TEST_F(Statements, SelectShapesFindTheRowsJetWould)
{
    const SelectCase cases[] = {
        {"Select * From table1", {1, 2, 3, 4, 5}},
        {"Select * FROM table1 ", {1, 2, 3, 4, 5}},
        {"SELECT * FROM table1 ORDER BY numlivre DESC;", {5, 4, 3, 2, 1}},
        {"Select * FROM table1  ORDER BY Titre", {5, 2, 4, 1, 3}},
        {"SELECT * FROM table1 WHERE Isbn13 ='00012'ORDER BY NumLivre", {2, 3}},
        {"SELECT * FROM table1 WHERE Isbn13 ='00012'\r\nORDER BY NbrExemplaire DESC", {3, 2}},
        {"SELECT * FROM table1 WHERE Isbn13 ='00012'AND NbrExemplaire = 2", {3}},
        {"SELECT * FROM table1 WHERE Isbn13 = 00012", {2, 3}},
        {"SELECT * FROM table1 WHERE Type = 'LIVRE'", {1, 2, 4}},
        {"SELECT * FROM table1 WHERE Type <> 'LIVRE' AND MaxExemplaire = True ORDER BY Titre", {3}},
        {"Select * From table1 WHERE titre = 'l''ÉCOLE DES LOISIRS' ", {1}},
        {"Select * From table1 WHERE  GENRE ='roman'", {1, 4}},
        {"Select * From table1 WHERE DateEmprunt>=0", {1, 2}},
        {"Select * From table1 WHERE DateEmprunt=0", {2}},
        {"Select * From table1 WHERE DateEmprunt>=0 AND Genre ='Conte'", {2}},
        {"SELECT * FROM table1 WHERE DateEmprunt = '08/12/2025'", {1}},
        {"Select * FROM table1 WHERE EmpNom <> '' ORDER BY EmpNom,Titre", {1}},
        {"SELECT * FROM table1 WHERE Numlivre =3", {3}},
        {"SELECT * FROM table1 WHERE NumEmprunteur = 5 ORDER by DateRetour", {1}},
        {"SELECT * FROM table1 WHERE NbrExemplaire = '0'", {4}},
        {"SELECT * FROM table1 WHERE Prix_Client = '12,50'", {4}},
        {"SELECT * FROM table1 WHERE Titre >= 'z'", {3}},
        {"SELECT * FROM table1 WHERE Type = ''", {}},
        // Longer than the column holds: compared, never refused as a stored value would be.
        {"SELECT * FROM table1 WHERE Isbn10 ='123456789012345678901'", {}},
        {"SELECT * FROM table1 WHERE Isbn13 >='00012 suivi de bien plus de cinquante caractères encore'", {1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db.keys(QString::fromUtf8(c.sql)), c.expected) << c.sql;
}

TEST_F(Statements, LikeFoldsCaseKeepsAccentsAndReadsOnlyPercentAndUnderscore)
{
    const SelectCase cases[] = {
        {"Select * FROM table1 WHERE Titre like 'l''é%'", {1}},
        {"Select * FROM table1 WHERE Titre like 'E%'", {2}},
        {"Select * FROM table1 WHERE Titre like 'É%'", {4}},
        {"Select * FROM table1 WHERE Titre like '%co%'", {1, 2, 4}},
        {"Select * FROM table1 WHERE Titre like '_OO'", {3}},
        {"Select * FROM table1 WHERE Titre like 'abc[%'", {5}},
        {"Select * FROM table1 WHERE Titre like 'abc*'", {}},
        {"Select * FROM table1 WHERE Type like '%'", {1, 2, 3, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db.keys(QString::fromUtf8(c.sql)), c.expected) << c.sql;
}

TEST_F(Statements, WritesConvertQuotedDatesCurrencyAndNumbersToTheColumnType)
{
    auto& c = db.connection();
    EXPECT_EQ(c.execute("UPDATE table1 SET EmpNom ='MARTIN',EmpPrenom='Léa',EmpClasse='CM1',NumEmprunteur=7,"
                        "DateRetour='22/12/2025',DateEmprunt='08/12/2025',Photo_rangement='l@x.fr',"
                        "NbreFoisEmprunte='00003'\r\nWHERE NumLivre = 3"),
              1);
    EXPECT_EQ(cell("SELECT * FROM table1 WHERE NumLivre = 3", "DateEmprunt"), "08/12/2025");
    EXPECT_EQ(cell("SELECT * FROM table1 WHERE NumLivre = 3", "NumEmprunteur"), "7");

    c.execute("UPDATE table1 SET NbreFoisEmprunte=4 WHERE NumLivre = 3");
    EXPECT_EQ(cell("SELECT * FROM table1 WHERE NumLivre = 3", "NbreFoisEmprunte"), "4");

    EXPECT_EQ(c.execute("UPDATE table1 SET EmpNom ='',EmpPrenom='',NumEmprunteur=0,DateEmprunt=0,DateRetour=0 "
                        "WHERE EmpNom <> ''"),
              2);
    EXPECT_EQ(cell("SELECT * FROM table1 WHERE NumLivre = 3", "DateRetour"), "30/12/1899");

    c.execute("Insert into table1 (Titre,Isbn10,Empruntable,NbrExemplaire,Prix_Client,Emprunte,MaxExemplaire) "
              "Values ('Nouveau','*00012*',True,'3','0,00',False,True)");
    const qint64 key = c.lastInsertKey();
    EXPECT_EQ(key, 6);
    const QString row = QStringLiteral("SELECT * FROM table1 WHERE NumLivre = %1").arg(key);
    EXPECT_EQ(cell(row.toUtf8(), "NbrExemplaire"), "3");
    EXPECT_EQ(cell(row.toUtf8(), "Prix_Client"), "0");
    EXPECT_EQ(cell(row.toUtf8(), "MaxExemplaire"), "Vrai");
    EXPECT_EQ(cell(row.toUtf8(), "IMP_CodeBarres"), "Faux");

    c.execute("UPDATE table1 SET Imp_Codebarres = True WHERE Isbn13 ='00012'");
    EXPECT_EQ(c.execute("UPDATE table1 SET Imp_Codebarres = False WHERE Imp_Codebarres = True"), 2);
}

TEST_F(Statements, QuotesInsideValuesStayValues)
{
    auto& c = db.connection();
    c.execute("Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('O''BRIEN','Seán','CM1'' OR ''1''=''1')");
    EXPECT_EQ(cell("SELECT * FROM Emprunteurs WHERE EmpNom ='o''brien'", "Classe"), "CM1' OR '1'='1");
    EXPECT_EQ(db.keys("SELECT * FROM Emprunteurs WHERE Classe ='CM1'"), Keys{});
}

TEST_F(Statements, DeleteWithStarAndWithoutEmptiesTheSameWay)
{
    auto& c = db.connection();
    c.execute("Insert into Emprunteurs (EmpNom,NumINE) Values ('A','')");
    c.execute("Insert into Emprunteurs (EmpNom,NumINE) Values ('B','0')");
    c.execute("Insert into Emprunteurs (EmpNom) Values ('C')");
    EXPECT_EQ(c.execute("DELETE FROM Emprunteurs WHERE NumINE=''"), 1);
    EXPECT_EQ(c.execute("DELETE * FROM Emprunteurs"), 2);
    EXPECT_EQ(db.keys("Select * From Emprunteurs"), Keys{});
    EXPECT_EQ(c.execute("DELETE FROM table1 WHERE titre = '@' "), 0);
}

TEST_F(Statements, RefusedStatementsRaiseAndChangeNothing)
{
    struct Refused {
        const char* sql;
        db::Error::Kind kind;
    };
    using K = db::Error::Kind;
    const Refused cases[] = {
        {"SELECT * FROM Emprunteurs WHERE EmpNom >='ROS' ORDER by DateRetour", K::UnknownName},
        {"Select * From table9", K::UnknownName},
        {"UPDATE table1 SET Couleur = 'x'", K::UnknownName},
        {"SELECT * FROM table1 WHERE NumLivre = I12a", K::Syntax},
        {"SELECT * FROM table1 WHERE NumLivre = 12a", K::Syntax},
        {"UPDATE table1 SET EmpNom = '' WHERE NumLivre = 1 OR 1=1", K::Syntax},
        {"UPDATE table1 SET EmpNom = '' WHERE NumLivre = 1; DELETE FROM Table1", K::Syntax},
        {"UPDATE table1 SET EmpNom = '' WHERE NumEmprunteur =", K::Syntax},
        {"Insert into Table1 (Titre,Empruntable) Values ('x',Vrai)", K::Syntax},
        {"Insert into Table1 (Titre,Titre) Values ('a','b')", K::Syntax},
        {"Insert into Table1 (Titre,Auteur) Values ('a')", K::Syntax},
        {"UPDATE table1 SET Titre = 'unterminated", K::Syntax},
        {"SELECT Titre FROM table1", K::Syntax},
        {"DROP TABLE table1", K::Syntax},
        {"SELECT * FROM table1 WHERE NumLivre = 'abc'", K::Conversion},
        {"UPDATE table1 SET NbrExemplaire = 'abc'", K::Conversion},
        {"UPDATE table1 SET NbrExemplaire = 40000", K::Conversion},
        {"UPDATE table1 SET NumEmprunteur = 1.5", K::Conversion},
        {"UPDATE table1 SET DateEmprunt = '31/02/2025'", K::Conversion},
        {"UPDATE table1 SET Empruntable = 'peut-être'", K::Conversion},
        {"UPDATE table1 SET Titre = True", K::Conversion},
        {"UPDATE table1 SET Prix_Client = '12 euros'", K::Conversion},
        {"UPDATE table1 SET EmpNom = '123456789012345678901'", K::TooLong},
        {"UPDATE table1 SET numlivre = 9 WHERE numlivre = 1", K::State},
        {"UPDATE table1 SET Empruntable = ''", K::Engine},
    };
    const QStringList before = dump();
    for (const auto& c : cases) {
        try {
            db.connection().execute(QString::fromUtf8(c.sql));
            ADD_FAILURE() << "accepted: " << c.sql;
        } catch (const db::Error& e) {
            EXPECT_EQ(e.kind(), c.kind) << c.sql << " -> " << e.what();
            EXPECT_FALSE(e.message().isEmpty());
        }
    }
    EXPECT_EQ(dump(), before);
}

TEST(SqlInteger, LetsOnlyWholeNumbersIntoStatementText)
{
    EXPECT_EQ(db::sqlInteger(" 12 "), "12");
    EXPECT_EQ(db::sqlInteger("-3"), "-3");
    EXPECT_EQ(db::sqlInteger("007"), "7");
    for (const char* bad : {"", "I12a", "1 OR 1=1", "1; DELETE FROM Table1", "1.5", "99999999999999999999"})
        EXPECT_THROW(db::sqlInteger(QString::fromUtf8(bad)), db::Error) << bad;
}

}  // namespace
