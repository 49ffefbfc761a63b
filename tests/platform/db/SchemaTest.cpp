// The delivered schema: the four tables with the columns, types, sizes and defaults the
// program relies on.
#include "platform/db/Error.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"
#include "tests/platform/db/TestDatabase.h"

#include <gtest/gtest.h>

using db::FieldType;

namespace {

struct Expected {
    const char* name;
    FieldType type;
    int size;
};

void expectColumns(db::Connection& c, const char* table, std::initializer_list<Expected> columns)
{
    const db::TableSchema& t = c.table(QString::fromUtf8(table));
    ASSERT_EQ(t.columnCount(), int(columns.size())) << table;
    int i = 0;
    for (const Expected& e : columns) {
        const db::Column& column = t.column(i++);
        EXPECT_EQ(column.name, QString::fromUtf8(e.name)) << table;
        EXPECT_EQ(column.type, e.type) << table << "." << e.name;
        EXPECT_EQ(column.size, e.size) << table << "." << e.name;
    }
}

TEST(Schema, TablesHoldExactlyTheColumnsOfTheRecords)
{
    dbtest::TestDatabase db;
    auto& c = db.connection();
    const auto T = FieldType::Text;
    const auto B = FieldType::Boolean;
    const auto D = FieldType::DateTime;
    const auto I = FieldType::Integer;
    expectColumns(c, "Table1",
                  {{"numlivre", FieldType::AutoInc, 0}, {"Titre", T, 80}, {"Isbn13", T, 50}, {"Isbn10", T, 20},
                   {"Auteur", T, 50}, {"Editeur", T, 50}, {"Type", T, 50}, {"Genre", T, 50}, {"Empruntable", B, 0},
                   {"Resume", FieldType::Memo, 0}, {"MaxExemplaire", B, 0}, {"NbrExemplaire", FieldType::SmallInt, 0},
                   {"Images", T, 255}, {"Pages", T, 20}, {"Date_parution", T, 40}, {"CodeBarres", T, 20},
                   {"IMP_CodeBarres", B, 0}, {"EmpNom", T, 20}, {"EmpPrenom", T, 20}, {"EmpClasse", T, 20},
                   {"NumEmprunteur", I, 0}, {"DateEmprunt", D, 0}, {"DateRetour", D, 0}, {"Photo_rangement", T, 50},
                   {"Descripteur", T, 255}, {"Proprio", T, 50}, {"Mot_Cle", T, 50}, {"NbreFoisEmprunte", T, 10},
                   {"Lien_pedago", T, 255}, {"Prix_Client", FieldType::Currency, 0}, {"LieuRangement", T, 50},
                   {"Langue", T, 255}, {"Emprunte", B, 0}});
    expectColumns(c, "Emprunteurs",
                  {{"NumEmprunteur", FieldType::AutoInc, 0}, {"EmpNom", T, 20}, {"EmpPrenom", T, 20}, {"Classe", T, 20},
                   {"NumINE", T, 15}, {"NbrEmpruntsTotal", I, 0}, {"NbrEmpruntsEnCours", I, 0}, {"NimImage", T, 50},
                   {"Etablissement", T, 50}, {"Mail", T, 50}, {"Niveau", T, 10}, {"NumINE_EAN13", T, 15},
                   {"RNE", T, 15}, {"NumRNE", T, 20}, {"NbrEmpruntsMax", I, 0}, {"Sexe", T, 10}});
    expectColumns(c, "Inventaire",
                  {{"N°", FieldType::AutoInc, 0}, {"Type", T, 50}, {"Genre", T, 255}, {"Nom", T, 255},
                   {"Nombre", T, 255}, {"Lieu", T, 255}, {"FichierPhoto", T, 255}, {"Empruntable", B, 0},
                   {"CodeBarre", T, 255}, {"Remarques", T, 255}, {"DateEmprunt", D, 0},
                   {"DateRetourEnvisagee", D, 0}, {"Emprunteur", T, 255}, {"DateCreation", D, 0}, {"Prix", T, 255},
                   {"Proprietaire", T, 255}, {"Entretien", T, 255}, {"Descripteurs", T, 255}});
    expectColumns(c, "identification", {{"NUMERO", T, 255}, {"Nom", T, 255}, {"Ville", T, 255}, {"F5", T, 255}});
    EXPECT_EQ(db.keys("SELECT * FROM identification WHERE NUMERO ='0123456A'"), std::vector<qint64>{});
}

TEST(Schema, DefaultsAreThoseTheProgramCountsOn)
{
    dbtest::TestDatabase db;
    db.run({"Insert into Table1 (titre ) Values ('__LIVRE SANS TITRE ?')",
            "Insert into Emprunteurs (EmpNom) Values ('DUPONT')"});
    db::Query q(db.connection());
    q.addSql("Select * From table1");
    q.open();
    for (const auto& [field, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Empruntable", "Vrai"}, {"NumEmprunteur", "0"}, {"MaxExemplaire", "Faux"}, {"IMP_CodeBarres", "Faux"},
             {"Emprunte", "Faux"}, {"NbrExemplaire", ""}, {"EmpNom", ""}, {"DateEmprunt", ""}, {"Prix_Client", ""}})
        EXPECT_EQ(q.fieldByName(field).asString(), text) << field;
    q.clearSql();
    q.addSql("Select * From Emprunteurs");
    q.open();
    EXPECT_TRUE(q.fieldByName("NbrEmpruntsTotal").isNull());
    EXPECT_TRUE(q.fieldByName("NbrEmpruntsEnCours").isNull());
    EXPECT_TRUE(q.fieldByName("NbrEmpruntsMax").isNull());

    db::Table equipment(db.connection(), "Inventaire");
    equipment.open();
    equipment.append();
    equipment.fieldByName("Nom").setAsString("Ballon");
    equipment.post();
    EXPECT_EQ(equipment.fieldByName("n°").asString(), "1");
    EXPECT_EQ(equipment.fieldByName("empruntable").asString(), "Faux");
}

TEST(Schema, AutoNumbersAreNeverGivenTwice)
{
    dbtest::TestDatabase db;
    auto& c = db.connection();
    for (int i = 0; i < 3; ++i)
        c.execute("Insert into Table1 (titre ) Values ('__LIVRE SANS TITRE ?')");
    c.execute("DELETE FROM Table1 WHERE Titre='__LIVRE SANS TITRE ?'");
    c.execute("Insert into Table1 (Titre) Values ('Quatre')");
    EXPECT_EQ(c.lastInsertKey(), 4);
    c.execute("Insert into Emprunteurs (EmpNom) Values ('A')");
    c.execute("DELETE * FROM Emprunteurs");
    c.execute("Insert into Emprunteurs (EmpNom) Values ('B')");
    EXPECT_EQ(c.lastInsertKey(), 2);
}

}  // namespace
