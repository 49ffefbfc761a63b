// Editing the current row of a query or table: assignments converted to the column's type,
// post writing only what changed, insert/append/delete and where they leave the current row.
#include "platform/db/Error.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "tests/platform/db/TestDatabase.h"

#include <gtest/gtest.h>

using dbtest::TestDatabase;
using Keys = std::vector<qint64>;

namespace {

class Editing : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.addBooks();
        ars.addSql("Select * From table1");
        ars.open();
    }

    QString stored(qint64 key, const char* field)
    {
        db::Query q(db.connection());
        q.addSql(QStringLiteral("SELECT * FROM table1 WHERE NumLivre = %1").arg(key));
        q.open();
        return q.fieldByName(QString::fromUtf8(field)).asString();
    }

    TestDatabase db;
    db::Query ars{db.connection()};
};

TEST_F(Editing, AssignmentsAreConvertedLikeTheProgramWritesThem)
{
    ars.edit();
    ars.fieldByName("NbrExemplaire").setAsString("7");
    ars.fieldByName("MaxExemplaire").setAsString("Faux");
    ars.fieldByName("DateEmprunt").setAsString("09/12/2025");
    ars.fieldByName("Prix_Client").setAsString("12,50");
    ars.fieldByName("NumEmprunteur").setAsString("0");
    ars.fieldByName("DateRetour").clear();
    ars.fieldByName("Empruntable").setAsBoolean(false);
    ars.fieldByName("NbreFoisEmprunte").setAsInteger(3);
    ars.post();
    for (const auto& [field, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"NbrExemplaire", "7"},
             {"MaxExemplaire", "Faux"},
             {"DateEmprunt", "09/12/2025"},
             {"Prix_Client", "12,5"},
             {"NumEmprunteur", "0"},
             {"DateRetour", ""},
             {"Empruntable", "Faux"},
             {"NbreFoisEmprunte", "3"}}) {
        EXPECT_EQ(ars.fieldByName(field).asString(), text) << field;
        EXPECT_EQ(stored(1, field), text) << field;
    }
}

TEST_F(Editing, BadAssignmentsAreRefusedAndTheRowKeepsItsValue)
{
    ars.edit();
    using K = db::Error::Kind;
    const std::tuple<const char*, const char*, K> cases[] = {
        {"NbrExemplaire", "abc", K::Conversion},
        {"NbrExemplaire", "40000", K::Conversion},
        {"DateEmprunt", "31/02/2025", K::Conversion},
        {"MaxExemplaire", "oui", K::Conversion},
        {"Prix_Client", "douze", K::Conversion},
        {"EmpNom", "123456789012345678901", K::TooLong},
        {"numlivre", "9", K::State},
    };
    for (const auto& [field, text, kind] : cases) {
        try {
            ars.fieldByName(field).setAsString(text);
            ADD_FAILURE() << field << " took " << text;
        } catch (const db::Error& e) {
            EXPECT_EQ(e.kind(), kind) << field;
        }
    }
    EXPECT_FALSE(ars.modified());
    ars.fieldByName("EmpNom").setAsString("12345678901234567890");
    ars.post();
    EXPECT_EQ(stored(1, "NbrExemplaire"), "1");
    EXPECT_EQ(stored(1, "EmpNom"), "12345678901234567890");
}

TEST_F(Editing, AssignmentOutsideEditIsRefused)
{
    EXPECT_THROW(ars.fieldByName("Titre").setAsString("x"), db::Error);
    ars.edit();
    ars.fieldByName("Titre").setAsString("x");
    ars.cancel();
    EXPECT_EQ(ars.fieldByName("Titre").asString(), "L'école des loisirs");
    EXPECT_THROW(ars.fieldByName("Titre").setAsString("x"), db::Error);
}

TEST_F(Editing, PostWritesOnlyTheChangedColumns)
{
    ars.first();
    db.run({"UPDATE table1 SET Auteur = 'changé ailleurs' WHERE NumLivre = 1"});
    EXPECT_EQ(ars.fieldByName("Auteur").asString(), "");  // a snapshot until refreshed
    ars.edit();
    ars.fieldByName("Editeur").setAsString("Gallimard");
    ars.post();
    EXPECT_EQ(stored(1, "Auteur"), "changé ailleurs");
    EXPECT_EQ(stored(1, "Editeur"), "Gallimard");
    ars.refresh();
    EXPECT_EQ(ars.currentKey(), 1);
    EXPECT_EQ(ars.fieldByName("Auteur").asString(), "changé ailleurs");
}

TEST_F(Editing, EditingARowDeletedElsewhereFails)
{
    ars.last();
    db.run({"DELETE FROM table1 WHERE NumLivre = 5"});
    ars.edit();
    ars.fieldByName("Titre").setAsString("x");
    try {
        ars.post();
        FAIL() << "posted a deleted row";
    } catch (const db::Error& e) {
        EXPECT_EQ(e.kind(), db::Error::Kind::RowGone);
    }
    ars.cancel();
    EXPECT_EQ(db.keys("Select * From table1"), (Keys{1, 2, 3, 4}));
}

TEST_F(Editing, QueryMembershipStaysFixedWhileItsRowsAreChanged)
{
    ars.clearSql();
    ars.addSql("Select * From table1 WHERE DateEmprunt>=0");
    ars.open();
    int cleared = 0;
    for (ars.first(); !ars.eof(); ars.next()) {
        ars.edit();
        ars.fieldByName("DateEmprunt").clear();
        ars.post();
        ++cleared;
    }
    EXPECT_EQ(cleared, 2);

    ars.clearSql();
    ars.addSql("Select * FROM table1 ORDER BY Isbn13");
    ars.open();
    const Keys order = dbtest::walk(ars);
    std::vector<qint64> visited;
    for (ars.first(); !ars.eof(); ars.next()) {
        visited.push_back(ars.currentKey());
        ars.edit();
        ars.fieldByName("Isbn13").setAsString(QStringLiteral("Z%1").arg(100 - ars.currentKey()));
        ars.post();
    }
    EXPECT_EQ(visited, order);
}

TEST_F(Editing, InsertAndAppendStandOnTheNewRowWithItsDefaultsAndNumber)
{
    db::Table borrowers(db.connection(), "Emprunteurs", "NumEmprunteur");
    borrowers.open();
    borrowers.append();
    borrowers.fieldByName("EmpNom").setAsString("DUPONT");
    borrowers.post();
    EXPECT_EQ(borrowers.fieldByName("NumEmprunteur").asString(), "1");
    EXPECT_TRUE(borrowers.fieldByName("NbrEmpruntsTotal").isNull());

    ars.setRecNo(3);
    ars.insert();
    EXPECT_EQ(ars.recNo(), 3);
    ars.fieldByName("Titre").setAsString("Inséré");
    ars.post();
    EXPECT_EQ(ars.recNo(), 3);
    EXPECT_EQ(ars.fieldByName("numlivre").asInteger(), 6);
    EXPECT_EQ(ars.fieldByName("Empruntable").asString(), "Vrai");
    EXPECT_EQ(ars.fieldByName("NumEmprunteur").asString(), "0");
    EXPECT_EQ(dbtest::walk(ars), (Keys{1, 2, 6, 3, 4, 5}));

    ars.setRecNo(2);
    ars.append();
    EXPECT_EQ(ars.recordCount(), 7);
    ars.cancel();
    EXPECT_EQ(ars.currentKey(), 2);
    EXPECT_EQ(ars.recordCount(), 6);

    ars.append();
    ars.next();  // leaving an untouched new row gives it up
    EXPECT_EQ(ars.recordCount(), 6);
    ars.append();
    ars.fieldByName("Titre").setAsString("Ajouté");
    ars.first();  // leaving a changed one posts it
    EXPECT_EQ(db.keys("Select * From table1 WHERE Titre = 'Ajouté'"), Keys{7});
}

TEST_F(Editing, CloseDiscardsAnUnpostedEdit)
{
    ars.edit();
    ars.fieldByName("Titre").setAsString("perdu");
    ars.close();
    EXPECT_EQ(stored(1, "Titre"), "L'école des loisirs");
}

TEST_F(Editing, DeleteMovesToTheFollowingRow)
{
    ars.setRecNo(2);
    ars.remove();
    EXPECT_EQ(ars.currentKey(), 3);
    EXPECT_FALSE(ars.eof());
    ars.last();
    ars.remove();
    EXPECT_EQ(ars.currentKey(), 4);
    EXPECT_TRUE(ars.eof());
    ars.first();
    ars.edit();
    ars.fieldByName("Titre").setAsString("x");
    ars.remove();  // deleting an edited row drops the edit with it
    EXPECT_EQ(db.keys("Select * From table1"), (Keys{3, 4}));
    ars.remove();
    ars.remove();
    EXPECT_TRUE(ars.isEmpty() && ars.bof() && ars.eof());
    EXPECT_THROW(ars.remove(), db::Error);
}

}  // namespace
