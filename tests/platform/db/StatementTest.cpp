// The statement shapes the program writes, read and bound as Jet would run them.
#include "platform/db/Error.h"
#include "platform/db/Query.h"
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

// The remaining shapes of the program's statements, over a few borrowers and the books with
// places, loan counts, issue numbers and label marks.
TEST_F(Statements, EveryOtherShapeTheProgramWritesRunsAsJetWould)
{
    db.run({"UPDATE table1 SET LieuRangement ='B.jpg',NbreFoisEmprunte='00003',IMP_CodeBarres = True WHERE NumLivre = 2",
            "UPDATE table1 SET LieuRangement ='a.jpg',NbreFoisEmprunte='00012',Mot_Cle='Contes',Proprio='BCD' "
            "WHERE NumLivre = 4",
            "UPDATE table1 SET Isbn10 ='*00012*',IMP_CodeBarres = True WHERE NumLivre = 3",
            "UPDATE table1 SET Isbn13 ='00000' WHERE NumLivre = 5",
            "Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('ROSSI','Léa','CM1')",
            "Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('MARTIN','Paul','cm1')",
            "Insert into Emprunteurs (EmpNom,EmpPrenom,Classe) Values ('ROUX','Ana','CE2')"});
    const SelectCase selects[] = {
        {"SELECT * FROM table1 WHERE NbrExemplaire = 1 ORDER BY Titre", {2, 1}},
        {"SELECT * FROM table1 WHERE Type = 'LIVRE' AND NbrExemplaire = 1 ORDER BY titre", {2, 1}},
        {"SELECT * FROM table1 ORDER BY Isbn13", {4, 5, 2, 3, 1}},
        {"SELECT * FROM table1 ORDER BY LieuRangement", {1, 3, 5, 4, 2}},
        {"SELECT * FROM table1 \r\nORDER BY NbreFoisEmprunte DESC", {4, 2, 1, 3, 5}},
        {"SELECT * FROM table1 WHERE Isbn13 ='00012' AND Isbn10 ='*00012*'\r\nORDER BY NumLivre", {3}},
        {"SELECT * FROM table1 WHERE Isbn13 ='00012'AND Isbn10 ='*00012*'", {3}},
        {"SELECT * FROM table1 WHERE Isbn13 ='9782070612758'AND NumEmprunteur = 5", {1}},
        {"SELECT * FROM table1 WHERE Isbn13 ='9782070612758' AND NumEmprunteur <> 0", {1}},
        {"SELECT * FROM table1 WHERE Isbn13 ='00012'AND NumEmprunteur <> 0", {}},
        {"SELECT * FROM table1 WHERE Titre ='ecole' ORDER BY NbrExemplaire", {2}},
        {"Select * From table1 WHERE titre = '@' ", {}},
        {"SELECT * FROM table1  WHERE Isbn13 ='00000'", {5}},
        {"SELECT * FROM table1 WHERE Type = 'LIVRE' AND Mot_Cle = 'contes' AND Proprio = 'BCD'ORDER BY NumLivre", {4}},
        {"SELECT * FROM table1 WHERE Type = 'LIVRE' AND Proprio = 'bcd' ORDER BY NumLivre", {4}},
        {"SELECT * FROM table1 WHERE Type <> '' and IMP_CodeBarres = True", {2, 3}},
        {"SELECT * FROM table1 WHERE Type = 'LIVRE' and IMP_CodeBarres = True ORDER BY Titre", {2}},
        {"SELECT * FROM table1 WHERE Type <> 'LIVRE' and IMP_CodeBarres = True", {3}},
        {"SELECT * FROM table1 WHERE Type = '' and IMP_CodeBarres = True", {}},
        {"SELECT * FROM Emprunteurs WHERE NumEmprunteur = 2", {2}},
        {"SELECT * FROM Emprunteurs WHERE EmpNom >='ros' ORDER BY EmpNom", {1, 3}},
        {"Select * From Emprunteurs ORDER BY EmpNom", {2, 1, 3}},
        {"Select * From Emprunteurs ORDER BY Classe,EmpNom", {3, 2, 1}},
        {"Select * From Emprunteurs ORDER BY Classe,EmpPreNom,EmpNom", {3, 1, 2}},
        {"Select * From Emprunteurs ORDER BY Classe,EmpNom,EmpPreNom", {3, 2, 1}},
        {"Select * FROM Emprunteurs WHERE classe ='CM1'", {1, 2}},
    };
    for (const auto& c : selects)
        EXPECT_EQ(db.keys(QString::fromUtf8(c.sql)), c.expected) << c.sql;

    struct WriteCase {
        const char* sql;
        int changed;
        const char* row;  // the row to read back
        const char* field;
        const char* text;
    };
    const WriteCase writes[] = {
        {"UPDATE table1 SET MaxExemplaire = False WHERE Isbn13 ='00012'", 2, "SELECT * FROM table1 WHERE NumLivre = 3",
         "MaxExemplaire", "Faux"},
        {"UPDATE table1 SET Isbn13 ='00005',CodeBarres ='*00005*',Images ='00005.jpg',IMP_CodeBarres = True "
         "WHERE numlivre = 5",
         1, "SELECT * FROM table1 WHERE Isbn13 ='00005'AND CodeBarres ='*00005*'AND Images ='00005.jpg'", "IMP_CodeBarres",
         "Vrai"},
        {"UPDATE table1 SET Emprunte = True WHERE NumLivre = 4", 1, "SELECT * FROM table1 WHERE NumLivre = 4", "Emprunte",
         "Vrai"},
        {"UPDATE Emprunteurs SET NbrEmpruntsTotal =1,NbrEmpruntsEnCours=1,NumINE='08/12/2025' WHERE NumEmprunteur = 1", 1,
         "SELECT * FROM Emprunteurs WHERE NumINE ='08/12/2025'", "NbrEmpruntsEnCours", "1"},
        {"UPDATE Emprunteurs SET NbrEmpruntsEnCours=0\r\nWHERE NumEmprunteur = 1", 1,
         "SELECT * FROM Emprunteurs WHERE NumEmprunteur = 1", "NbrEmpruntsEnCours", "0"},
        {"UPDATE Emprunteurs SET NimImage ='ROSSI_Léa.jpg' WHERE NumEmprunteur = 1", 1,
         "SELECT * FROM Emprunteurs WHERE NumEmprunteur = 1", "NimImage", "ROSSI_Léa.jpg"},
        {"Insert into table1 (Titre,Isbn13,Type,Imp_Codebarres,NbrExemplaire,Maxexemplaire,Prix_Client) "
         "Values ('Disque','00007','CD',False,'1',True,'0,00')",
         1, "SELECT * FROM table1 WHERE Isbn13 ='00007'", "Prix_Client", "0"},
        {"Insert into Emprunteurs (EmpNom,EmpPrenom,Classe,Etablissement,Mail,NumRNE,NumINE_EAN13,RNE,Niveau,"
         "NbrEmpruntsMax) Values ('DURAND','Jean','CM1','École','j@x.fr','','','','',0)",
         1, "SELECT * FROM Emprunteurs WHERE EmpNom ='DURAND'", "NbrEmpruntsMax", "0"},
        {"Insert into Emprunteurs (EmpNom,EmpPrenom,NumINE,Classe) Values ('NOUVEAU','Ali','0','CE1')", 1,
         "SELECT * FROM Emprunteurs WHERE NumINE ='0'", "EmpNom", "NOUVEAU"},
        {"Insert into Table1 (Titre,Type,NumEmprunteur,Empruntable,MaxExemplaire,IMP_CodeBarres,NbrExemplaire) "
         "Values ('Repris','LIVRE',0,False,True,False,'2')",
         1, "SELECT * FROM table1 WHERE Titre ='Repris'", "Empruntable", "Faux"},
        {"Insert into Table1 (Titre,NumEmprunteur,NbrExemplaire) Values ('Importé','0','')", 1,
         "SELECT * FROM table1 WHERE Titre ='Importé'", "NbrExemplaire", ""},
        {"Insert into Table1 (Titre,Prix_Client) Values ('Prix importé','12,50 €')", 1,
         "SELECT * FROM table1 WHERE Titre ='Prix importé'", "Prix_Client", "12,5"},
    };
    for (const auto& w : writes) {
        EXPECT_EQ(db.connection().execute(QString::fromUtf8(w.sql)), w.changed) << w.sql;
        EXPECT_EQ(cell(w.row, w.field), QString::fromUtf8(w.text)) << w.sql;
    }
}

// A select list reads only its fields, in its order, while the conditions and the order may
// name any column; rows edited or added through it keep the columns it leaves out.
TEST_F(Statements, ASelectListGivesItsFieldsOnly)
{
    db::Query q(db.connection());
    q.addSql(QStringLiteral("SELECT genre, Titre, NumLivre FROM table1 WHERE NbrExemplaire = 1 ORDER BY Isbn13 DESC"));
    q.open();
    EXPECT_EQ(q.fieldNames(), (QStringList{"Genre", "Titre", "numlivre"}));
    EXPECT_FALSE(q.findField(QStringLiteral("Isbn13")));
    QStringList rows;
    for (q.first(); !q.eof(); q.next())
        rows << q.field(0).asString() + u'/' + q.field(1).asString();
    EXPECT_EQ(rows, (QStringList{"Roman/L'école des loisirs", "Conte/Ecole"}));

    q.first();
    q.edit();
    q.fieldByName(QStringLiteral("Genre")).setAsString(QStringLiteral("Album"));
    q.post();
    EXPECT_EQ(cell("SELECT * FROM table1 WHERE NumLivre = 1", "Genre"), "Album");
    EXPECT_EQ(cell("SELECT * FROM table1 WHERE NumLivre = 1", "Isbn13"), "9782070612758");

    q.append();
    q.fieldByName(QStringLiteral("Titre")).setAsString(QStringLiteral("Nouveau"));
    q.post();
    EXPECT_EQ(q.fieldByName(QStringLiteral("Titre")).asString(), "Nouveau");
    EXPECT_EQ(q.fieldByName(QStringLiteral("NumLivre")).asInteger(), 6);
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
        {"SELECT Titre, FROM table1", K::Syntax},
        {"SELECT Titre, Couleur FROM table1", K::UnknownName},
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

}  // namespace
